// File searches with the host's wildcards: '?' one character, '*' any run, and a
// final ".*" that also matches a name without a dot ("*.*" is every file).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Files {

enum class LetterCase { Sensitive, Ignored };

// Characters are compared as UTF-8 code points; ignoring case folds ASCII letters only.
bool matchWildcard(const std::string& pattern, const std::string& name, LetterCase letterCase = LetterCase::Sensitive);

// Names of the regular files in the directory of `pathPattern` whose names match its
// last component, sorted. A directory that cannot be listed holds no files.
std::vector<std::string> findFiles(const std::filesystem::path& pathPattern,
                                   LetterCase letterCase = LetterCase::Sensitive);

}  // namespace Files
