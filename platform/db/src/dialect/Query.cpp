#include "Query.h"

#include <algorithm>

namespace DBKernel::Dialect {

namespace {

bool isSetOperator(const Node& node) {
    return node.isWord("union") || node.isWord("intersect") || node.isWord("minus") || node.isWord("except");
}

bool isClauseKeyword(const Nodes& level, std::size_t i) {
    static constexpr std::string_view keywords[] = {"select", "from",    "where", "group", "having",
                                                    "order",  "connect", "start", "for"};
    const Node& node = level[i];
    if (std::none_of(std::begin(keywords), std::end(keywords), [&](std::string_view k) { return node.isWord(k); }))
        return false;
    // "listagg(...) within group (order by ...)" stays in the select list.
    const std::size_t previous = lastSignificant(level, 0, i);
    return !(node.isWord("group") && previous != i && level[previous].isWord("within"));
}

std::size_t queryStart(const Nodes& level) {
    for (std::size_t i = 0; i < level.size(); ++i) {
        if (level[i].isWord("select")) return i;
    }
    // "(select ...) union (select ...)": the branches are groups.
    if (std::any_of(level.begin(), level.end(), isSetOperator)) return skipTrivia(level, 0, level.size());
    return level.size();
}

// Completing words of two-word clause keywords.
bool completes(const Node& node) { return node.isWord("by") || node.isWord("with") || node.isWord("update"); }

}  // namespace

std::optional<Query> splitQuery(Nodes& level) {
    const std::size_t start = queryStart(level);
    if (start == level.size()) return std::nullopt;
    Query query;
    query.prefix = copy(level, {0, start});
    Nodes branch;
    for (std::size_t i = start; i < level.size(); ++i) {
        if (!isSetOperator(level[i])) {
            branch.push_back(std::move(level[i]));
            continue;
        }
        Nodes op{std::move(level[i])};
        const std::size_t next = skipTrivia(level, i + 1, level.size());
        if (next < level.size() && level[next].isWord("all")) {
            for (std::size_t j = i + 1; j <= next; ++j) op.push_back(std::move(level[j]));
            i = next;
        }
        query.branches.push_back(std::move(branch));
        query.operators.push_back(std::move(op));
        branch.clear();
    }
    query.branches.push_back(std::move(branch));
    level.clear();
    return query;
}

Nodes joinQuery(Query query) {
    Nodes out = std::move(query.prefix);
    for (std::size_t i = 0; i < query.branches.size(); ++i) {
        if (i > 0) appendSeparated(out, std::move(query.operators[i - 1]));
        appendSeparated(out, std::move(query.branches[i]));
    }
    return out;
}

std::string operatorName(const Nodes& op) {
    std::string name;
    for (const Node& node : op) {
        if (node.isTrivia()) continue;
        if (!name.empty()) name += ' ';
        name += lowerAscii(node.token.text);
    }
    return name;
}

Range Clause::body() const {
    std::size_t begin = skipTrivia(nodes, 1, nodes.size());
    if (begin < nodes.size() && completes(nodes[begin])) ++begin;
    return {begin, nodes.size()};
}

Select::Select(Nodes branch) {
    for (std::size_t i = 0; i < branch.size(); ++i) {
        if (isClauseKeyword(branch, i))
            clauses_.push_back({lowerAscii(branch[i].token.text), {}});
        else if (clauses_.empty())
            clauses_.push_back({});  // what comes before "select"
        clauses_.back().nodes.push_back(std::move(branch[i]));
    }
}

Clause* Select::find(std::string_view keyword) {
    const auto found =
        std::find_if(clauses_.begin(), clauses_.end(), [&](const Clause& c) { return c.keyword == keyword; });
    return found == clauses_.end() ? nullptr : &*found;
}

void Select::remove(std::string_view keyword) {
    const auto found =
        std::find_if(clauses_.begin(), clauses_.end(), [&](const Clause& c) { return c.keyword == keyword; });
    if (found == clauses_.end()) return;
    const bool wasLast = found + 1 == clauses_.end();
    clauses_.erase(found);
    if (!wasLast || clauses_.empty()) return;
    // The space that separated the removed clause would now end the text.
    Nodes& last = clauses_.back().nodes;
    while (!last.empty() && last.back().token.kind == TokenKind::Space) last.pop_back();
}

Nodes Select::extract(std::string_view keyword) {
    Clause* clause = find(keyword);
    if (!clause) return {};
    Nodes nodes = std::move(clause->nodes);
    remove(keyword);
    return nodes;
}

void Select::setBody(std::string_view keyword, Nodes body) {
    Clause* clause = find(keyword);
    clause->nodes.resize(clause->body().begin);
    appendSeparated(clause->nodes, std::move(body));
}

Nodes Select::join() && {
    Nodes out;
    for (Clause& clause : clauses_) appendSeparated(out, std::move(clause.nodes));
    return out;
}

}  // namespace DBKernel::Dialect
