// Makes a transfer file appear in the output directory in one step: the content is
// written to a temporary file ("$..." in the same directory, which the cash-register
// server ignores), which then takes the next free transfer-file name.
#pragma once

#include <string>

namespace XmlBasedServerCommunication {

// Writes `content` as the next transfer file of the type and prefix in `directory`
// (which ends with '/') and returns its path. The file appears complete or not at all:
// on any failure, the naming limit included, the temporary file is removed and the
// error raised. A name taken meanwhile by another writer is never overwritten.
std::string publishTransferFile(const std::string& content, const std::string& directory, int type, char prefix);

}  // namespace XmlBasedServerCommunication
