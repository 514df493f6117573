#include "FromList.h"

namespace DBKernel::Dialect {

namespace {

FromItem item(const Nodes& body, Range range) {
    FromItem item{range, {}, {}, false, false};
    std::size_t i = range.begin;
    if (i < range.end && body[i].isGroup()) {
        item.subquery = isSubquery(body[i]);
        i = skipTrivia(body, i + 1, range.end);
    } else {
        // schema.table: the last name is the table's.
        while (i < range.end && body[i].isName()) {
            item.table = item.key = nameKey(body[i]);
            i = skipTrivia(body, i + 1, range.end);
            if (i == range.end || !body[i].isSymbol(".")) break;
            i = skipTrivia(body, i + 1, range.end);
        }
    }
    if (i < range.end && body[i].isWord("as")) i = skipTrivia(body, i + 1, range.end);
    if (i < range.end && body[i].isName()) {
        item.key = nameKey(body[i]);
        i = skipTrivia(body, i + 1, range.end);
    }
    item.simple = i == range.end && (item.subquery || !item.key.empty());
    return item;
}

}  // namespace

std::vector<FromItem> fromItems(const Nodes& body) {
    std::vector<FromItem> items;
    for (Range part : splitOnCommas(body, whole(body))) items.push_back(item(body, trim(body, part)));
    return items;
}

std::string nameKey(const Node& name) {
    const std::string& text = name.token.text;
    if (name.token.kind == TokenKind::QuotedName) return lowerAscii(std::string_view(text).substr(1, text.size() - 2));
    return lowerAscii(text);
}

}  // namespace DBKernel::Dialect
