// The host's dates: day numbers counted from 30 December 1899, the time of day as the
// fraction (so 46000.5 is noon of 9 December 2025). Local time throughout.
#pragma once

#include <chrono>
#include <string>

namespace Core::DateTime {

// Now, as a day number with the time as its fraction.
double now();
// Today's whole day number.
int today();
// The day number of a calendar date, and back.
int dayNumber(std::chrono::year_month_day date);
std::chrono::year_month_day calendarDate(int dayNumber);
// "dd.mm.yyyy"
std::string formatDate(int dayNumber);
// "yyyy-mm-dd hh:mm:ss" of the current local time, for messages.
std::string timestamp();

}  // namespace Core::DateTime
