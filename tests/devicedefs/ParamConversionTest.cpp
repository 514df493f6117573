// Reading parameter texts as the types the module asks for.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "frame/params/DeviceParams.h"

namespace {

using Kolvenia::CParametryUrzadzen;
using Kolvenia::getParam;

CParametryUrzadzen::TParams one(const std::string& text) { return {{7, text}}; }

std::string messageOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const CParametryUrzadzen::EConversionError& e) {
        return std::string("conversion: ") + e.what();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(BoolParam, ReadsEverySpellingOfYesAndNo) {
    for (const char* yes : {"1", "T", "t", "Tak", "TAK", "true", " 1 ", "True\n"})
        EXPECT_TRUE(getParam<bool>(one(yes), 7)) << yes;
    for (const char* no : {"0", "N", "n", "Nie", "nie", "false", "\t0"}) EXPECT_FALSE(getParam<bool>(one(no), 7)) << no;
}

TEST(BoolParam, RefusesOtherTextsNamingTheParameterAndTheText) {
    for (const char* bad : {"", "2", "yes", "10", "Takk", "1 0"})
        EXPECT_EQ(messageOf([&] { getParam<bool>(one(bad), 7); }),
                  std::string("conversion: Wartość \"") + bad + "\" parametru 7 nie jest wartością logiczną.")
            << bad;
}

TEST(IntParam, ReadsSignedDecimalsWithin32Bits) {
    EXPECT_EQ(getParam<int>(one("14"), 7), 14);
    EXPECT_EQ(getParam<int>(one(" -3 "), 7), -3);
    EXPECT_EQ(getParam<int>(one("+5"), 7), 5);
    EXPECT_EQ(getParam<int>(one("2147483647"), 7), 2147483647);
    EXPECT_EQ(getParam<int>(one("-2147483648"), 7), -2147483647 - 1);
}

TEST(IntParam, RefusesTextsThatAreNotOneWholeNumber) {
    for (const char* bad : {"", "12a", "1.5", "2147483648", "+-5", "+", "1 2", "0x10"})
        EXPECT_EQ(messageOf([&] { getParam<int>(one(bad), 7); }),
                  std::string("conversion: Wartość \"") + bad + "\" parametru 7 nie jest liczbą całkowitą.")
            << bad;
}

TEST(MapParam, AMissingValueIsAnErrorExceptForTheOptionalForm) {
    const CParametryUrzadzen::TParams params{{3, "1"}, {8, "  "}};
    EXPECT_EQ(messageOf([&] { getParam<bool>(params, 7); }), "Brak wartości parametru 7");
    EXPECT_EQ(messageOf([&] { getParam<int>(params, 7); }), "Brak wartości parametru 7");
    EXPECT_EQ(getParam<std::optional<int>>(params, 7), std::nullopt);
    EXPECT_EQ(getParam<std::optional<int>>(params, 8), std::nullopt);  // cleared to blanks
    EXPECT_EQ(getParam<std::optional<int>>(params, 3), 1);
    EXPECT_EQ(messageOf([&] { getParam<std::optional<int>>(one("x"), 7); }),
              "conversion: Wartość \"x\" parametru 7 nie jest liczbą całkowitą.");
}

}  // namespace
