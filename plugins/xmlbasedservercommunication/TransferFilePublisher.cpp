#include "TransferFilePublisher.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <boost/format.hpp>
#include <cerrno>
#include <cstring>

#include "cashregister/TransferFiles.h"
#include "core/Errors.h"

namespace XmlBasedServerCommunication {

namespace {

[[noreturn]] void raise(const char* message, const std::string& path, int error) {
    throw Core::PlacedRuntimeError((boost::format(message) % path % std::strerror(error)).str(),
                                   CORE_SRC_INFO("XmlBasedServerCommunication::publishTransferFile"));
}

// A file of this process, created empty and removed with the object.
class TemporaryFile {
public:
    TemporaryFile(const std::string& directory, char prefix) {
        static std::atomic<unsigned> counter{0};
        for (;;) {
            path_ = directory + "$" + prefix + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".tmp";
            fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) return;
            // EEXIST: left by an earlier process of the same number; the next name will do.
            if (errno != EEXIST) raise("Nie można utworzyć pliku %1%: %2%", path_, errno);
        }
    }
    ~TemporaryFile() {
        close();
        unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const std::string& content) {
        for (std::size_t done = 0; done < content.size();) {
            const ssize_t written = ::write(fd_, content.data() + done, content.size() - done);
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) raise("Nie można zapisać pliku %1%: %2%", path_, errno);
            done += static_cast<std::size_t>(written);
        }
        if (!close()) raise("Nie można zapisać pliku %1%: %2%", path_, errno);
    }

    // Gives the content a second name, only when that name is free.
    bool linkAs(const std::string& name) const {
        if (link(path_.c_str(), name.c_str()) == 0) return true;
        if (errno != EEXIST) raise("Nie można utworzyć pliku %1%: %2%", name, errno);
        return false;
    }

private:
    bool close() {
        if (fd_ < 0) return true;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

    std::string path_;
    int fd_ = -1;
};

}  // namespace

std::string publishTransferFile(const std::string& content, const std::string& directory, int type, char prefix) {
    TemporaryFile temporary(directory, prefix);
    temporary.write(content);
    // Each refusal means the name was taken since it was proposed; the next proposal
    // counts that file, so the loop ends with a name or with the naming limit.
    for (;;) {
        const std::string name = Kolvenia::Kasa::getNextFileNameByType(type, directory, prefix, "", false);
        if (temporary.linkAs(name)) return name;
    }
}

}  // namespace XmlBasedServerCommunication
