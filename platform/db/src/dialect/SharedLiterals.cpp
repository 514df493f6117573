#include "SharedLiterals.h"

#include <cctype>
#include <charconv>

namespace DBKernel::Dialect {

namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

// The end of the quoted run starting at begin ('...' with '' inside, or "...").
std::size_t quotedEnd(std::string_view sql, std::size_t begin) {
    const char quote = sql[begin];
    std::size_t at = begin + 1;
    while (at < sql.size()) {
        if (sql[at] != quote) {
            ++at;
        } else if (at + 1 < sql.size() && sql[at + 1] == quote) {
            at += 2;
        } else {
            return at + 1;
        }
    }
    return at;
}

std::size_t commentEnd(std::string_view sql, std::size_t begin) {
    if (sql[begin + 1] == '-') {
        const std::size_t end = sql.find('\n', begin);
        return end == std::string_view::npos ? sql.size() : end;
    }
    const std::size_t end = sql.find("*/", begin + 2);
    return end == std::string_view::npos ? sql.size() : end + 2;
}

bool isComment(std::string_view sql, std::size_t at) {
    return at + 1 < sql.size() && ((sql[at] == '-' && sql[at + 1] == '-') || (sql[at] == '/' && sql[at + 1] == '*'));
}

bool isWhere(std::string_view sql, std::size_t at, std::size_t wordEnd) {
    constexpr std::string_view where = "where";
    if (wordEnd - at != where.size()) return false;
    for (std::size_t i = 0; i < where.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(sql[at + i])) != where[i]) return false;
    return true;
}

// The last character before at that is not white space, or 0.
char previousSignificant(const std::string& out) {
    for (auto it = out.rbegin(); it != out.rend(); ++it)
        if (!std::isspace(static_cast<unsigned char>(*it))) return *it;
    return 0;
}

}  // namespace

std::optional<SharedLiterals> shareLiterals(std::string_view engineSql, std::size_t ownBinds, Engine engine) {
    const char marker = engine == Engine::SQLite ? '?' : '$';
    SharedLiterals shared;
    shared.sql.reserve(engineSql.size() + 8);
    bool afterWhere = false;
    std::size_t at = 0;
    while (at < engineSql.size()) {
        const char c = engineSql[at];
        std::size_t end = at + 1;
        if (c == '\'' || c == '"') {
            end = quotedEnd(engineSql, at);
        } else if (isComment(engineSql, at)) {
            end = commentEnd(engineSql, at);
        } else if (isWordChar(c) || c == '?' || c == '.') {
            while (end < engineSql.size() && (isWordChar(engineSql[end]) || engineSql[end] == '.')) ++end;
            const std::string_view word = engineSql.substr(at, end - at);
            afterWhere = afterWhere || isWhere(engineSql, at, end);
            std::int64_t value = 0;
            const bool integer =
                std::isdigit(static_cast<unsigned char>(c)) && word.size() <= 18 &&
                std::from_chars(word.data(), word.data() + word.size(), value).ptr == word.data() + word.size();
            if (afterWhere && integer && previousSignificant(shared.sql) == '=') {
                shared.values.push_back(value);
                shared.sql += marker;
                shared.sql += std::to_string(ownBinds + shared.values.size());
                at = end;
                continue;
            }
        }
        shared.sql.append(engineSql.substr(at, end - at));
        at = end;
    }
    if (shared.values.empty()) return std::nullopt;
    return shared;
}

}  // namespace DBKernel::Dialect
