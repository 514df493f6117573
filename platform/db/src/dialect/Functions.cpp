#include "Functions.h"

#include "Failure.h"

namespace DBKernel::Dialect {

namespace {

bool isNumericLiteral(const Nodes& nodes, Range range) {
    range = trim(nodes, range);
    if (!range.empty() && (nodes[range.begin].isSymbol("-") || nodes[range.begin].isSymbol("+")))
        range.begin = skipTrivia(nodes, range.begin + 1, range.end);
    return range.end - range.begin == 1 && nodes[range.begin].token.kind == TokenKind::Number;
}

bool isLiteral(const Nodes& nodes, Range range) {
    range = trim(nodes, range);
    return isNumericLiteral(nodes, range) ||
           (range.end - range.begin == 1 && nodes[range.begin].token.kind == TokenKind::String);
}

bool isNull(const Nodes& nodes, Range range) {
    range = trim(nodes, range);
    return range.end - range.begin == 1 && nodes[range.begin].isWord("null");
}

bool isBind(const Nodes& nodes, Range range) {
    range = trim(nodes, range);
    return range.end - range.begin == 1 && nodes[range.begin].token.kind == TokenKind::Bind;
}

// A value whose type the engine cannot tell from the value alone.
bool isUntyped(const Nodes& nodes, Range range) {
    return isLiteral(nodes, range) || isNull(nodes, range) || isBind(nodes, range);
}

std::vector<Range> arguments(const Node& call) { return splitOnCommas(call.children, whole(call.children)); }

// Oracle's decode matches NULL with NULL; case does not, so a value that may be NULL is
// compared with the engine's null-safe equality.
Nodes decodeToCase(const Node& call, const TargetEngine& target) {
    const Nodes& args = call.children;
    const std::vector<Range> parts = arguments(call);
    if (parts.size() < 3)
        fail(CORE_SRC_INFO("DBKernel::Dialect::rewriteFunctions"), "decode needs at least three arguments");
    const std::size_t pairs = (parts.size() - 1) / 2;
    const bool hasDefault = parts.size() % 2 == 0;

    bool allLiterals = true;
    for (std::size_t p = 0; p < pairs; ++p) allLiterals = allLiterals && isLiteral(args, parts[1 + 2 * p]);

    NodesBuilder out;
    out.sql("case");
    if (allLiterals) out.sql(" ").nodes(args, trim(args, parts[0]));
    const Nodes subject = asOperand(args, parts[0]);
    for (std::size_t p = 0; p < pairs; ++p) {
        const Range value = parts[1 + 2 * p];
        out.sql(" when ");
        if (allLiterals) {
            out.nodes(args, trim(args, value));
        } else if (isNull(args, value)) {
            out.nodes(subject).sql(" is null");
        } else if (isLiteral(args, value)) {
            out.nodes(subject).sql(" = ").nodes(args, trim(args, value));
        } else {
            // In parentheses: the comparison may hold key words ("is not distinct from")
            // that must not be read as the query's clauses.
            NodesBuilder comparison;
            comparison.nodes(subject).sql(" ").sql(target.nullSafeEquals()).sql(" ").nodes(asOperand(args, value));
            out.node(makeGroup(comparison.take()));
        }
        out.sql(" then ").nodes(args, trim(args, parts[2 + 2 * p]));
    }
    if (hasDefault) out.sql(" else ").nodes(args, trim(args, parts.back()));
    return out.sql(" end").take();
}

Node quotedNumber(const Nodes& nodes, Range range) {
    std::string text;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        if (!nodes[i].isTrivia()) text += nodes[i].token.text;
    }
    return makeLeaf(TokenKind::String, "'" + text + "'");
}

Node nvlToCoalesce(const Node& call, const TargetEngine& target) {
    const std::vector<Range> parts = arguments(call);
    if (parts.size() != 2) fail(CORE_SRC_INFO("DBKernel::Dialect::rewriteFunctions"), "nvl needs two arguments");
    Node group = call;
    if (!target.quotesNvlNumbers()) return group;
    for (std::size_t i = 0; i < 2; ++i) {
        const Range number = trim(call.children, parts[i]);
        const Range other = parts[1 - i];
        if (isNumericLiteral(call.children, number) && !isUntyped(call.children, other)) {
            NodesBuilder args;
            args.nodes(call.children, {0, number.begin})
                .node(quotedNumber(call.children, number))
                .nodes(call.children, {number.end, call.children.size()});
            group.children = args.take();
        }
    }
    return group;
}

int parseInt(const Node& node) {
    if (node.token.kind != TokenKind::Number || node.token.text.find_first_not_of("0123456789") != std::string::npos)
        fail(CORE_SRC_INFO("DBKernel::Dialect::rewriteFunctions"),
             "number precision or scale \"" + node.token.text + "\" is not a whole number");
    return std::stoi(node.token.text);
}

// "cast(expr as number[(p[, s])])"; nothing when the cast is to another type.
std::optional<Nodes> castToNumber(const Node& call, const TargetEngine& target) {
    const Nodes& inside = call.children;
    std::size_t as = inside.size();
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i].isWord("as")) as = i;
    }
    if (as == inside.size()) return std::nullopt;
    const std::size_t type = skipTrivia(inside, as + 1, inside.size());
    if (type == inside.size() || !inside[type].isWord("number")) return std::nullopt;
    std::optional<int> precision, scale;
    const std::size_t size = skipTrivia(inside, type + 1, inside.size());
    if (size < inside.size() && inside[size].isGroup()) {
        const Nodes& numbers = inside[size].children;
        const std::vector<Range> parts = splitOnCommas(numbers, whole(numbers));
        if (parts.size() > 2 || trim(numbers, parts[0]).empty())
            fail(CORE_SRC_INFO("DBKernel::Dialect::rewriteFunctions"), "malformed number type in cast");
        precision = parseInt(numbers[trim(numbers, parts[0]).begin]);
        if (parts.size() == 2) scale = parseInt(numbers[trim(numbers, parts[1]).begin]);
    }
    return target.castToNumber(copy(inside, trim(inside, {0, as})), precision, scale);
}

// The rewrite of "name(...)" when it is one of Oracle's functions handled here.
std::optional<Nodes> oracleFunction(const Node& name, const Node& call, const TargetEngine& target) {
    if (name.isWord("nvl")) return NodesBuilder().sql("coalesce").node(nvlToCoalesce(call, target)).take();
    if (name.isWord("decode")) return decodeToCase(call, target);
    if (name.isWord("cast")) return castToNumber(call, target);
    return std::nullopt;
}

// The index of "function" when "package.function(" starts at `at`, which is no
// "into schema.table (columns)".
std::optional<std::size_t> packageFunctionAt(const Nodes& level, std::size_t at, bool afterInto) {
    const std::size_t dot = skipTrivia(level, at + 1, level.size());
    const std::size_t function = dot < level.size() ? skipTrivia(level, dot + 1, level.size()) : dot;
    const std::size_t call = function < level.size() ? skipTrivia(level, function + 1, level.size()) : function;
    if (afterInto || call == level.size() || !level[dot].isSymbol(".") ||
        level[function].token.kind != TokenKind::Word || !level[call].isGroup())
        return std::nullopt;
    return function;
}

}  // namespace

void rewriteFunctions(Nodes& level, const TargetEngine& target) {
    Nodes out;
    out.reserve(level.size());
    const auto append = [&](Nodes nodes) {
        for (Node& node : nodes) out.push_back(std::move(node));
    };
    for (std::size_t i = 0; i < level.size(); ++i) {
        const std::size_t previous = lastSignificant(out, 0, out.size());
        const bool qualified = previous < out.size() && out[previous].isSymbol(".");
        if (level[i].token.kind != TokenKind::Word || qualified) {
            out.push_back(std::move(level[i]));
            continue;
        }
        const std::size_t next = skipTrivia(level, i + 1, level.size());
        if (next < level.size() && level[next].isGroup()) {
            if (std::optional<Nodes> rewritten = oracleFunction(level[i], level[next], target)) {
                append(std::move(*rewritten));
                i = next;
                continue;
            }
        }
        const bool afterInto = previous < out.size() && out[previous].isWord("into");
        if (std::optional<std::size_t> function = packageFunctionAt(level, i, afterInto)) {
            append(target.packageFunction(copy(level, {i, *function + 1}), level[i].token.text,
                                          level[*function].token.text));
            i = *function;
            continue;
        }
        out.push_back(std::move(level[i]));
    }
    level = std::move(out);
}

}  // namespace DBKernel::Dialect
