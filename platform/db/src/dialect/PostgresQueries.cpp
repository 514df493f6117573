#include "PostgresQueries.h"

#include <algorithm>
#include <string>

#include "Failure.h"

namespace DBKernel::Dialect {

namespace {

// Words that may follow a table reference in FROM and so are no alias.
bool endsTableReference(const Node& node) {
    static constexpr std::string_view words[] = {"where", "group",     "having", "order",  "connect", "start",  "for",
                                                 "union", "intersect", "minus",  "except", "on",      "using",  "join",
                                                 "inner", "left",      "right",  "full",   "cross",   "natural"};
    return std::any_of(std::begin(words), std::end(words), [&](std::string_view w) { return node.isWord(w); });
}

bool hasAlias(const Nodes& nodes, std::size_t after) {
    const std::size_t next = skipTrivia(nodes, after, nodes.size());
    return next < nodes.size() && nodes[next].isName() && !endsTableReference(nodes[next]);
}

// Per select-list item, whether it is an untyped literal; nothing when the list cannot be read.
std::optional<std::vector<bool>> untypedColumns(const Nodes& branch) {
    const std::size_t first = skipTrivia(branch, 0, branch.size());
    if (first == branch.size() || branch[first].isGroup()) return std::nullopt;
    Select select(branch);
    const Clause* list = select.find("select");
    if (!list) return std::nullopt;
    const Nodes& nodes = list->nodes;
    std::size_t begin = skipTrivia(nodes, list->body().begin, nodes.size());
    if (begin < nodes.size() &&
        (nodes[begin].isWord("distinct") || nodes[begin].isWord("unique") || nodes[begin].isWord("all")))
        ++begin;
    std::vector<bool> untyped;
    for (Range item : splitOnCommas(nodes, {begin, nodes.size()})) {
        item = trim(nodes, item);
        if (std::any_of(nodes.begin() + std::ptrdiff_t(item.begin), nodes.begin() + std::ptrdiff_t(item.end),
                        [](const Node& n) { return n.isSymbol("*"); }))
            return std::nullopt;
        const bool literal = item.end > item.begin &&
                             (nodes[item.begin].isWord("null") || nodes[item.begin].token.kind == TokenKind::String);
        std::size_t rest = skipTrivia(nodes, item.begin + 1, item.end);
        if (rest < item.end && nodes[rest].isWord("as")) rest = skipTrivia(nodes, rest + 1, item.end);
        if (rest < item.end && nodes[rest].isName()) rest = skipTrivia(nodes, rest + 1, item.end);
        untyped.push_back(literal && rest == item.end);
    }
    return untyped;
}

// Whether branches a and b share an untyped column that another branch types.
bool clash(const std::vector<std::vector<bool>>& untyped, std::size_t a, std::size_t b) {
    for (std::size_t column = 0; column < untyped[a].size(); ++column) {
        const bool typedSomewhere = std::any_of(untyped.begin(), untyped.end(),
                                                [&](const std::vector<bool>& branch) { return !branch[column]; });
        if (untyped[a][column] && untyped[b][column] && typedSomewhere) return true;
    }
    return false;
}

bool associative(const Query& query) {
    const std::string first = operatorName(query.operators.front());
    return (first == "union" || first == "union all" || first == "intersect") &&
           std::all_of(query.operators.begin(), query.operators.end(),
                       [&](const Nodes& op) { return operatorName(op) == first; });
}

// b0 op (b1 op (b2 op b3)); the ORDER BY and FOR clauses of the last branch stay outside.
void nestFromTheRight(Query& query) {
    Select last(std::move(query.branches.back()));
    Nodes tail = last.extract("order");
    appendSeparated(tail, last.extract("for"));
    Nodes nested = std::move(last).join();
    for (std::size_t k = query.branches.size() - 2; k >= 1; --k) {
        Nodes inner = std::move(query.branches[k]);
        appendSeparated(inner, std::move(query.operators[k]));
        appendSeparated(inner, std::move(nested));
        nested = {makeGroup(copy(inner, trim(inner, whole(inner))))};
    }
    appendSeparated(nested, std::move(tail));
    query.branches = {std::move(query.branches.front()), std::move(nested)};
    query.operators.resize(1);
}

}  // namespace

void nameDerivedTables(Select& select) {
    Clause* from = select.find("from");
    if (!from) return;
    Nodes& nodes = from->nodes;
    int unnamed = 0;
    for (std::size_t i = from->body().begin; i < nodes.size(); ++i) {
        const std::size_t previous = lastSignificant(nodes, 0, i);
        const bool tablePosition = previous == 0 || nodes[previous].isSymbol(",") || nodes[previous].isWord("join");
        if (!isSubquery(nodes[i]) || !tablePosition || hasAlias(nodes, i + 1)) continue;
        ++unnamed;
        const std::string alias = unnamed == 1 ? "unnamed_subquery" : "unnamed_subquery_" + std::to_string(unnamed);
        nodes.insert(nodes.begin() + std::ptrdiff_t(i) + 1,
                     {makeLeaf(TokenKind::Space, " "), makeLeaf(TokenKind::Word, alias)});
    }
}

void typeUntypedUnionColumns(Query& query) {
    const std::size_t count = query.branches.size();
    if (count < 3) return;
    std::vector<std::vector<bool>> untyped;
    for (const Nodes& branch : query.branches) {
        std::optional<std::vector<bool>> columns = untypedColumns(branch);
        if (!columns || (!untyped.empty() && columns->size() != untyped.front().size())) return;
        untyped.push_back(std::move(*columns));
    }
    if (!clash(untyped, 0, 1)) return;
    if (!associative(query) || clash(untyped, count - 2, count - 1))
        fail(CORE_SRC_INFO("DBKernel::Dialect::typeUntypedUnionColumns"),
             "PostgreSQL cannot type the NULL columns of this chain of set operators; cast them in the text");
    nestFromTheRight(query);
}

}  // namespace DBKernel::Dialect
