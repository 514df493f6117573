// A statement prepared on a session's engine, with its Oracle text (for the statement
// log and the cache key), its translation and its columns by name.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ColumnIndex.h"
#include "Connection.h"

namespace DBKernel {

class Session;

class PreparedStatement {
public:
    PreparedStatement(std::shared_ptr<const std::string> text, std::shared_ptr<const Dialect::Translation> translation,
                      std::unique_ptr<EngineStatement> engineStatement);

    const std::string& text() const noexcept { return *text_; }
    // The key its session keeps it idle under: the text, or the shape of the texts it
    // serves when it shares their literal values.
    const std::string& cacheKey() const noexcept { return shareKey_.empty() ? *text_ : shareKey_; }
    bool sharesLiterals() const noexcept { return !shareKey_.empty(); }
    // Makes a statement compiled with its literal values as binds serve the text with
    // these values; it is then logged and cached as that text's.
    void serveText(std::shared_ptr<const std::string> text, std::string shareKey, std::span<const std::int64_t> values);
    const std::vector<std::string>& parameterNames() const noexcept { return translation_->parameterNames; }

    // Records the text in the statement log, runs, stands on the first row.
    void execute(std::span<const Sql::Param> binds);
    bool hasRow() const noexcept { return hasRow_; }
    bool hadRows() const noexcept { return hadRows_; }
    bool next();
    void release();
    // The session that takes the statement back when its lease ends; none finalises it.
    void lend(Session* lender) noexcept { lender_ = lender; }
    Session* lender() const noexcept { return lender_; }
    std::int64_t rowsAffected() const { return engine_->rowsAffected(); }

    int columnCount() const noexcept { return columns_.size(); }
    const std::string& columnName(int index) const { return columns_.name(index); }
    // Raises a logic error naming the column when there is none.
    int column(std::string_view name) const;
    // The value of a column in the current row; raises when there is no current row.
    Sql::ValueView value(int column) const;

private:
    std::shared_ptr<const std::string> text_;
    std::shared_ptr<const Dialect::Translation> translation_;
    std::unique_ptr<EngineStatement> engine_;
    std::string shareKey_;
    std::vector<Sql::Param> literals_;  // bound after the caller's binds
    ColumnIndex columns_;
    bool columnsKnown_ = false;
    // Row loops read the same columns, spelled the same, in the same order on every row:
    // the reads of the previous row are tried, by exact spelling, before the name is hashed.
    struct ColumnRead {
        std::string spelling;
        int column;
    };
    mutable std::vector<ColumnRead> readOrder_;
    mutable std::size_t readStep_ = 0;
    bool hasRow_ = false;
    bool hadRows_ = false;
    Session* lender_ = nullptr;
};

}  // namespace DBKernel
