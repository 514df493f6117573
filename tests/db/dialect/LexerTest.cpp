#include <gtest/gtest.h>

#include <algorithm>

#include "SyntaxTree.h"
#include "Token.h"
#include "db/Dialect.h"
#include "support/ErrorOf.h"

namespace DBKernel::Dialect {
namespace {

std::string joined(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& token : tokens) text += token.text;
    return text;
}

std::vector<std::pair<TokenKind, std::string>> significant(const std::vector<Token>& tokens) {
    std::vector<std::pair<TokenKind, std::string>> kept;
    for (const Token& token : tokens)
        if (!token.isTrivia()) kept.emplace_back(token.kind, token.text);
    return kept;
}

TEST(Lexer, TokensGiveTheTextBackAndKeepLiteralsWhole) {
    const std::string sql =
        "select 'it''s :x', \"Na \"\"me\"\"\", :Bind_1, 1.5e-3, .5, a::int, b(+), c ( + ), x||y <> z -- :c (\n"
        "/* :d ( */ :e";
    const std::vector<Token> tokens = tokenize(sql);
    EXPECT_EQ(joined(tokens), sql);
    using K = TokenKind;
    EXPECT_EQ(significant(tokens),
              (std::vector<std::pair<K, std::string>>{{K::Word, "select"},   {K::String, "'it''s :x'"},
                                                      {K::Symbol, ","},      {K::QuotedName, "\"Na \"\"me\"\"\""},
                                                      {K::Symbol, ","},      {K::Bind, ":Bind_1"},
                                                      {K::Symbol, ","},      {K::Number, "1.5e-3"},
                                                      {K::Symbol, ","},      {K::Number, ".5"},
                                                      {K::Symbol, ","},      {K::Word, "a"},
                                                      {K::Symbol, "::"},     {K::Word, "int"},
                                                      {K::Symbol, ","},      {K::Word, "b"},
                                                      {K::OuterJoin, "(+)"}, {K::Symbol, ","},
                                                      {K::Word, "c"},        {K::OuterJoin, "( + )"},
                                                      {K::Symbol, ","},      {K::Word, "x"},
                                                      {K::Symbol, "||"},     {K::Word, "y"},
                                                      {K::Symbol, "<>"},     {K::Word, "z"},
                                                      {K::Bind, ":e"}}));
}

TEST(Lexer, UnterminatedLiteralsAreRefused) {
    for (const char* sql : {"select 'abc", "select \"abc from t", "select 1 /* comment", "select 'it''"}) {
        SCOPED_TRACE(sql);
        EXPECT_THROW(tokenize(sql), TranslationError);
    }
    EXPECT_EQ(TestSupport::errorOf<TranslationError>([] { tokenize("select 'abc"); }),
              "Cannot translate SQL: unterminated string literal at offset 7");
}

TEST(SyntaxTree, GroupsNestAndRenderUnchanged) {
    const std::string sql = "select f(a, (b + c)) from (select 1 from dual) x where y in (1, 2)";
    const Nodes nodes = parse(sql);
    EXPECT_EQ(toText(nodes), sql);
    const auto group = std::find_if(nodes.begin(), nodes.end(), [](const Node& n) { return isSubquery(n); });
    ASSERT_NE(group, nodes.end());
    EXPECT_EQ(toText(group->children), "select 1 from dual");
    EXPECT_THROW(parse("select f(a"), TranslationError);
    EXPECT_THROW(parse("select a)"), TranslationError);
}

}  // namespace
}  // namespace DBKernel::Dialect
