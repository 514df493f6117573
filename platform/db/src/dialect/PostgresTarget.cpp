// PostgreSQL 15: row locks, merge and schemas (for the packages) as in Oracle; stricter
// typing and a few rules of its own.
#include <algorithm>
#include <string>

#include "Failure.h"
#include "PostgresQueries.h"
#include "RowLock.h"
#include "Targets.h"

namespace DBKernel::Dialect {

namespace {

class PostgresTarget final : public TargetEngine {
public:
    std::string_view name() const override { return "PostgreSQL"; }
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
    Nodes packageFunction(Nodes qualifiedName, std::string_view, std::string_view) const override { return qualifiedName; }

    void finishSelect(Select& select) const override { nameDerivedTables(select); }
    void finishQuery(Query& query) const override { typeUntypedUnionColumns(query); }

    // "of" names tables here, not columns: "of t.column" locks "t"; unqualified columns
    // leave the clause without "of", locking the rows of every table of the query.
    LockRequest lockRows(Select& select) const override {
        Clause& clause = *select.find("for");
        const RowLock lock = parseRowLock(clause);
        if (lock.mode == RowLock::Mode::WaitSeconds)
            fail(CORE_SRC_INFO("DBKernel::Dialect::PostgresTarget::lockRows"), "\"for update wait n\" on PostgreSQL");
        std::vector<std::string> tables;
        for (Range column : lock.columns) {
            const std::size_t dot = lastSignificant(clause.nodes, column.begin, lastSignificant(clause.nodes, column.begin, column.end));
            if (dot >= column.end || !clause.nodes[dot].isSymbol(".")) {
                tables.clear();
                break;
            }
            const std::string table = toText(clause.nodes, trim(clause.nodes, {column.begin, dot}));
            if (std::find(tables.begin(), tables.end(), table) == tables.end()) tables.push_back(table);
        }
        std::string body;
        for (std::size_t i = 0; i < tables.size(); ++i) body += (i ? ", " : "of ") + tables[i];
        if (lock.mode == RowLock::Mode::NoWait) body += " nowait";
        if (lock.mode == RowLock::Mode::SkipLocked) body += " skip locked";
        select.setBody("for", parse(body.substr(body.starts_with(' '))));
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
