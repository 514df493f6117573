#include "EngineText.h"

#include "Failure.h"

namespace DBKernel::Dialect {

void EngineText::append(const Nodes& nodes) {
    for (const Node& node : nodes) {
        const Token& token = node.token;
        if (token.kind == TokenKind::OuterJoin)
            fail(CORE_SRC_INFO("DBKernel::Dialect::EngineText::append"),
                 "outer join marker (+) outside the WHERE clause of a query");
        if (token.kind == TokenKind::Bind)
            appendBind(token.text);
        else if (token.kind == TokenKind::QuotedName && foldQuotedNames_)
            sql_ += lowerAscii(token.text);
        else
            sql_ += token.text;
        if (node.isGroup()) {
            append(node.children);
            sql_ += ')';
        }
    }
}

void EngineText::appendBind(const std::string& bind) {
    std::string name = lowerAscii(std::string_view(bind).substr(1));
    auto [entry, added] = numbers_.try_emplace(name, names_.size() + 1);
    if (added) names_.push_back(std::move(name));
    sql_ += bindPrefix_;
    sql_ += std::to_string(entry->second);
}

}  // namespace DBKernel::Dialect
