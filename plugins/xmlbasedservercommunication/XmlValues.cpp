#include "XmlValues.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace XmlBasedServerCommunication {

namespace {
template <class... Format>
std::string toChars(double value, Format... format) {
    std::array<char, 64> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string(buffer.data(), result.ptr);
}
}  // namespace

std::string formatFixed(double value, int decimals) { return toChars(value, std::chars_format::fixed, decimals); }

std::string formatNumber(double value) { return toChars(value); }

std::string formatDay(int dayNumber) {
    using namespace std::chrono;
    const year_month_day date{sys_days{1899y / December / 30d} + days{dayNumber}};
    std::array<char, 16> buffer;
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer.data();
}

std::string formatLocalTime(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    std::array<char, 32> buffer;
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string text(buffer.data(), length);
    text.insert(text.size() - 2, ":");  // ISO 8601 writes the offset as +hh:mm
    return text;
}

}  // namespace XmlBasedServerCommunication
