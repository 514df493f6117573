// What a test finds in a directory it handed to the code under test.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {

// The names of the entries of a directory, sorted.
inline std::vector<std::string> filesIn(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace TestSupport
