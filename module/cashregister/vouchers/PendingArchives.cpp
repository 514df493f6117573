#include "cashregister/vouchers/PendingArchives.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "core/Errors.h"

namespace Kolvenia::BlockedVouchers {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void raise(const fs::path& path) {
    throw Core::PlacedRuntimeError("Nie można zapisać pliku " + path.string() + ": " + std::strerror(errno),
                                   CORE_SRC_INFO("Kolvenia::BlockedVouchers::PendingArchives"));
}

// Appends (or, truncating, writes) the text and makes it durable.
void writeDurably(const fs::path& path, const std::string& text, int mode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | mode, 0644);
    if (fd < 0) raise(path);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            ::close(fd);
            raise(path);
        }
        done += static_cast<std::size_t>(written);
    }
    const bool synced = ::fsync(fd) == 0;
    if (::close(fd) != 0 || !synced) raise(path);
}

}  // namespace

PendingArchives::PendingArchives(const fs::path& folder) : path_(folder / FileName) {}

std::vector<std::string> PendingArchives::left() const {
    std::vector<std::string> archives;
    std::ifstream in(path_);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && fs::exists(line)) archives.push_back(line);
    return archives;
}

void PendingArchives::add(const std::string& archive) { writeDurably(path_, archive + '\n', O_APPEND); }

void PendingArchives::replace(const std::vector<std::string>& archives) {
    if (archives.empty()) {
        std::error_code ignored;
        fs::remove(path_, ignored);
        return;
    }
    // Written aside and renamed, so that a kill leaves the old list or the new one.
    std::string text;
    for (const auto& archive : archives) text += archive + '\n';
    const fs::path aside = path_.string() + ".new";
    writeDurably(aside, text, O_TRUNC);
    fs::rename(aside, path_);
}

}  // namespace Kolvenia::BlockedVouchers
