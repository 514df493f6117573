// The fixed-width fields of label lines: texts cut and padded, numbers by picture.
#include <gtest/gtest.h>

#include "labels/IElectronicLabelsSender.h"
#include "labels/LabelCodePage.h"

namespace {

using Sender = Senders::IElectronicLabelsSender;

TEST(LabelFormat, TextsLoseLineBreaksAndTabsAndAreCutAndPaddedToTheirWidth) {
    EXPECT_EQ(Sender::formatValue("ab\tc", 6, '0', std::right), "00ab c");
    EXPECT_EQ(Sender::formatValue("ab\tc", 2, '0', std::right), "ab");
    EXPECT_EQ(Sender::formatValue("a\r\nb", 6, ' ', std::left), "a  b  ");
    EXPECT_EQ(Sender::formatValue("96385074", 13, '0', std::right), "0000096385074");
    EXPECT_EQ(Sender::formatValue("59012345678901", 13, '0', std::right), "5901234567890");
    EXPECT_EQ(Sender::formatValue("", 3, ' ', std::left), "   ");
}

TEST(LabelFormat, PicturesGiveLeadingZerosExactDecimalsAndRoundHalfAwayFromZero) {
    EXPECT_EQ(Sender::formatValue(12.5, '.', "0000.00"), "0012.50");
    EXPECT_EQ(Sender::formatValue(12345.678, '.', "0000.00"), "12345.68");
    EXPECT_EQ(Sender::formatValue(-12.5, '.', "0000.00"), "-0012.50");
    EXPECT_EQ(Sender::formatValue(2.5, ',', "000000.00"), "000002,50");
    EXPECT_EQ(Sender::formatValue(2.675, '.', "0000.00"), "0002.68");  // 2.67499... in binary
    EXPECT_EQ(Sender::formatValue(-2.675, '.', "0000.00"), "-0002.68");
    EXPECT_EQ(Sender::formatValue(9999.995, '.', "0000.00"), "10000.00");
    EXPECT_EQ(Sender::formatValue(0.004, '.', "0000.00"), "0000.00");
    EXPECT_EQ(Sender::formatValue(-0.004, '.', "0000.00"), "0000.00");  // no minus before a zero
    EXPECT_EQ(Sender::formatValue(0.0, ',', "0000.000"), "0000,000");
    EXPECT_EQ(Sender::formatValue(1e-300, ',', "0000.000"), "0000,000");
    EXPECT_EQ(Sender::formatValue(-999.99, ',', "00000000.000"), "-00000999,990");
    EXPECT_EQ(Sender::formatValue(9999.99, ',', "000000000.000"), "000009999,990");
    EXPECT_EQ(Sender::formatValue(7.0, ',', "0000000"), "0000007");
}

TEST(LabelFormat, TextsGoToTheLabelCodePageBeforeWidthsCount) {
    const std::string converted = Labels::toLabelCodePage("Żółć");
    EXPECT_EQ(converted, "\xAF\xF3\xB3\xE6");
    EXPECT_EQ(Sender::formatValue(converted, 6, ' ', std::left), "\xAF\xF3\xB3\xE6  ");
    EXPECT_EQ(Labels::toLabelCodePage("plain"), "plain");
    EXPECT_EQ(Labels::toLabelCodePage("5 \xE2\x82\xAC"), "5 \x80");
    EXPECT_THROW(Labels::toLabelCodePage("Chleb \xD0\x96"), std::runtime_error);  // Cyrillic: not in the code page
}

}  // namespace
