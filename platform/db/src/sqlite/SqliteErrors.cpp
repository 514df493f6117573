#include "SqliteErrors.h"

#include "db/OraError.h"

namespace DBKernel {

namespace {

namespace Code = Oraerror::Code;

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

int constraintCode(int extendedCode) {
    switch (extendedCode) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: return Code::UniqueViolated;
    case SQLITE_CONSTRAINT_NOTNULL: return Code::NullIntoNotNull;
    case SQLITE_CONSTRAINT_CHECK: return Code::CheckViolated;
    case SQLITE_CONSTRAINT_FOREIGNKEY: return Code::ParentKeyNotFound;
    default: return Code::OtherEngineError;
    }
}

int errorCode(std::string_view message) {
    if (startsWith(message, "no such table")) return Code::NoSuchTable;
    if (startsWith(message, "no such column") || startsWith(message, "no such function"))
        return Code::InvalidIdentifier;
    if (message.find("syntax error") != std::string_view::npos || startsWith(message, "incomplete input"))
        return Code::InvalidStatement;
    return Code::OtherEngineError;
}

}  // namespace

int oracleCodeForSqlite(int extendedCode, std::string_view message) {
    switch (extendedCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Code::ResourceBusy;
    case SQLITE_CONSTRAINT: return constraintCode(extendedCode);
    case SQLITE_ERROR: return errorCode(message);
    default: return Code::OtherEngineError;
    }
}

void raiseSqliteError(sqlite3* db, int resultCode) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    const int extendedCode = db ? sqlite3_extended_errcode(db) : resultCode;
    throw Oraerror::EOraError(oracleCodeForSqlite(extendedCode, message), message);
}

}  // namespace DBKernel
