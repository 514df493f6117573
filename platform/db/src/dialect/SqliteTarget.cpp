// SQLite: no row locks, no merge, no packages; otherwise close to Oracle.
#include <algorithm>
#include <string>

#include "Failure.h"
#include "RowLock.h"
#include "Targets.h"

namespace DBKernel::Dialect {

namespace {

constexpr const char* kMerge = "DBKernel::Dialect::SqliteTarget::merge";

struct ConflictKey {
    std::string column;
    Nodes value;
};

// "target.column = value" conditions of the merge: the upsert's conflict target. An
// upsert matches rows through a unique index, so the insert must give each of these
// columns the value the condition compares it with.
std::vector<ConflictKey> conflictKeys(const MergeStatement& merge) {
    const Nodes& condition = merge.condition;
    std::vector<ConflictKey> keys;
    for (Range part : splitOnAnd(condition, whole(condition))) {
        part = trim(condition, part);
        std::size_t equals = part.begin;
        while (equals < part.end && !condition[equals].isSymbol("=")) ++equals;
        if (equals == part.end) fail(CORE_SRC_INFO(kMerge), "merge condition other than equalities on SQLite");
        const Range left{part.begin, equals}, right{equals + 1, part.end};
        std::optional<std::string> leftColumn = targetColumn(merge, condition, left);
        std::optional<std::string> rightColumn = targetColumn(merge, condition, right);
        if (leftColumn.has_value() == rightColumn.has_value())
            fail(CORE_SRC_INFO(kMerge), "merge condition \"" + toText(condition, part) +
                                            "\" does not compare one target column with a value (SQLite)");
        keys.push_back(
            {leftColumn ? *leftColumn : *rightColumn, copy(condition, trim(condition, leftColumn ? right : left))});
    }
    return keys;
}

void checkInsertMatchesKeys(const std::vector<MergeAssignment>& insert, const std::vector<ConflictKey>& keys) {
    for (const ConflictKey& key : keys) {
        const bool matches = std::any_of(insert.begin(), insert.end(), [&](const MergeAssignment& a) {
            return lowerAscii(a.column) == lowerAscii(key.column) && toText(a.value) == toText(key.value);
        });
        if (!matches)
            fail(CORE_SRC_INFO(kMerge), "merge whose insert does not give \"" + key.column +
                                            "\" the value of its ON condition cannot be an upsert on SQLite");
    }
}

class SqliteTarget final : public TargetEngine {
public:
    char bindPrefix() const override { return '?'; }
    // SQLite compares names without regard to letter case, quoted or not.
    bool foldsQuotedNames() const override { return false; }
    // Commas keep the planner free to order the inner tables; SQLite joins left to right.
    std::string_view crossJoin() const override { return ", "; }
    std::string_view nullSafeEquals() const override { return "is"; }
    bool quotesNvlNumbers() const override { return false; }

    // Oracle rounds to the scale; SQLite's integer cast would truncate.
    Nodes castToNumber(Nodes expr, std::optional<int> precision, std::optional<int> scale) const override {
        if (!precision) return cast(std::move(expr), "numeric");
        if (scale.value_or(0) == 0) return cast(call("round", std::move(expr)), "integer");
        return call("round", NodesBuilder().nodes(std::move(expr)).sql(", " + std::to_string(*scale)).take());
    }

    // The schema registers each package function under "package_function".
    Nodes packageFunction(Nodes, std::string_view package, std::string_view function) const override {
        return {makeLeaf(TokenKind::Word, std::string(package) + "_" + std::string(function))};
    }

    LockRequest lockRows(Select& select) const override {
        const RowLock lock = parseRowLock(*select.find("for"));
        if (lock.mode == RowLock::Mode::SkipLocked)
            fail(CORE_SRC_INFO("DBKernel::Dialect::SqliteTarget::lockRows"), "\"for update skip locked\" on SQLite");
        select.remove("for");
        return lock.mode == RowLock::Mode::NoWait ? LockRequest::NoWait : LockRequest::Wait;
    }

    // "insert ... on conflict (key) do update": the key needs a unique index.
    Nodes merge(MergeStatement statement) const override {
        if (!statement.insert) fail(CORE_SRC_INFO(kMerge), "merge without WHEN NOT MATCHED on SQLite");
        const std::vector<ConflictKey> keys = conflictKeys(statement);
        checkInsertMatchesKeys(*statement.insert, keys);
        NodesBuilder out;
        out.sql("insert into ").nodes(std::move(statement.target));
        if (!statement.targetAlias.empty()) out.sql(" as " + statement.targetAlias);
        out.sql(" ").node(makeGroup(columnList(*statement.insert)));
        out.sql(" values ").node(makeGroup(valueList(*statement.insert))).sql(" on conflict ");
        NodesBuilder conflict;
        for (std::size_t i = 0; i < keys.size(); ++i) conflict.sql(i ? ", " : "").sql(keys[i].column);
        out.node(makeGroup(conflict.take()));
        if (!statement.update) return out.sql(" do nothing").take();
        return out.sql(" do update set ").nodes(assignmentList(*statement.update)).take();
    }
};

}  // namespace

const TargetEngine& sqliteTarget() {
    static const SqliteTarget target;
    return target;
}

}  // namespace DBKernel::Dialect
