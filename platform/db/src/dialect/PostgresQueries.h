// Two things PostgreSQL 15 requires of a query that Oracle does not.
#pragma once

#include "Query.h"

namespace DBKernel::Dialect {

// A subquery in FROM must have an alias: one without gets "unnamed_subquery".
void nameDerivedTables(Select& select);

// PostgreSQL types a chain of set operators pair by pair from the left: two untyped NULLs
// (or string literals) in the first two branches become text, which then clashes with a
// number in a later branch. When the chain can be nested from the right instead, it is;
// otherwise the NULL needs a cast in the source text. Throws TranslationError then.
void typeUntypedUnionColumns(Query& query);

}  // namespace DBKernel::Dialect
