#include "OuterJoins.h"

#include <algorithm>
#include <map>
#include <set>

#include "Failure.h"
#include "FromList.h"

namespace DBKernel::Dialect {

namespace {

constexpr const char* kFunction = "DBKernel::Dialect::rewriteOuterJoins";

bool hasMarker(Nodes& nodes) {
    bool found = false;
    forEachInScope(nodes,
                   [&](Nodes& level, std::size_t i) { found = found || level[i].token.kind == TokenKind::OuterJoin; });
    return found;
}

void removeMarkers(Nodes& nodes) {
    Nodes kept;
    for (Node& node : nodes) {
        if (node.token.kind == TokenKind::OuterJoin) {
            if (!kept.empty() && kept.back().token.kind == TokenKind::Space) kept.pop_back();
            continue;
        }
        if (node.isGroup()) removeMarkers(node.children);
        kept.push_back(std::move(node));
    }
    nodes = std::move(kept);
}

// The name before the last dot of "table.column" or "schema.table.column"; nothing for
// other dots and for "package.function(".
std::optional<std::string> qualifierAt(const Nodes& level, std::size_t dot) {
    const std::size_t table = lastSignificant(level, 0, dot);
    const std::size_t column = skipTrivia(level, dot + 1, level.size());
    if (table == dot || !level[table].isName() || column == level.size()) return std::nullopt;
    if (level[column].isSymbol("*")) return nameKey(level[table]);
    if (!level[column].isName()) return std::nullopt;
    const std::size_t after = skipTrivia(level, column + 1, level.size());
    if (after < level.size() && (level[after].isSymbol(".") || level[after].isGroup())) return std::nullopt;
    return nameKey(level[table]);
}

// One condition of the WHERE list and the tables it names.
struct Condition {
    Nodes nodes;
    std::optional<std::string> outerTable;  // the table marked with (+)
    std::set<std::string> otherTables;
};

Condition analyse(Nodes nodes) {
    Condition condition{std::move(nodes), std::nullopt, {}};
    if (!hasMarker(condition.nodes)) return condition;
    std::set<std::string> marked;
    forEachInScope(condition.nodes, [&](Nodes& level, std::size_t i) {
        const Node& node = level[i];
        if (node.isWord("or")) fail(CORE_SRC_INFO(kFunction), "outer join marker (+) in a condition joined with OR");
        if (isSubquery(node)) fail(CORE_SRC_INFO(kFunction), "outer join marker (+) in a condition with a subquery");
        if (node.isSymbol(".")) {
            if (std::optional<std::string> table = qualifierAt(level, i)) condition.otherTables.insert(*table);
        }
        if (node.token.kind != TokenKind::OuterJoin) return;
        const std::size_t column = lastSignificant(level, 0, i);
        const std::size_t dot = column == i ? i : lastSignificant(level, 0, column);
        if (dot == column || !level[dot].isSymbol(".") || !qualifierAt(level, dot))
            fail(CORE_SRC_INFO(kFunction), "outer join marker (+) after something other than a qualified column");
        marked.insert(*qualifierAt(level, dot));
    });
    if (marked.size() > 1) fail(CORE_SRC_INFO(kFunction), "one condition outer-joins more than one table with (+)");
    condition.outerTable = *marked.begin();
    condition.otherTables.erase(*condition.outerTable);
    removeMarkers(condition.nodes);
    return condition;
}

bool hasTopLevelOr(const Nodes& where) {
    return std::any_of(where.begin(), where.end(), [](const Node& node) { return node.isWord("or"); });
}

struct OuterTable {
    std::vector<const Condition*> conditions;
    std::set<std::string> dependsOn;
};

Nodes joinedWithAnd(const std::vector<const Condition*>& conditions) {
    NodesBuilder out;
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        if (i > 0) out.sql(" and ");
        out.nodes(conditions[i]->nodes, whole(conditions[i]->nodes));
    }
    return out.take();
}

// Outer tables in an order where each follows every table it depends on; FROM order
// among the ready ones. Tables the FROM list does not hold (correlated) count as ready.
std::vector<const FromItem*> joinOrder(const std::vector<FromItem>& items,
                                       const std::map<std::string, OuterTable>& outer) {
    std::set<std::string> placed;
    std::vector<const FromItem*> pending, order;
    for (const FromItem& item : items) (outer.count(item.key) ? pending : order).push_back(&item);
    for (const FromItem* item : order) placed.insert(item->key);
    const auto known = [&](const std::string& key) {
        return std::any_of(items.begin(), items.end(), [&](const FromItem& item) { return item.key == key; });
    };
    while (!pending.empty()) {
        const auto ready = std::find_if(pending.begin(), pending.end(), [&](const FromItem* item) {
            const std::set<std::string>& deps = outer.at(item->key).dependsOn;
            return std::all_of(deps.begin(), deps.end(),
                               [&](const std::string& d) { return placed.count(d) || !known(d); });
        });
        if (ready == pending.end()) fail(CORE_SRC_INFO(kFunction), "outer joins with (+) form a cycle");
        placed.insert((*ready)->key);
        order.push_back(*ready);
        pending.erase(ready);
    }
    return order;
}

// The inner tables in FROM order, then each outer table's LEFT JOIN.
Nodes joinedFrom(const Nodes& fromBody, const std::vector<FromItem>& items,
                 const std::map<std::string, OuterTable>& outer, const TargetEngine& target) {
    NodesBuilder joined;
    bool first = true;
    for (const FromItem* item : joinOrder(items, outer)) {
        const auto found = outer.find(item->key);
        if (found == outer.end()) {
            if (!first) joined.sql(target.crossJoin());
            joined.nodes(fromBody, item->range);
        } else {
            joined.sql(" left join ")
                .nodes(fromBody, item->range)
                .sql(" on ")
                .nodes(joinedWithAnd(found->second.conditions));
        }
        first = false;
    }
    return joined.take();
}

}  // namespace

void rewriteOuterJoins(Select& select, const TargetEngine& target) {
    Clause* where = select.find("where");
    if (!where || !hasMarker(where->nodes)) return;
    const Nodes whereBody = copy(where->nodes, where->body());
    if (hasTopLevelOr(whereBody))
        fail(CORE_SRC_INFO(kFunction), "outer join marker (+) in a WHERE clause joined with OR");
    Clause* from = select.find("from");
    if (!from) fail(CORE_SRC_INFO(kFunction), "outer join marker (+) without a FROM list");
    const Nodes fromBody = copy(from->nodes, from->body());
    const std::vector<FromItem> items = fromItems(fromBody);
    if (!std::all_of(items.begin(), items.end(), [](const FromItem& item) { return item.simple; }))
        fail(CORE_SRC_INFO(kFunction), "outer join marker (+) beside JOIN syntax in the FROM list");

    std::vector<Condition> conditions;
    for (Range part : splitOnAnd(whereBody, whole(whereBody)))
        conditions.push_back(analyse(copy(whereBody, trim(whereBody, part))));

    std::map<std::string, OuterTable> outer;
    std::vector<const Condition*> remaining;
    for (const Condition& condition : conditions) {
        if (!condition.outerTable) {
            remaining.push_back(&condition);
            continue;
        }
        OuterTable& table = outer[*condition.outerTable];
        table.conditions.push_back(&condition);
        table.dependsOn.insert(condition.otherTables.begin(), condition.otherTables.end());
    }
    for (const auto& [key, table] : outer) {
        if (std::none_of(items.begin(), items.end(), [&](const FromItem& item) { return item.key == key; }))
            fail(CORE_SRC_INFO(kFunction), "outer-joined table \"" + key + "\" is not in the FROM list");
    }
    if (outer.size() == items.size())
        fail(CORE_SRC_INFO(kFunction), "every table of the FROM list is outer-joined with (+)");

    select.setBody("from", joinedFrom(fromBody, items, outer, target));
    if (remaining.empty())
        select.remove("where");
    else
        select.setBody("where", joinedWithAnd(remaining));
}

}  // namespace DBKernel::Dialect
