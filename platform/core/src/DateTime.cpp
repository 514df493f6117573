#include "core/DateTime.h"

#include <boost/format.hpp>
#include <ctime>

namespace Core::DateTime {

namespace {
constexpr std::chrono::sys_days Epoch = std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

std::tm localNow() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

std::chrono::year_month_day dateOf(const std::tm& local) {
    return std::chrono::year{local.tm_year + 1900} / std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}
}  // namespace

int dayNumber(std::chrono::year_month_day date) {
    return static_cast<int>((std::chrono::sys_days{date} - Epoch).count());
}

std::chrono::year_month_day calendarDate(int day) {
    return std::chrono::year_month_day{Epoch + std::chrono::days{day}};
}

double now() {
    const std::tm local = localNow();
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return dayNumber(dateOf(local)) + seconds / 86400.0;
}

int today() { return dayNumber(dateOf(localNow())); }

std::string formatDate(int day) {
    const auto date = calendarDate(day);
    return (boost::format("%02u.%02u.%04d") % static_cast<unsigned>(date.day()) % static_cast<unsigned>(date.month()) %
            static_cast<int>(date.year()))
        .str();
}

std::string timestamp() {
    const std::tm local = localNow();
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace Core::DateTime
