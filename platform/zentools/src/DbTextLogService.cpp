#include "zentools/DbTextLogService.h"

#include "db/Command.h"

namespace Zentools {

const char* levelName(LogLevel level) {
    switch (level) {
    case LogLevel::Warning: return "warning";
    case LogLevel::Error: return "error";
    case LogLevel::Info: break;
    }
    return "info";
}

DefaultDbTextLogService::DefaultDbTextLogService(std::string logKey, std::string title, TSessionHolder session)
    : logKey_(std::move(logKey)), title_(std::move(title)), session_(std::move(session)) {}

void DefaultDbTextLogService::write(const std::string& text, LogLevel level) {
    DBKernel::Sql::Command entry(
        "insert into db_text_log (log_key, title, log_level, text) values (:logKey, :title, :logLevel, :text)",
        session_);
    entry.Params["logKey"] = logKey_;
    entry.Params["title"] = title_;
    entry.Params["logLevel"] = levelName(level);
    entry.Params["text"] = text;
    entry.execute();
}

}  // namespace Zentools
