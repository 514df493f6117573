#include "RowLock.h"

#include "Failure.h"

namespace DBKernel::Dialect {

RowLock parseRowLock(const Clause& clause) {
    RowLock lock;
    const Nodes& nodes = clause.nodes;
    const Range body = clause.body();
    std::size_t i = skipTrivia(nodes, body.begin, body.end);
    std::size_t columnsEnd = i;
    if (i < body.end && nodes[i].isWord("of")) {
        columnsEnd = ++i;
        while (columnsEnd < body.end && !nodes[columnsEnd].isWord("nowait") && !nodes[columnsEnd].isWord("wait") &&
               !nodes[columnsEnd].isWord("skip"))
            ++columnsEnd;
        for (Range column : splitOnCommas(nodes, {i, columnsEnd})) lock.columns.push_back(trim(nodes, column));
    }
    const std::size_t mode = skipTrivia(nodes, columnsEnd, body.end);
    if (mode == body.end) return lock;
    if (nodes[mode].isWord("nowait")) lock.mode = RowLock::Mode::NoWait;
    else if (nodes[mode].isWord("wait")) lock.mode = RowLock::Mode::WaitSeconds;
    else if (nodes[mode].isWord("skip")) lock.mode = RowLock::Mode::SkipLocked;
    else fail(CORE_SRC_INFO("DBKernel::Dialect::parseRowLock"), "unknown form of \"for update\": " + toText(nodes));
    return lock;
}

}  // namespace DBKernel::Dialect
