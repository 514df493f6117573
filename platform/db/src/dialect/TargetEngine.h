// What the rewrites need to know about the engine a text is translated for. The shared
// rewrites (Translator) ask it where the engines differ; constructs one engine lacks
// altogether (merge on SQLite, row locks) are rewritten here in full.
#pragma once

#include <optional>
#include <string_view>

#include "Merge.h"
#include "Query.h"
#include "SyntaxTree.h"
#include "db/Dialect.h"

namespace DBKernel::Dialect {

class TargetEngine {
public:
    virtual ~TargetEngine() = default;

    // Bind markers are this character and the bind's number.
    virtual char bindPrefix() const = 0;
    // Whether a quoted name reaches the engine in lower case, as unquoted names are stored.
    virtual bool foldsQuotedNames() const = 0;

    // Joins the FROM items that stay inner joins when others become LEFT JOINs.
    virtual std::string_view crossJoin() const = 0;
    // The infix comparison that is true also when both sides are NULL.
    virtual std::string_view nullSafeEquals() const = 0;
    // Whether nvl's numeric literal becomes a quoted literal, so that the engine gives it
    // the type of the other argument as Oracle does ("nvl(text_column, 0)").
    virtual bool quotesNvlNumbers() const = 0;
    // "cast(expr as number(precision, scale))"; both empty for a plain "number".
    virtual Nodes castToNumber(Nodes expr, std::optional<int> precision, std::optional<int> scale) const = 0;
    // The function name that "package.function(...)" is called by.
    virtual Nodes packageFunction(Nodes qualifiedName, std::string_view package, std::string_view function) const = 0;

    // Completes one branch of a query after the shared rewrites.
    virtual void finishSelect(Select&) const {}
    // Completes a whole query (all branches) after the shared rewrites.
    virtual void finishQuery(Query&) const {}
    // Rewrites the "for update" clause of the statement's query.
    virtual LockRequest lockRows(Select& select) const = 0;
    virtual Nodes merge(MergeStatement statement) const = 0;
};

}  // namespace DBKernel::Dialect
