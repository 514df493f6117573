// Host contract: Core::FileFinder lists the regular files of a directory whose names
// match a wildcard mask ('?' one character, '*' any run, letter case ignored, as the
// host's file search does), with their size and last-write time.
//
//   for (const auto& file : Core::FileFinder(directory, "?????003.1wa").files()) ...
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace Core {

class FileFinder {
public:
    struct Entry {
        std::string name;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type lastWriteTime;
    };

    // Lists at once. A directory that cannot be listed holds no files.
    FileFinder(const std::filesystem::path& directory, const std::string& mask);

    // Sorted by name. A temporary finder hands its list over, so a range-for over
    // FileFinder(...).files() stays valid.
    const std::vector<Entry>& files() const& { return files_; }
    std::vector<Entry> files() && { return std::move(files_); }

private:
    std::vector<Entry> files_;
};

}  // namespace Core
