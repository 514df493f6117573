// PostgreSQL 15: row locks, merge and schemas (for the packages) as in Oracle; stricter
// typing and a few rules of its own.
#include <string>
#include <vector>

#include <boost/algorithm/string/join.hpp>

#include "Failure.h"
#include "PostgresQueries.h"
#include "RowLock.h"
#include "Targets.h"

namespace DBKernel::Dialect {

namespace {

class PostgresTarget final : public TargetEngine {
public:
    char bindPrefix() const override { return '$'; }
    // The schema's names are unquoted, so stored in lower case.
    bool foldsQuotedNames() const override { return true; }
    // A comma binds looser than JOIN: "a, b left join c on c.x = a.x" could not see "a".
    std::string_view crossJoin() const override { return " cross join "; }
    std::string_view nullSafeEquals() const override { return "is not distinct from"; }
    bool quotesNvlNumbers() const override { return true; }

    Nodes castToNumber(Nodes expr, std::optional<int> precision, std::optional<int> scale) const override {
        std::string type = "numeric";
        if (precision) type += "(" + std::to_string(*precision) + (scale ? ", " + std::to_string(*scale) : "") + ")";
        return cast(std::move(expr), type);
    }

    // The schema creates a schema per package.
    Nodes packageFunction(Nodes qualifiedName, std::string_view, std::string_view) const override {
        return qualifiedName;
    }

    void finishSelect(Select& select) const override { nameDerivedTables(select); }
    void finishQuery(Query& query) const override { typeUntypedUnionColumns(query); }

    // "of" names tables here, not columns: "of t.column" locks "t"; unqualified columns
    // leave the clause without "of", locking the rows of every table of the query.
    LockRequest lockRows(Select& select) const override {
        const RowLock lock = parseRowLock(*select.find("for"));
        if (lock.mode == RowLock::Mode::WaitSeconds)
            fail(CORE_SRC_INFO("DBKernel::Dialect::PostgresTarget::lockRows"), "\"for update wait n\" on PostgreSQL");
        std::vector<std::string> words;
        if (!lock.tables.empty()) words.push_back("of " + boost::algorithm::join(lock.tables, ", "));
        if (lock.mode == RowLock::Mode::NoWait) words.push_back("nowait");
        if (lock.mode == RowLock::Mode::SkipLocked) words.push_back("skip locked");
        select.setBody("for", parse(boost::algorithm::join(words, " ")));
        return lock.mode == RowLock::Mode::NoWait ? LockRequest::NoWait : LockRequest::Wait;
    }

    // Column names of SET and INSERT lose their qualifier, which PostgreSQL refuses there;
    // the source values already stand where the source's columns were named.
    Nodes merge(MergeStatement statement) const override {
        NodesBuilder out;
        out.sql("merge into ").nodes(std::move(statement.target));
        if (!statement.targetAlias.empty()) out.sql(" " + statement.targetAlias);
        out.sql(" using (select 1) " + statement.sourceAlias + " on ").node(makeGroup(std::move(statement.condition)));
        if (statement.update) out.sql(" when matched then update set ").nodes(assignmentList(*statement.update));
        if (statement.insert) {
            out.sql(" when not matched then insert ").node(makeGroup(columnList(*statement.insert)));
            out.sql(" values ").node(makeGroup(valueList(*statement.insert)));
        }
        return out.take();
    }
};

}  // namespace

const TargetEngine& postgresTarget() {
    static const PostgresTarget target;
    return target;
}

}  // namespace DBKernel::Dialect
