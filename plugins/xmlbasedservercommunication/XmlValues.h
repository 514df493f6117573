// Text forms of the values in the transfer files: independent of the locale, so that
// a decimal separator is always '.'.
#pragma once

#include <ctime>
#include <string>

namespace XmlBasedServerCommunication {

// Fixed notation with exactly `decimals` digits after the point ("12.30").
std::string formatFixed(double value, int decimals);
// The shortest text that reads back as the same double ("0.5", "2", "1.125").
std::string formatNumber(double value);
// A day number (days since 30 December 1899) as an ISO 8601 date ("2026-12-04").
std::string formatDay(int dayNumber);
// A moment as local ISO 8601 time with its offset ("2026-12-04T10:15:30+01:00").
std::string formatLocalTime(std::time_t moment);

}  // namespace XmlBasedServerCommunication
