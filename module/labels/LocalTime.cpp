#include "labels/LocalTime.h"

#include <ctime>

namespace Labels {

std::string localTimeNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

}  // namespace Labels
