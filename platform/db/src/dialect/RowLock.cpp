#include "RowLock.h"

#include <algorithm>

#include "Failure.h"

namespace DBKernel::Dialect {

namespace {

bool startsMode(const Node& node) { return node.isWord("nowait") || node.isWord("wait") || node.isWord("skip"); }

std::vector<std::string> qualifiers(const Nodes& nodes, Range list) {
    std::vector<std::string> tables;
    for (Range column : splitOnCommas(nodes, list)) {
        column = trim(nodes, column);
        const std::size_t name = lastSignificant(nodes, column.begin, column.end);
        const std::size_t dot = lastSignificant(nodes, column.begin, name);
        if (dot == name || !nodes[dot].isSymbol(".")) return {};
        const std::string table = toText(nodes, trim(nodes, {column.begin, dot}));
        if (std::find(tables.begin(), tables.end(), table) == tables.end()) tables.push_back(table);
    }
    return tables;
}

}  // namespace

RowLock parseRowLock(const Clause& clause) {
    RowLock lock;
    const Nodes& nodes = clause.nodes;
    const Range body = clause.body();
    std::size_t i = skipTrivia(nodes, body.begin, body.end);
    if (i < body.end && nodes[i].isWord("of")) {
        const std::size_t list = ++i;
        while (i < body.end && !startsMode(nodes[i])) ++i;
        lock.tables = qualifiers(nodes, {list, i});
    }
    i = skipTrivia(nodes, i, body.end);
    if (i == body.end) return lock;
    if (nodes[i].isWord("nowait"))
        lock.mode = RowLock::Mode::NoWait;
    else if (nodes[i].isWord("wait"))
        lock.mode = RowLock::Mode::WaitSeconds;
    else if (nodes[i].isWord("skip"))
        lock.mode = RowLock::Mode::SkipLocked;
    else
        fail(CORE_SRC_INFO("DBKernel::Dialect::parseRowLock"), "unknown form of \"for update\": " + toText(nodes));
    return lock;
}

}  // namespace DBKernel::Dialect
