// The archives of imported blocked-voucher files: a file that has been read is renamed
// to its full path followed by the time of the import and ".arch", so that it is not
// read again; archives older than a number of days are removed.
#pragma once

#include <ctime>
#include <filesystem>
#include <set>
#include <string>

namespace Kolvenia::BlockedVouchers {

// path + "yyyy-mm-dd hh-nn-ss" (local time of `moment`) + ".arch"
std::string archiveName(const std::string& path, std::time_t moment);

// Renames the file to the archive name, replacing an archive of that name. A file that
// cannot be renamed is deleted; one that can be neither raises
// "Nie mozna usunąc pliku <path> po imporcie".
void archiveImportFile(const std::string& path, const std::string& archive);

// Deletes the "*.arch" files of the folder created strictly before now - days (the
// creation of an archive is the creation of its import file, kept by the rename; its
// last-write time stands for it). `keep` lists archives not yet sent, never removed.
// A file that cannot be deleted is skipped.
void removeOldArchives(const std::filesystem::path& folder, int days, std::filesystem::file_time_type now,
                       const std::set<std::string>& keep);

}  // namespace Kolvenia::BlockedVouchers
