// What queries and commands share: SQL text in Oracle's dialect, a session, named
// binds, and a prepared statement reused for every execution. The text is recorded in
// the statement log on each execution, then translated for the engine (translations
// and prepared statements are cached per session, keyed by the text).
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "db/Param.h"
#include "db/SessionHolder.h"

namespace DBKernel {
class PreparedStatement;
}  // namespace DBKernel

namespace DBKernel::Sql {

// SQL as the callers build it: a character string, a string or a string stream.
struct SqlText {
    SqlText(const char* sql) : text(sql) {}
    SqlText(std::string sql) : text(std::move(sql)) {}
    SqlText(const std::ostringstream& sql) : text(sql.str()) {}
    std::string text;
};

struct QuerySettings {
    // Give the prepared statement back to the session when the object goes, so the
    // next statement with the same text skips parsing. Turn off for one-off texts.
    bool reuseStatement = true;
};

class Statement {
public:
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&&) = default;
    Statement& operator=(Statement&&) = delete;  // would drop the old session before its statement

    const std::string& sql() const noexcept { return sql_; }
    const TSessionHolder& session() const noexcept { return session_; }

    Parameters Params;

protected:
    Statement(std::string sql, TSessionHolder session, QuerySettings settings);
    ~Statement();

    // Prepares sql_ on session_ and names the Params after its binds.
    void prepare();
    // Binds the Params and executes.
    void run();
    void replaceSql(std::string sql);
    void replaceSession(TSessionHolder session);
    PreparedStatement& statement() const { return *statement_; }

private:
    TSessionHolder session_;  // declared first: outlives the statement below
    QuerySettings settings_;
    std::string sql_;
    // Lent by the session; going, it goes back to the session's cache.
    std::unique_ptr<PreparedStatement, void (*)(PreparedStatement*)> statement_{nullptr, nullptr};
};

}  // namespace DBKernel::Sql
