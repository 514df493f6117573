#include "labels/LocalTime.h"

#include <chrono>
#include <ctime>
#include <map>
#include <mutex>
#include <thread>

namespace Labels {

namespace {
std::string localTimeNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}
}  // namespace

std::string uniqueLocalTimeName(const char* format) {
    static std::mutex mutex;
    static std::map<std::string, std::string> lastNames;  // by format
    std::lock_guard lock(mutex);
    std::string& last = lastNames[format];
    std::string name = localTimeNow(format);
    while (name == last) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        name = localTimeNow(format);
    }
    last = name;
    return name;
}

}  // namespace Labels
