#include "cashregister/turnover/TurnoverLog.h"

#include "core/Debug.h"

namespace Kolvenia::DailyTurnover {

void TurnoverLog::write(const std::string& text, Zentools::LogLevel level) {
    log_.write(text, level);
    if (console_) *console_ << '[' << Zentools::levelName(level) << "] " << text << '\n';
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine(std::string(Zentools::levelName(level)) + ": " + text,
                             CORE_SRC_INFO("Kolvenia::DailyTurnover::TurnoverLog::write"));
}

}  // namespace Kolvenia::DailyTurnover
