// Translation of the Oracle SQL that the module issues into the dialect of the engine
// that stores the shop database. The translation is a rewrite of the token stream: a
// text that needs no rewrite comes out unchanged apart from its binds. Translating
// takes time linear in the text, so callers may translate each text once and cache it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Errors.h"

namespace DBKernel::Dialect {

enum class Engine { SQLite, PostgreSQL };

// How a statement locks the rows it reads ("for update"). SQLite has no row locks: the
// clause is removed and the caller takes the database write lock before running the
// statement instead: at once for NoWait (a held lock is Oracle error 54), within its
// busy timeout for Wait. On PostgreSQL the clause stays in the text and the engine locks
// the rows; the field only reports what the statement does.
enum class LockRequest { None, Wait, NoWait };

struct Translation {
    std::string sql;  // text for the engine; binds rewritten as ?1..?n (SQLite) or $1..$n (PostgreSQL)
    std::vector<std::string>
        parameterNames;  // lower-case bind names, index i is bind i+1; each name once (Oracle binds are case-insensitive)
    LockRequest lock = LockRequest::None;
};

// A text that cannot be translated faithfully: a construct the engine cannot express,
// or malformed SQL. The message names the construct and the engine.
class TranslationError : public Core::PlacedLogicError {
public:
    using Core::PlacedLogicError::PlacedLogicError;
};

// Throws TranslationError.
Translation translate(std::string_view oracleSql, Engine engine);

}  // namespace DBKernel::Dialect
