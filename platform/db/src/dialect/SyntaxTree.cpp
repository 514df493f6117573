#include "SyntaxTree.h"

#include <boost/format.hpp>

#include "Failure.h"

namespace DBKernel::Dialect {

namespace {

[[noreturn]] void failUnbalanced(const char* what) {
    fail(CORE_SRC_INFO("DBKernel::Dialect::parse"), (boost::format("unbalanced parentheses (%1%)") % what).str());
}

void appendText(const Nodes& nodes, Range range, std::string& out) {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const Node& node = nodes[i];
        out += node.token.text;
        if (node.isGroup()) {
            appendText(node.children, whole(node.children), out);
            out += ')';
        }
    }
}

}  // namespace

Nodes parse(std::string_view sql) {
    std::vector<Nodes> open(1);
    std::vector<Token> openTokens;
    for (Token& token : tokenize(sql)) {
        if (token.kind == TokenKind::OpenParen) {
            openTokens.push_back(std::move(token));
            open.emplace_back();
        } else if (token.kind == TokenKind::CloseParen) {
            if (openTokens.empty()) failUnbalanced("\")\" without \"(\"");
            Node group{std::move(openTokens.back()), std::move(open.back())};
            openTokens.pop_back();
            open.pop_back();
            open.back().push_back(std::move(group));
        } else {
            open.back().push_back(Node{std::move(token), {}});
        }
    }
    if (!openTokens.empty()) failUnbalanced("\"(\" without \")\"");
    return std::move(open.front());
}

Node makeLeaf(TokenKind kind, std::string text) { return Node{Token{kind, std::move(text)}, {}}; }

Node makeGroup(Nodes children) { return Node{Token{TokenKind::OpenParen, "("}, std::move(children)}; }

Nodes call(std::string_view function, Nodes arguments) {
    return {makeLeaf(TokenKind::Word, std::string(function)), makeGroup(std::move(arguments))};
}

Nodes cast(Nodes expr, std::string_view type) {
    return call("cast", NodesBuilder().nodes(std::move(expr)).sql(" as ").sql(type).take());
}

std::string toText(const Nodes& nodes) { return toText(nodes, whole(nodes)); }

std::string toText(const Nodes& nodes, Range range) {
    std::string text;
    appendText(nodes, range, text);
    return text;
}

Range whole(const Nodes& nodes) { return {0, nodes.size()}; }

std::size_t skipTrivia(const Nodes& nodes, std::size_t from, std::size_t end) {
    while (from < end && nodes[from].isTrivia()) ++from;
    return from;
}

std::size_t lastSignificant(const Nodes& nodes, std::size_t begin, std::size_t before) {
    for (std::size_t i = before; i > begin; --i) {
        if (!nodes[i - 1].isTrivia()) return i - 1;
    }
    return before;
}

Range trim(const Nodes& nodes, Range range) {
    const std::size_t begin = skipTrivia(nodes, range.begin, range.end);
    std::size_t end = range.end;
    while (end > begin && nodes[end - 1].isTrivia()) --end;
    return {begin, end};
}

Nodes copy(const Nodes& nodes, Range range) {
    return Nodes(nodes.begin() + std::ptrdiff_t(range.begin), nodes.begin() + std::ptrdiff_t(range.end));
}

void appendSeparated(Nodes& out, Nodes more) {
    if (!out.empty() && !more.empty() && !out.back().isTrivia() && !more.front().isTrivia())
        out.push_back(makeLeaf(TokenKind::Space, " "));
    for (Node& node : more) out.push_back(std::move(node));
}

std::vector<Range> splitOnCommas(const Nodes& nodes, Range range) {
    return split(nodes, range, [](const Node& node) { return node.isSymbol(","); });
}

std::vector<Range> splitOnAnd(const Nodes& nodes, Range range) {
    int caseDepth = 0;
    bool inBetween = false;
    return split(nodes, range, [&](const Node& node) {
        if (node.isWord("case")) {
            ++caseDepth;
        } else if (node.isWord("end") && caseDepth > 0) {
            --caseDepth;
        } else if (node.isWord("between")) {
            inBetween = true;
        } else if (node.isWord("and") && caseDepth == 0) {
            if (!inBetween) return true;
            inBetween = false;
        }
        return false;
    });
}

Nodes asOperand(const Nodes& nodes, Range range) {
    range = trim(nodes, range);
    std::size_t i = range.begin;
    bool primary = range.end - i == 1;
    while (!primary && i < range.end && nodes[i].isName()) {
        i = skipTrivia(nodes, i + 1, range.end);
        if (i == range.end) primary = true;
        if (primary || !nodes[i].isSymbol(".")) break;
        i = skipTrivia(nodes, i + 1, range.end);
    }
    if (!primary && i > range.begin && i < range.end && nodes[i].isGroup())
        primary = skipTrivia(nodes, i + 1, range.end) == range.end;
    if (primary) return copy(nodes, range);
    return {makeGroup(copy(nodes, range))};
}

bool isSubquery(const Node& node) {
    if (!node.isGroup()) return false;
    const std::size_t first = skipTrivia(node.children, 0, node.children.size());
    if (first == node.children.size()) return false;
    const Node& head = node.children[first];
    return head.isWord("select") || head.isWord("with") || isSubquery(head);
}

NodesBuilder& NodesBuilder::sql(std::string_view text) { return nodes(parse(text)); }

NodesBuilder& NodesBuilder::nodes(const Nodes& source, Range range) {
    nodes_.insert(nodes_.end(), source.begin() + std::ptrdiff_t(range.begin),
                  source.begin() + std::ptrdiff_t(range.end));
    return *this;
}

NodesBuilder& NodesBuilder::nodes(Nodes source) {
    for (Node& node : source) nodes_.push_back(std::move(node));
    return *this;
}

NodesBuilder& NodesBuilder::node(Node node) {
    nodes_.push_back(std::move(node));
    return *this;
}

}  // namespace DBKernel::Dialect
