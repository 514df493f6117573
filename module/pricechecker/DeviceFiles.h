// The file operations the price-checker senders rely on: a configured directory made
// ready to take a file name, and copy and removal that fail with a clear message.
#pragma once

#include <string>

namespace Devices::PriceChecker {

// Environment references expanded, surrounding blanks trimmed, backslashes turned to
// the platform's separator, one separator at the end.
std::string normalizedTrimmedDir(const std::string& directory);

// Copies, replacing a file of the same name; raises
// "Nie można skopiować pliku '<source>' do '<destination>': <reason>".
void copyFile(const std::string& source, const std::string& destination);
// Removes a file if it is there; raises "Nie można usunąć pliku '<path>': <reason>".
void removeFile(const std::string& path);

}  // namespace Devices::PriceChecker
