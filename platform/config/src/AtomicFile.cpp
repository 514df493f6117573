#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <boost/format.hpp>

#include "core/Errors.h"

namespace Korvel {

namespace {

[[noreturn]] void failSaving(const std::filesystem::path& path, int error) {
    throw Core::PlacedRuntimeError(boost::str(boost::format("Nie można zapisać pliku konfiguracji %1%: %2%") %
                                              path.string() % std::strerror(error)),
                                   CORE_SRC_INFO("replaceFileAtomically"));
}

bool writeAll(int fd, const std::string& content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

void replaceFileAtomically(const std::filesystem::path& path, const std::string& content) {
    // The temporary file sits in the target's directory: a rename is atomic only
    // within one file system.
    std::string temporary = path.string() + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) failSaving(path, errno);
    // mkstemp creates the file readable by its owner only; keep the replaced file's
    // permissions, or give a new file the usual ones.
    struct stat existing {};
    ::fchmod(fd, ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
    bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return;
    if (written) error = errno;
    std::remove(temporary.c_str());
    failSaving(path, error);
}

}  // namespace Korvel
