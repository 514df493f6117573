#include "SqlScript.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace ShopDb {

namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// The length of the quoted run that starts at `at` and ends with `closing`,
// both included; the rest of the text when it never closes.
std::size_t quotedLength(std::string_view text, std::size_t at, std::string_view closing) {
    const std::size_t end = text.find(closing, at + 1);
    return end == std::string_view::npos ? text.size() - at : end + closing.size() - at;
}

// "$$" or "$tag$" starting at `at`, or empty.
std::string_view dollarTag(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) ++end;
    if (end < text.size() && text[end] == '$') return text.substr(at, end + 1 - at);
    return {};
}

}  // namespace

std::vector<std::string> splitStatements(std::string_view script) {
    std::vector<std::string> statements;
    std::string current;
    auto finish = [&] {
        std::string statement = trimmed(current);
        if (!statement.empty()) statements.push_back(std::move(statement));
        current.clear();
    };
    for (std::size_t i = 0; i < script.size();) {
        const char c = script[i];
        std::size_t run = 0;
        if (c == '\'') {
            // Doubled quotes inside a literal read as two literals side by side: same text.
            run = quotedLength(script, i, "'");
        } else if (c == '"') {
            run = quotedLength(script, i, "\"");
        } else if (c == '$' && !dollarTag(script, i).empty()) {
            const std::string_view tag = dollarTag(script, i);
            run = tag.size() + quotedLength(script, i + tag.size() - 1, tag) - 1;
        } else if (script.compare(i, 2, "--") == 0) {
            i = std::min(script.find('\n', i), script.size());  // the line end stays
            continue;
        } else if (script.compare(i, 2, "/*") == 0) {
            const std::size_t end = script.find("*/", i + 2);
            i = end == std::string_view::npos ? script.size() : end + 2;
            current += ' ';  // keeps the words on either side apart
            continue;
        } else if (c == ';') {
            finish();
            ++i;
            continue;
        }
        if (run == 0) run = 1;
        current.append(script.substr(i, run));
        i += run;
    }
    finish();
    return statements;
}

std::optional<CreatedObject> createdObject(std::string_view statement) {
    static const std::regex create(
        R"(^create\s+(?:or\s+replace\s+)?(table|view|sequence|schema|function|procedure)\s+([A-Za-z_][\w.]*))",
        std::regex::icase);
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(statement.begin(), statement.end(), match, create)) return std::nullopt;
    std::string kind = match[1].str();
    for (char& ch : kind) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return CreatedObject{std::move(kind), match[2].str()};
}

}  // namespace ShopDb
