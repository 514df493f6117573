#include <gtest/gtest.h>

#include <map>

#include "files/Environment.h"
#include "files/Wildcard.h"
#include "support/TempDir.h"

TEST(Environment, ExpandsAllThreeFormsAndLeavesTheRestAlone) {
    const std::map<std::string, std::string> variables{{"HOME", "/home/sklep"}, {"KASY", "kasy"}};
    auto lookup = [&](const std::string& name) -> const char* {
        auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(Files::expandEnvironmentVariables("$HOME/shop/${KASY}/%KASY%_out", lookup),
              "/home/sklep/shop/kasy/kasy_out");
    EXPECT_EQ(Files::expandEnvironmentVariables("$BRAK/x ${BRAK} %BRAK%", lookup), "$BRAK/x ${BRAK} %BRAK%");
    EXPECT_EQ(Files::expandEnvironmentVariables("100% $ ${} %% ${KASY", lookup), "100% $ ${} %% ${KASY");
    EXPECT_EQ(Files::expandEnvironmentVariables("$HOMEx", lookup), "$HOMEx");  // the whole name counts
}

TEST(Wildcard, QuestionMarkIsOneCharacterStarAnyRun) {
    EXPECT_TRUE(Files::matchWildcard("PQL3????.01", "PQL30001.01"));
    EXPECT_FALSE(Files::matchWildcard("PQL3????.01", "PQL3001.01"));
    EXPECT_TRUE(Files::matchWildcard("?ó?", "żół"));  // characters, not bytes
    EXPECT_TRUE(Files::matchWildcard("a*b*c", "aXXbYYbc"));
    EXPECT_FALSE(Files::matchWildcard("a*b*c", "aXXbYY"));
    EXPECT_TRUE(Files::matchWildcard("$*.*", "$tmp"));  // a final ".*" takes names without a dot
    EXPECT_FALSE(Files::matchWildcard("$*.*", "tmp.x"));
    EXPECT_FALSE(Files::matchWildcard("*.TXT", "a.txt"));
    EXPECT_TRUE(Files::matchWildcard("*.TXT", "a.txt", Files::LetterCase::Ignored));
}

TEST(Wildcard, FindFilesListsMatchingRegularFilesSorted) {
    TestSupport::TempDir dir;
    for (const char* name : {"b.01", "a.01", "c.02"}) TestSupport::writeFile(dir / name, "");
    std::filesystem::create_directory(dir / "d.01");
    EXPECT_EQ(Files::findFiles(dir / "*.01"), (std::vector<std::string>{"a.01", "b.01"}));
    EXPECT_TRUE(Files::findFiles(dir / "missing" / "*").empty());
}
