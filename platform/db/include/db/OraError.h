// The one error type of the database kernel. Callers test ErrorCode, an Oracle error
// number, whatever the engine underneath:
//
//   code   meaning                                  PostgreSQL SQLSTATE      SQLite
//   54     lock not available at once (NOWAIT)      55P03                    BUSY, LOCKED
//   60     deadlock                                 40P01                    -
//   1      unique constraint violated               23505                    CONSTRAINT_UNIQUE, _PRIMARYKEY
//   1400   NULL into a NOT NULL column              23502                    CONSTRAINT_NOTNULL
//   2290   check constraint violated                23514                    CONSTRAINT_CHECK
//   2291   foreign key violated                     23503                    CONSTRAINT_FOREIGNKEY
//   942    table or view does not exist             42P01                    "no such table"
//   904    invalid identifier (column, function)    42703, 42883             "no such column/function"
//   900    invalid SQL statement                    42601                    syntax errors
//   911    more than one statement in a text        -                        trailing text
//   1008   a bind variable was never assigned       (kernel)                 (kernel)
//   1403   no data found                            -                        korvel_ref has no row
//   1455   value does not fit a 32-bit integer      (kernel)                 (kernel)
//   1438   number too large for the column          22003                    -
//   1476   division by zero                         22012                    -
//   1722   invalid number                           22P02, (kernel)          (kernel)
//   12899  text too long for the column             22001                    -
//   6550   unknown procedure or wrong arguments     42883 in a call          no routine row
//   3113   connection to the server lost            08xxx                    -
//   12154  the URL names no engine                  (kernel)                 (kernel)
//   12541  the database cannot be opened            connection refused       missing or unreadable file
//   20000  any other engine error                   others                   others
#pragma once

#include <stdexcept>
#include <string>

namespace Oraerror {

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
