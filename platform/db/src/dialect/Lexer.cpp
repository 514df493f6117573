#include <boost/format.hpp>

#include "Failure.h"
#include "Token.h"

namespace DBKernel::Dialect {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Bytes of multi-byte UTF-8 characters count as letters: Oracle names may hold them.
bool isNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c & 0x80); }
bool isNamePart(char c) { return isNameStart(c) || isDigit(c) || c == '$' || c == '#'; }

class Lexer {
public:
    explicit Lexer(std::string_view sql) : sql_(sql) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        while (pos_ < sql_.size()) {
            tokenStart_ = pos_;
            const TokenKind kind = scanOne();
            tokens.push_back(Token{kind, std::string(sql_.substr(tokenStart_, pos_ - tokenStart_))});
        }
        return tokens;
    }

private:
    char at(std::size_t i) const { return i < sql_.size() ? sql_[i] : '\0'; }

    TokenKind scanOne() {
        const char c = sql_[pos_];
        if (isSpace(c)) return skipWhile(isSpace, TokenKind::Space);
        if (c == '-' && at(pos_ + 1) == '-') return lineComment();
        if (c == '/' && at(pos_ + 1) == '*') return blockComment();
        if (c == '\'') return quoted('\'', TokenKind::String, "string literal");
        if (c == '"') return quoted('"', TokenKind::QuotedName, "quoted name");
        if (isDigit(c) || (c == '.' && isDigit(at(pos_ + 1)))) return number();
        if (isNameStart(c)) return skipWhile(isNamePart, TokenKind::Word);
        if (c == ':' && isNamePart(at(pos_ + 1))) {
            ++pos_;
            return skipWhile(isNamePart, TokenKind::Bind);
        }
        if (c == '(') return openParen();
        if (c == ')') return single(TokenKind::CloseParen);
        return symbol();
    }

    TokenKind skipWhile(bool (*accept)(char), TokenKind kind) {
        while (pos_ < sql_.size() && accept(sql_[pos_])) ++pos_;
        return kind;
    }

    TokenKind single(TokenKind kind) {
        ++pos_;
        return kind;
    }

    TokenKind lineComment() {
        const std::size_t end = sql_.find('\n', pos_);
        pos_ = end == std::string_view::npos ? sql_.size() : end;
        return TokenKind::Comment;
    }

    TokenKind blockComment() {
        const std::size_t end = sql_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) failUnterminated("comment");
        pos_ = end + 2;
        return TokenKind::Comment;
    }

    // A doubled quote inside stands for one quote character.
    TokenKind quoted(char quote, TokenKind kind, const char* what) {
        ++pos_;
        for (;;) {
            const std::size_t end = sql_.find(quote, pos_);
            if (end == std::string_view::npos) failUnterminated(what);
            pos_ = end + 1;
            if (at(pos_) != quote) return kind;
            ++pos_;
        }
    }

    TokenKind number() {
        skipWhile(isDigit, TokenKind::Number);
        if (at(pos_) == '.') {
            ++pos_;
            skipWhile(isDigit, TokenKind::Number);
        }
        const char e = at(pos_);
        if (e == 'e' || e == 'E') {
            std::size_t next = pos_ + 1;
            if (at(next) == '+' || at(next) == '-') ++next;
            if (isDigit(at(next))) {
                pos_ = next;
                skipWhile(isDigit, TokenKind::Number);
            }
        }
        return TokenKind::Number;
    }

    // "(+)" with optional spaces inside is the outer-join marker, not a parenthesis.
    TokenKind openParen() {
        std::size_t next = pos_ + 1;
        while (isSpace(at(next))) ++next;
        if (at(next) == '+') {
            ++next;
            while (isSpace(at(next))) ++next;
            if (at(next) == ')') {
                pos_ = next + 1;
                return TokenKind::OuterJoin;
            }
        }
        return single(TokenKind::OpenParen);
    }

    TokenKind symbol() {
        static constexpr std::string_view pairs[] = {"||", "<=", ">=", "<>", "!=", "^=", "~=", "::", ":=", "=>"};
        for (std::string_view pair : pairs) {
            if (sql_.substr(pos_, 2) == pair) {
                pos_ += 2;
                return TokenKind::Symbol;
            }
        }
        return single(TokenKind::Symbol);
    }

    [[noreturn]] void failUnterminated(const char* what) const {
        Dialect::fail(CORE_SRC_INFO("DBKernel::Dialect::tokenize"),
                      (boost::format("unterminated %1% at offset %2%") % what % tokenStart_).str());
    }

    std::string_view sql_;
    std::size_t pos_ = 0;
    std::size_t tokenStart_ = 0;
};

}  // namespace

bool Token::isWord(std::string_view lowerCaseWord) const {
    if (kind != TokenKind::Word || text.size() != lowerCaseWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != lowerCaseWord[i]) return false;
    }
    return true;
}

std::vector<Token> tokenize(std::string_view sql) { return Lexer(sql).run(); }

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace DBKernel::Dialect
