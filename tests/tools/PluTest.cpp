#include <gtest/gtest.h>

#include "config/Setup.h"
#include "core/Singleton.h"
#include "tools/Plu.h"

namespace {

struct Expected {
    const char* text;
    char type;
    const char* raw;
    const char* full;
    const char* numeric;
};

class PluCodes : public ::testing::Test {
protected:
    void SetUp() override { Plu::CodeRules::setCurrent(Plu::CodeRules{}); }
    void TearDown() override { Plu::CodeRules::reload(); }
};

}  // namespace

TEST_F(PluCodes, EveryKindParsesToItsFormsWithDefaultRules) {
    const Expected cases[] = {
        {"5901234123457", 'E', "5901234123457", "5901234123457", "5901234123457"},
        {"59012344", 'E', "59012344", "59012344", "59012344"},
        {"036000291452", 'E', "036000291452", "0036000291452", "36000291452"},
        {" 2712345 ", 'W', "2712345", "2712345000000", "2712345"},
        {"2812345012342", 'W', "2812345012342", "2812345000007", "2812345"},
        {"2900017", 'C', "2900017", "2900017000001", "2900017"},
        {"2600120123429", 'S', "2600120123429", "2600120123429", "2600120123429"},
        {"2000000000015", 'I', "2000000000015", "2000000000015", "2000000000015"},
        {"0042", 'K', "0042", "0042", "42"},
        {"0", 'K', "0", "0", "0"},
    };
    for (const auto& c : cases) {
        Plu::TPlu plu(c.text);
        EXPECT_TRUE(plu.isValid()) << c.text;
        EXPECT_EQ(plu.type(), c.type) << c.text;
        EXPECT_EQ(plu.raw(), c.raw) << c.text;
        EXPECT_EQ(plu.full(), c.full) << c.text;
        EXPECT_EQ(plu.numeric(), c.numeric) << c.text;
    }
}

TEST_F(PluCodes, TextThatIsNotACodeIsRefusedAndLeavesTheObjectInvalid) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Niepoprawny kod PLU '': pusty kod"},
        {"59012341234570", "Niepoprawny kod PLU '59012341234570': więcej niż 13 cyfr"},
        {"59O1234", "Niepoprawny kod PLU '59O1234': kod może zawierać tylko cyfry"},
        {"5901234123458", "Niepoprawny kod PLU '5901234123458': błędna cyfra kontrolna"},
        {"2600120123426", "Niepoprawny kod PLU '2600120123426': błędna cyfra kontrolna"},
    };
    for (const auto& [text, message] : cases) {
        Plu::TPlu plu("2712345");
        try {
            plu = text;
            FAIL() << text << " accepted";
        } catch (const Plu::InvalidCode& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_FALSE(plu.isValid()) << text;
        EXPECT_TRUE(plu.raw().empty()) << text;
    }
}

TEST_F(PluCodes, RulesComeFromTheConfigurationWhenItHasThem) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\"><key name=\"Kody PLU\">"
        "<key name=\"Prefiksy kodów wagowych\" type=\"string\" value=\" 21 , 22 \"/>"
        "<key name=\"Prefiksy kodów z ceną\" type=\"string\" value=\"\"/>"
        "</key></key></configuration>");
    Plu::CodeRules::reload();
    EXPECT_EQ(Plu::TPlu("2112345").type(), 'W');
    EXPECT_EQ(Plu::TPlu("2712345").type(), 'K');        // no longer a weight prefix
    EXPECT_EQ(Plu::TPlu("2900017").type(), 'C');        // untouched list keeps its default
    EXPECT_EQ(Plu::TPlu("2600120123429").type(), 'E');  // an empty list switches the kind off
}

TEST(PluCheckDigit, FollowsTheAlternatingWeights) {
    EXPECT_EQ(Plu::checkDigit("590123412345"), '7');
    EXPECT_EQ(Plu::checkDigit("5901234"), '4');
    EXPECT_EQ(Plu::checkDigit("000000000000"), '0');
}
