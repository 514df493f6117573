#include "core/Debug.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <mutex>
#include <sstream>
#include <thread>

namespace Core::Debug {

namespace {
struct Log {
    std::mutex mutex;
    std::ofstream file;
    bool enabled = false;

    Log() {
        if (const char* path = std::getenv("KORVEL_DEBUG_LOG"); path && *path) open(path);
    }
    void open(const std::string& path) {
        file.close();
        enabled = false;
        if (path.empty()) return;
        file.open(path, std::ios::app);
        enabled = file.is_open();
    }
};

Log& theLog() {
    static Log log;
    return log;
}

std::string timestamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    std::ostringstream out;
    out << std::put_time(&local, "%Y-%m-%d %H:%M:%S") << '.' << std::setw(3) << std::setfill('0') << millis;
    return out.str();
}

void write(const std::string& text, const SrcInfo& place) {
    Log& log = theLog();
    std::lock_guard lock(log.mutex);
    if (!log.enabled) return;
    log.file << timestamp() << " [" << std::this_thread::get_id() << "] " << place.toString() << ": " << text << '\n';
    log.file.flush();  // a killed process must still leave its last lines behind
}
}  // namespace

bool loggingEnabled() {
    Log& log = theLog();
    std::lock_guard lock(log.mutex);
    return log.enabled;
}

void logLine(const std::string& text, const SrcInfo& place) { write(text, place); }

void logException(const SrcInfo& place, const std::string& text) { write("Exception: " + text, place); }

void logDllEntryPoint(void* instance, unsigned long reason, const SrcInfo& place) {
    std::ostringstream text;
    text << "DllEntryPoint instance=" << instance << " reason=" << reason;
    write(text.str(), place);
}

void setLogFile(const std::string& path) {
    Log& log = theLog();
    std::lock_guard lock(log.mutex);
    log.open(path);
}

}  // namespace Core::Debug
