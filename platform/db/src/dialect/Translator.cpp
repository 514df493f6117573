#include "Translator.h"

#include "EngineText.h"
#include "Failure.h"
#include "FromList.h"
#include "Functions.h"
#include "OuterJoins.h"

namespace DBKernel::Dialect {

namespace {

// "select ... from dual": both engines select without FROM.
void removeDual(Select& select) {
    Clause* from = select.find("from");
    if (!from) return;
    const std::vector<FromItem> items = fromItems(copy(from->nodes, from->body()));
    if (items.size() == 1 && items[0].simple && items[0].table == "dual") select.remove("from");
}

bool startsWithGroup(const Nodes& branch) {
    const std::size_t first = skipTrivia(branch, 0, branch.size());
    return first < branch.size() && branch[first].isGroup();
}

}  // namespace

Translation Translator::run(std::string_view oracleSql) {
    Nodes statement = parse(oracleSql);
    if (isMerge(statement)) statement = target_.merge(parseMerge(std::move(statement)));
    rewriteLevel(statement, true);
    EngineText text(target_.bindPrefix(), target_.foldsQuotedNames());
    text.append(statement);
    return {std::move(text).sql(), std::move(text).parameterNames(), lock_};
}

void Translator::rewriteLevel(Nodes& level, bool statementLevel) {
    for (Node& node : level) {
        if (node.isGroup()) rewriteLevel(node.children, false);
    }
    rewriteFunctions(level, target_);
    rewriteQuery(level, statementLevel);
}

void Translator::rewriteQuery(Nodes& level, bool statementLevel) {
    std::optional<Query> query = splitQuery(level);
    if (!query) return;
    const bool lockable = statementLevel && query->branches.size() == 1;
    for (Nodes& branch : query->branches) {
        if (startsWithGroup(branch)) continue;
        Select select(std::move(branch));
        rewriteSelect(select, lockable);
        branch = std::move(select).join();
    }
    target_.finishQuery(*query);
    level = joinQuery(std::move(*query));
}

void Translator::rewriteSelect(Select& select, bool lockable) {
    rewriteOuterJoins(select, target_);
    removeDual(select);
    if (select.find("for")) {
        if (!lockable)
            fail(CORE_SRC_INFO("DBKernel::Dialect::Translator::rewriteSelect"),
                 "\"for update\" in a subquery or with set operators");
        lock_ = target_.lockRows(select);
    }
    target_.finishSelect(select);
}

}  // namespace DBKernel::Dialect
