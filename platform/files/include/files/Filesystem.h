// The host's file-system helpers that device senders use: directories as configured,
// moving and removing single files, and the host's date-time of a file's last write.
// Failures raise Core::PlacedRuntimeError naming the file.
#pragma once

#include <filesystem>
#include <string>

namespace Core::Filesystem {

// Host contract: a configured directory in the form a bare file name can be appended
// to: surrounding blanks trimmed, environment-variable references expanded, ending
// with the path separator ("" stays "").
std::string getNormalizedTrimmedDir(const std::string& directory);

// Host contract: moves one file, keeping it whole: a rename, so that a reader of the
// target directory sees the file either not at all or complete. An existing target is
// never overwritten.
void moveFile(const std::string& from, const std::string& to);

// Host contract: removes one file; a missing file is an error.
void removeFile(const std::string& path);

// The host's date-time (day number with the time as its fraction, local time) of a
// file time.
double fileTimeToDateTime(std::filesystem::file_time_type time);

}  // namespace Core::Filesystem
