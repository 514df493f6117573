#include "Merge.h"

#include <map>

#include "Failure.h"
#include "FromList.h"
#include "Query.h"

namespace DBKernel::Dialect {

namespace {

constexpr const char* kFunction = "DBKernel::Dialect::parseMerge";

[[noreturn]] void unsupported(const std::string& what) { fail(CORE_SRC_INFO(kFunction), "merge " + what); }

// Walks the significant nodes of one level.
class Cursor {
public:
    explicit Cursor(const Nodes& nodes) : nodes_(nodes), at_(skipTrivia(nodes, 0, nodes.size())) {}

    bool atEnd() const { return at_ == nodes_.size(); }
    const Node& peek() const {
        if (atEnd()) unsupported("statement ends too early");
        return nodes_[at_];
    }
    std::size_t position() const { return at_; }
    void advance() { at_ = skipTrivia(nodes_, at_ + 1, nodes_.size()); }
    bool acceptWord(std::string_view word) {
        if (atEnd() || !nodes_[at_].isWord(word)) return false;
        advance();
        return true;
    }
    void expectWord(std::string_view word) {
        if (!acceptWord(word)) unsupported("without \"" + std::string(word) + "\" where expected");
    }
    const Node& takeGroup(const char* what) {
        if (atEnd() || !peek().isGroup()) unsupported(std::string("without ") + what);
        const Node& group = peek();
        advance();
        return group;
    }
    // Up to the next "when" of this level or the end.
    Range untilWhen() {
        const std::size_t begin = at_;
        while (!atEnd() && !nodes_[at_].isWord("when")) advance();
        return {begin, at_};
    }

private:
    const Nodes& nodes_;
    std::size_t at_;
};

using SourceValues = std::map<std::string, Nodes>;

// "select value alias, ... from dual": each alias and its value.
SourceValues sourceValues(const Node& source) {
    if (!isSubquery(source)) unsupported("whose source is not a select");
    Select select(source.children);
    const Clause* list = select.find("select");
    const Clause* from = select.find("from");
    const bool fromDual = from && [&] {
        const Nodes body = copy(from->nodes, from->body());
        const std::vector<FromItem> items = fromItems(body);
        return items.size() == 1 && items[0].table == "dual" && items[0].simple;
    }();
    if (!list || !fromDual || select.find("where") || select.find("group") || select.find("order"))
        unsupported("whose source is other than one select of values from dual");
    SourceValues values;
    for (Range item : splitOnCommas(list->nodes, list->body())) {
        item = trim(list->nodes, item);
        const std::size_t alias = lastSignificant(list->nodes, item.begin, item.end);
        std::size_t valueEnd = lastSignificant(list->nodes, item.begin, alias);
        if (valueEnd == alias || !list->nodes[alias].isName()) unsupported("source value without a column alias");
        if (list->nodes[valueEnd].isWord("as")) valueEnd = lastSignificant(list->nodes, item.begin, valueEnd);
        values[nameKey(list->nodes[alias])] = asOperand(list->nodes, {item.begin, valueEnd + 1});
    }
    return values;
}

void substitute(Nodes& nodes, const std::string& sourceKey, const SourceValues& values) {
    Nodes out;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        Node& node = nodes[i];
        const std::size_t dot = skipTrivia(nodes, i + 1, nodes.size());
        const std::size_t column = dot < nodes.size() ? skipTrivia(nodes, dot + 1, nodes.size()) : dot;
        if (node.isName() && nameKey(node) == sourceKey && column < nodes.size() && nodes[dot].isSymbol(".") &&
            nodes[column].isName()) {
            const auto value = values.find(nameKey(nodes[column]));
            if (value == values.end()) unsupported("naming a source column the source does not have");
            out.insert(out.end(), value->second.begin(), value->second.end());
            i = column;
            continue;
        }
        if (node.isGroup()) substitute(node.children, sourceKey, values);
        out.push_back(std::move(node));
    }
    nodes = std::move(out);
}

std::string columnOf(const MergeStatement& merge, const Nodes& nodes, Range range) {
    std::optional<std::string> column = targetColumn(merge, nodes, range);
    if (!column)
        unsupported("setting \"" + toText(nodes, trim(nodes, range)) + "\", which is not a column of the target");
    return *column;
}

std::vector<MergeAssignment> updateClause(const MergeStatement& merge, const Nodes& nodes, Range range) {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        if (nodes[i].isWord("where") || nodes[i].isWord("delete")) unsupported("update with WHERE or DELETE");
    }
    std::vector<MergeAssignment> assignments;
    for (Range part : splitOnCommas(nodes, range)) {
        part = trim(nodes, part);
        std::size_t equals = part.begin;
        while (equals < part.end && !nodes[equals].isSymbol("=")) ++equals;
        if (equals == part.end) unsupported("update without \"=\"");
        assignments.push_back(
            {columnOf(merge, nodes, {part.begin, equals}), copy(nodes, trim(nodes, {equals + 1, part.end}))});
    }
    return assignments;
}

std::vector<MergeAssignment> insertClause(const MergeStatement& merge, Cursor& cursor) {
    if (!cursor.peek().isGroup()) unsupported("insert without a column list");
    const Nodes& columns = cursor.takeGroup("a column list").children;
    cursor.expectWord("values");
    const Nodes& values = cursor.takeGroup("values").children;
    if (!cursor.atEnd() && !cursor.peek().isWord("when")) unsupported("insert with WHERE");
    const std::vector<Range> names = splitOnCommas(columns, whole(columns));
    const std::vector<Range> items = splitOnCommas(values, whole(values));
    if (names.size() != items.size()) unsupported("insert with more columns than values or fewer");
    std::vector<MergeAssignment> assignments;
    for (std::size_t i = 0; i < names.size(); ++i)
        assignments.push_back({columnOf(merge, columns, names[i]), copy(values, trim(values, items[i]))});
    return assignments;
}

}  // namespace

bool isMerge(const Nodes& statement) {
    const std::size_t first = skipTrivia(statement, 0, statement.size());
    return first < statement.size() && statement[first].isWord("merge");
}

MergeStatement parseMerge(Nodes statement) {
    MergeStatement merge;
    Cursor cursor(statement);
    cursor.expectWord("merge");
    cursor.expectWord("into");
    const std::size_t targetBegin = cursor.position();
    for (;;) {
        if (!cursor.peek().isName()) unsupported("without a target table");
        merge.targetKey = nameKey(cursor.peek());
        merge.target = copy(statement, {targetBegin, cursor.position() + 1});
        cursor.advance();
        if (cursor.atEnd() || !cursor.peek().isSymbol(".")) break;
        cursor.advance();
    }
    if (!cursor.peek().isWord("using")) {
        merge.targetAlias = cursor.peek().token.text;
        merge.targetKey = nameKey(cursor.peek());
        cursor.advance();
    }
    cursor.expectWord("using");
    const SourceValues values = sourceValues(cursor.takeGroup("a source"));
    if (cursor.peek().isWord("on") || !cursor.peek().isName()) unsupported("source without an alias");
    merge.sourceAlias = cursor.peek().token.text;
    const std::string sourceKey = nameKey(cursor.peek());
    cursor.advance();
    cursor.expectWord("on");
    merge.condition = cursor.takeGroup("a condition in parentheses").children;
    substitute(merge.condition, sourceKey, values);

    while (cursor.acceptWord("when")) {
        const bool matched = !cursor.acceptWord("not");
        cursor.expectWord("matched");
        cursor.expectWord("then");
        if (matched) {
            cursor.expectWord("update");
            cursor.expectWord("set");
            merge.update = updateClause(merge, statement, cursor.untilWhen());
        } else {
            cursor.expectWord("insert");
            merge.insert = insertClause(merge, cursor);
        }
    }
    if (!cursor.atEnd()) unsupported("with text after its clauses");
    if (!merge.update && !merge.insert) unsupported("without WHEN clauses");
    for (auto* clause : {&merge.update, &merge.insert}) {
        if (!*clause) continue;
        for (MergeAssignment& assignment : **clause) substitute(assignment.value, sourceKey, values);
    }
    return merge;
}

Nodes columnList(const std::vector<MergeAssignment>& assignments) {
    NodesBuilder out;
    for (std::size_t i = 0; i < assignments.size(); ++i) out.sql(i ? ", " : "").sql(assignments[i].column);
    return out.take();
}

Nodes valueList(const std::vector<MergeAssignment>& assignments) {
    NodesBuilder out;
    for (std::size_t i = 0; i < assignments.size(); ++i) out.sql(i ? ", " : "").nodes(assignments[i].value);
    return out.take();
}

Nodes assignmentList(const std::vector<MergeAssignment>& assignments) {
    NodesBuilder out;
    for (std::size_t i = 0; i < assignments.size(); ++i)
        out.sql(i ? ", " : "").sql(assignments[i].column + " = ").nodes(assignments[i].value);
    return out.take();
}

std::optional<std::string> targetColumn(const MergeStatement& merge, const Nodes& nodes, Range range) {
    range = trim(nodes, range);
    const std::size_t column = lastSignificant(nodes, range.begin, range.end);
    if (column == range.end || !nodes[column].isName()) return std::nullopt;
    if (column == range.begin) return nodes[column].token.text;
    const std::size_t dot = lastSignificant(nodes, range.begin, column);
    const std::size_t table = lastSignificant(nodes, range.begin, dot);
    if (table != range.begin || !nodes[dot].isSymbol(".") || nameKey(nodes[table]) != merge.targetKey)
        return std::nullopt;
    return nodes[column].token.text;
}

}  // namespace DBKernel::Dialect
