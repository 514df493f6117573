#include "cashregister/vouchers/VoucherArchives.h"

#include <array>
#include <chrono>
#include <system_error>

#include "core/Errors.h"
#include "files/Wildcard.h"

namespace Kolvenia::BlockedVouchers {

namespace fs = std::filesystem;

std::string archiveName(const std::string& path, std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    std::array<char, 32> stamp;
    const std::size_t length = std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d %H-%M-%S", &local);
    return path + std::string(stamp.data(), length) + ".arch";
}

void archiveImportFile(const std::string& path, const std::string& archive) {
    std::error_code ignored;
    fs::remove(archive, ignored);
    std::error_code renameError;
    fs::rename(path, archive, renameError);
    if (!renameError) return;
    std::error_code removeError;
    if (fs::remove(path, removeError) && !removeError) return;
    throw Core::PlacedRuntimeError("Nie mozna usunąc pliku " + path + " po imporcie",
                                   CORE_SRC_INFO("Kolvenia::BlockedVouchers::archiveImportFile"));
}

void removeOldArchives(const fs::path& folder, int days, fs::file_time_type now, const std::set<std::string>& keep) {
    const fs::file_time_type threshold = now - std::chrono::hours(24) * days;
    for (const std::string& name : Files::findFiles(folder / "*.arch", Files::LetterCase::Ignored)) {
        const fs::path archive = folder / name;
        if (keep.contains(archive.string())) continue;
        std::error_code error;
        const fs::file_time_type created = fs::last_write_time(archive, error);
        if (!error && created < threshold) fs::remove(archive, error);
    }
}

}  // namespace Kolvenia::BlockedVouchers
