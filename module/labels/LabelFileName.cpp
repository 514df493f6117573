#include "labels/LabelFileName.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace Labels {

namespace {

constexpr const char* kLastNameFile = ".ostatni-plik";

std::string localTimeNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

// The state file, open and locked for this process; closing it releases the lock.
class LockedLastName {
public:
    explicit LockedLastName(const std::string& folder)
        : fd_(::open((folder + kLastNameFile).c_str(), O_RDWR | O_CREAT, 0644)) {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~LockedLastName() {
        if (fd_ >= 0) ::close(fd_);
    }
    LockedLastName(const LockedLastName&) = delete;
    LockedLastName& operator=(const LockedLastName&) = delete;

    std::string read() const {
        char text[256];
        const ssize_t size = fd_ < 0 ? -1 : ::pread(fd_, text, sizeof text, 0);
        return size > 0 ? std::string(text, static_cast<std::size_t>(size)) : std::string();
    }
    void write(const std::string& name) const {
        if (fd_ < 0) return;
        if (::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, name.data(), name.size(), 0) < 0) {
            // an unwritten state only risks a wait-free name next time
        }
    }

private:
    int fd_;
};

}  // namespace

std::string newLabelFileName(const std::string& folder, const std::string& prefix, const char* timeFormat,
                             const std::string& extension) {
    // A folder where the state cannot be kept gets plain names; its data file will
    // fail with the sender's own message.
    const LockedLastName last(folder);
    const std::string previous = last.read();
    std::string name = prefix + localTimeNow(timeFormat) + extension;
    while (name == previous) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        name = prefix + localTimeNow(timeFormat) + extension;
    }
    last.write(name);
    return name;
}

}  // namespace Labels
