// The "for update" clause of a select, as the engines need to rewrite it.
#pragma once

#include <vector>

#include "Query.h"

namespace DBKernel::Dialect {

struct RowLock {
    enum class Mode { Wait, NoWait, WaitSeconds, SkipLocked };

    std::vector<Range> columns;  // of "for update of ...", within the clause's nodes
    Mode mode = Mode::Wait;
};

// Reads "for update [of columns] [nowait | wait n | skip locked]".
RowLock parseRowLock(const Clause& clause);

}  // namespace DBKernel::Dialect
