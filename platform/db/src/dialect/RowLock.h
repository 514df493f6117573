// The "for update" clause of a select, as the engines need to rewrite it.
#pragma once

#include <string>
#include <vector>

#include "Query.h"

namespace DBKernel::Dialect {

struct RowLock {
    enum class Mode { Wait, NoWait, WaitSeconds, SkipLocked };

    // The tables of the "of table.column" list, each once, as written; empty without
    // "of" and when a column is not qualified.
    std::vector<std::string> tables;
    Mode mode = Mode::Wait;
};

// Reads "for update [of columns] [nowait | wait n | skip locked]".
RowLock parseRowLock(const Clause& clause);

}  // namespace DBKernel::Dialect
