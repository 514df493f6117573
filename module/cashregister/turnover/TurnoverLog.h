// Where the daily-turnover re-send reports: the database text log, and, when the
// console started it, also the console stream ("[info] ..." / "[warning] ...").
#pragma once

#include <ostream>
#include <string>

#include "zentools/DbTextLogService.h"

namespace Kolvenia::DailyTurnover {

// The log key and title of the re-send's entries in the database text log.
inline constexpr const char* TurnoverLogKey = "{5E0B7C2A-6F14-4D8B-9A3E-0C71D2B94F58}";
inline constexpr const char* TurnoverLogTitle = "Dosłanie brakujących danych o sprzedaży z kas";

class TurnoverLog {
public:
    explicit TurnoverLog(std::ostream* console) : log_(TurnoverLogKey, TurnoverLogTitle), console_(console) {}

    void info(const std::string& text) { write(text, Zentools::LogLevel::Info); }
    void warning(const std::string& text) { write(text, Zentools::LogLevel::Warning); }

private:
    void write(const std::string& text, Zentools::LogLevel level);

    Zentools::DefaultDbTextLogService log_;
    std::ostream* console_;
};

}  // namespace Kolvenia::DailyTurnover
