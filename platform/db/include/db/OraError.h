// The one error type of the database kernel. Callers test ErrorCode, an Oracle error
// number, whatever the engine underneath; Oraerror::Code names each number the kernel
// raises, with the engine errors it stands for (PostgreSQL SQLSTATE / SQLite).
#pragma once

#include <stdexcept>
#include <string>

namespace Oraerror {

// Host contract: the Oracle error numbers, as callers test them.
namespace Code {
inline constexpr int ResourceBusy = 54;           // lock not available at once: 55P03 / BUSY, LOCKED
inline constexpr int Deadlock = 60;               // 40P01 / -
inline constexpr int UniqueViolated = 1;          // 23505 / CONSTRAINT_UNIQUE, _PRIMARYKEY
inline constexpr int NullIntoNotNull = 1400;      // 23502 / CONSTRAINT_NOTNULL
inline constexpr int CheckViolated = 2290;        // 23514 / CONSTRAINT_CHECK
inline constexpr int ParentKeyNotFound = 2291;    // foreign key: 23503 / CONSTRAINT_FOREIGNKEY
inline constexpr int NoSuchTable = 942;           // table or view: 42P01 / "no such table"
inline constexpr int InvalidIdentifier = 904;     // column or function: 42703, 42883 / "no such column/function"
inline constexpr int InvalidStatement = 900;      // 42601 / syntax errors
inline constexpr int MoreThanOneStatement = 911;  // - / trailing text
inline constexpr int UnboundVariable = 1008;      // a bind variable never assigned (kernel)
inline constexpr int NoDataFound = 1403;          // - / korvel_ref has no row
inline constexpr int IntegerOverflow = 1455;      // a value does not fit 32 bits (kernel)
inline constexpr int NumberTooLarge = 1438;       // for the column: 22003 / -
inline constexpr int DivisionByZero = 1476;       // 22012 / -
inline constexpr int InvalidNumber = 1722;        // 22P02, (kernel) / (kernel)
inline constexpr int TextTooLong = 12899;         // for the column: 22001 / -
inline constexpr int UnknownCall = 6550;          // procedure or its arguments: 42883 in a call / no routine row
inline constexpr int ConnectionLost = 3113;       // 08xxx / -
inline constexpr int NoEngineInUrl = 12154;       // (kernel)
inline constexpr int CannotOpen = 12541;          // connection refused / missing or unreadable file
inline constexpr int OtherEngineError = 20000;    // any other engine error
}  // namespace Code

// Host contract: the kernel's error type, its message form and ErrorCode.
class EOraError : public std::runtime_error {
public:
    // what() is "ORA-00054: " followed by the engine's message.
    EOraError(int errorCode, const std::string& engineMessage);

    const std::string& engineMessage() const noexcept { return engineMessage_; }

    int ErrorCode;

private:
    std::string engineMessage_;
};

}  // namespace Oraerror
