// Replaces a file's content so that a reader sees either the old or the new content,
// never a part: the text goes to a temporary file beside it, which is then renamed.
#pragma once

#include <filesystem>
#include <string>

namespace Korvel {

// Raises Core::PlacedRuntimeError naming the file and the system's reason on failure,
// leaving the old file as it was and no temporary file behind.
void replaceFileAtomically(const std::filesystem::path& path, const std::string& content);

}  // namespace Korvel
