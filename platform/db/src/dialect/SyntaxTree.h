// SQL text as a tree: the tokens of one parenthesis level, each parenthesised group a
// node holding the level inside it. Rewrites replace whole nodes, so the text they do
// not touch comes out exactly as it went in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Token.h"

namespace DBKernel::Dialect {

struct Node {
    Token token;                 // the token, or the "(" of a group
    std::vector<Node> children;  // a group's level, between its parentheses

    bool isGroup() const { return token.kind == TokenKind::OpenParen; }
    bool isTrivia() const { return token.isTrivia(); }
    bool isWord(std::string_view lowerCaseWord) const { return token.isWord(lowerCaseWord); }
    bool isSymbol(std::string_view symbol) const { return token.isSymbol(symbol); }
    bool isName() const { return token.kind == TokenKind::Word || token.kind == TokenKind::QuotedName; }
};

using Nodes = std::vector<Node>;

// Half-open range of node indexes within one level.
struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool empty() const { return begin >= end; }
};

// Throws TranslationError on unbalanced parentheses and on the lexer's errors.
Nodes parse(std::string_view sql);

Node makeLeaf(TokenKind kind, std::string text);
Node makeGroup(Nodes children);
// "function(arguments)" and "cast(expr as type)".
Nodes call(std::string_view function, Nodes arguments);
Nodes cast(Nodes expr, std::string_view type);

// The SQL text of the nodes, every token as it is.
std::string toText(const Nodes& nodes);
std::string toText(const Nodes& nodes, Range range);

Range whole(const Nodes& nodes);
// The first index in [from, end) that is not white space or a comment, or end.
std::size_t skipTrivia(const Nodes& nodes, std::size_t from, std::size_t end);
// The last index before `before` and not before `begin` that is not trivia, or `before` when none.
std::size_t lastSignificant(const Nodes& nodes, std::size_t begin, std::size_t before);
// The range without the trivia at both ends.
Range trim(const Nodes& nodes, Range range);
Nodes copy(const Nodes& nodes, Range range);
// Appends `more`, with a space between when neither side brings white space.
void appendSeparated(Nodes& out, Nodes more);

// The ranges between the nodes that `isSeparator` accepts at this level; separators excluded.
template <class Predicate>
std::vector<Range> split(const Nodes& nodes, Range range, Predicate isSeparator) {
    std::vector<Range> parts;
    std::size_t start = range.begin;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        if (isSeparator(nodes[i])) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    parts.push_back({start, range.end});
    return parts;
}

std::vector<Range> splitOnCommas(const Nodes& nodes, Range range);
// The conditions joined by "and" at this level; the "and" of "between x and y" and those
// inside "case ... end" do not join conditions.
std::vector<Range> splitOnAnd(const Nodes& nodes, Range range);

// The expression as it can stand beside any operator: in parentheses unless it is a
// name, a qualified name, a literal, a bind, a group or a call. Trivia around it dropped.
Nodes asOperand(const Nodes& nodes, Range range);

// A parenthesised query: "(select ...)", "(with ...)" or such a group in more parentheses.
bool isSubquery(const Node& node);
// Calls `visit(level, index)` for every node of the levels reachable from `nodes` without
// entering a subquery (a subquery is a scope of its own).
template <class Visitor>
void forEachInScope(Nodes& nodes, Visitor&& visit) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        visit(nodes, i);
        if (nodes[i].isGroup() && !isSubquery(nodes[i])) forEachInScope(nodes[i].children, visit);
    }
}

// Builds a level from SQL snippets and copied nodes.
class NodesBuilder {
public:
    NodesBuilder& sql(std::string_view text);
    NodesBuilder& nodes(const Nodes& source, Range range);
    NodesBuilder& nodes(Nodes source);
    NodesBuilder& node(Node node);
    Nodes take() { return std::move(nodes_); }

private:
    Nodes nodes_;
};

}  // namespace DBKernel::Dialect
