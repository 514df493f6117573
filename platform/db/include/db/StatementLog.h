// Process-wide record of the statements the kernel's callers issue, in the text they
// gave (Oracle SQL, before translation), one entry per execution. Off by default so a
// long-running program does not grow it; tests switch it on and read it.
//
// Recorded: queries and commands (OpenedQuery, PreparedQuery, Command, TDataSet opens
// and cached-update statements) and procedure calls, recorded as the Oracle call
// "begin NAME(PAR => :PAR, ...); end;". Not recorded: the kernel's own housekeeping
// (transactions, GetRef, routine lookups).
#pragma once

#include <string>
#include <vector>

namespace DBKernel {

class StatementLog {
public:
    static void setEnabled(bool enabled);
    static bool enabled();
    static std::vector<std::string> entries();
    static void clear();
};

}  // namespace DBKernel
