// Oracle's outer joins, "a.x = b.y(+)" in the WHERE of a comma-joined FROM list, as
// LEFT JOINs: every table marked with (+) is joined after the tables it depends on, on
// all of its marked conditions (constant ones included), which leave the WHERE clause.
#pragma once

#include "Query.h"
#include "TargetEngine.h"

namespace DBKernel::Dialect {

// Throws TranslationError for the uses Oracle itself refuses or that have no LEFT JOIN
// form: (+) in an OR, beside JOIN syntax, next to a subquery, on an unqualified column,
// on a table not in the FROM list, on every table, in a cycle.
void rewriteOuterJoins(Select& select, const TargetEngine& target);

}  // namespace DBKernel::Dialect
