// The light structure of a query at one parenthesis level: its set-operator branches,
// and each branch's clauses. Nested levels (subqueries) are separate queries.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SyntaxTree.h"

namespace DBKernel::Dialect {

// A query at one level: what comes before it (the head of an "insert ... select" or a
// "with" list), its branches and the set operators between them.
struct Query {
    Nodes prefix;
    std::vector<Nodes> branches;
    std::vector<Nodes> operators;  // operators[i] joins branches[i] and branches[i + 1]
};

// Takes the level's nodes when it holds a query; nothing, and the level untouched, otherwise.
std::optional<Query> splitQuery(Nodes& level);
Nodes joinQuery(Query query);
// The operator's words in lower case, single-spaced: "union", "union all", ...
std::string operatorName(const Nodes& op);

// One clause: its nodes start with the key word ("select", "from", "where", "group",
// "having", "order", "connect", "start", "for") and run up to the next clause.
struct Clause {
    std::string keyword;  // lower case
    Nodes nodes;

    // After the key word and the word that completes it ("by", "with", "update").
    Range body() const;
};

// A branch of a query (a select without set operators) as its clauses.
class Select {
public:
    explicit Select(Nodes branch);

    Clause* find(std::string_view keyword);
    void remove(std::string_view keyword);
    // Replaces the clause's body, keeping its key word.
    void setBody(std::string_view keyword, Nodes body);
    // Removes the clause and gives its nodes; empty when there is none.
    Nodes extract(std::string_view keyword);
    Nodes join() &&;

private:
    std::vector<Clause> clauses_;
};

}  // namespace DBKernel::Dialect
