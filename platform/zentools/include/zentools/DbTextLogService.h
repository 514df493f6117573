// The host's database text log: reports of operations that the shop's staff read later
// (table db_text_log). Entries are grouped under a log key (a GUID naming the kind of
// operation) and carry a title and a level. Each entry is committed on its own, so a
// report survives the failure of the work it describes.
//
//   Zentools::DefaultDbTextLogService log("{A1DE...}", "Wysłanie blokad bonów");
//   log.write("Wysyłanie blokad do kas:\nKasa nr 1\n");
//   log.write("Brak kasy 9.", Zentools::LogLevel::Warning);
#pragma once

#include <string>

#include "db/SessionHolder.h"

namespace Zentools {

enum class LogLevel { Info, Warning, Error };

// "info", "warning", "error": the texts stored in db_text_log.log_level.
const char* levelName(LogLevel level);

// Host contract: the database text log service.
class DefaultDbTextLogService {
public:
    // A private session by default: entries commit even while the caller's
    // transaction is open or later rolled back.
    DefaultDbTextLogService(std::string logKey, std::string title, TSessionHolder session = TSessionHolder(false));

    void write(const std::string& text, LogLevel level = LogLevel::Info);

    const std::string& logKey() const { return logKey_; }

private:
    std::string logKey_;
    std::string title_;
    TSessionHolder session_;
};

}  // namespace Zentools
