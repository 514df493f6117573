// Tokens of Oracle SQL text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace DBKernel::Dialect {

enum class TokenKind {
    Space,       // white space
    Comment,     // "-- ..." to the end of the line, or "/* ... */"
    Word,        // identifier or key word, unquoted
    QuotedName,  // "identifier", quotes included
    String,      // 'literal', quotes included, '' inside
    Number,
    Bind,       // :name
    OuterJoin,  // (+), spaces allowed inside the parentheses
    OpenParen,
    CloseParen,
    Symbol,  // operator or punctuation: , . ; = <> || :: ...
};

struct Token {
    TokenKind kind = TokenKind::Space;
    std::string text;

    bool isTrivia() const { return kind == TokenKind::Space || kind == TokenKind::Comment; }
    // A key word or unquoted name, letter case ignored; `lowerCaseWord` is in lower case.
    bool isWord(std::string_view lowerCaseWord) const;
    bool isSymbol(std::string_view symbol) const { return kind == TokenKind::Symbol && text == symbol; }
};

// Splits the text into tokens whose texts, concatenated, give the text back.
// Throws TranslationError on an unterminated literal, quoted name or comment.
std::vector<Token> tokenize(std::string_view sql);

// ASCII letters in lower case; other bytes (UTF-8 included) unchanged, as the engines fold names.
std::string lowerAscii(std::string_view text);

}  // namespace DBKernel::Dialect
