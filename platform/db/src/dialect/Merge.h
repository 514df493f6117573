// Oracle's "merge into T using (select ... from dual) S on (...) when matched then update
// set ... when not matched then insert (...) values (...)", parsed for the engines to
// write in their own form. The source is one row of values, so every "S.column" is
// replaced by its value; the engines never see the source select.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SyntaxTree.h"

namespace DBKernel::Dialect {

struct MergeAssignment {
    std::string column;  // without qualifier
    Nodes value;
};

struct MergeStatement {
    Nodes target;             // the table's name as written
    std::string targetKey;    // how the statement names the table: alias, else table name (nameKey)
    std::string targetAlias;  // as written; empty when none
    std::string sourceAlias;  // as written
    Nodes condition;          // inside the parentheses of "on"
    std::optional<std::vector<MergeAssignment>> update;  // when matched
    std::optional<std::vector<MergeAssignment>> insert;  // when not matched
};

bool isMerge(const Nodes& statement);
// Throws TranslationError for a source other than a select from dual, and for the
// optional parts of merge (WHERE and DELETE in its clauses).
MergeStatement parseMerge(Nodes statement);

// "a, b", "value1, value2" and "a = value1, b = value2" of the assignments.
Nodes columnList(const std::vector<MergeAssignment>& assignments);
Nodes valueList(const std::vector<MergeAssignment>& assignments);
Nodes assignmentList(const std::vector<MergeAssignment>& assignments);

// The column of "table.column" or "column" when the table is the merge target; nothing otherwise.
std::optional<std::string> targetColumn(const MergeStatement& merge, const Nodes& nodes, Range range);

}  // namespace DBKernel::Dialect
