// Names of scale data and error files: made from their parts, read back from names
// found on disk, and the wildcard masks that list them.
#include <gtest/gtest.h>

#include "files/Wildcard.h"
#include "scales/ScaleFileNames.h"
#include "support/ErrorOf.h"

using Devices::FileNameFormatter;
using Devices::ScaleDataFileName;
using Devices::ScaleDataFileNameMask;
using Devices::ScaleErrorFileName;

TEST(ScaleFileNames, PartsArePaddedToTheirWidthAndLongerNumbersWrittenWhole) {
    EXPECT_EQ(ScaleDataFileName(3, 1, 12).fileName(), "00012003.1wa");
    EXPECT_EQ(ScaleDataFileName(3, 1, 123456).fileName(), "123456003.1wa");
    EXPECT_EQ(ScaleDataFileName(1234, 12, 0).fileName(), "000001234.12wa");
    EXPECT_EQ(ScaleErrorFileName(7, 3).str(), "Err_W007.S03");
    EXPECT_EQ(ScaleErrorFileName(3, 1).str(), "Err_W003.S01");
}

TEST(ScaleFileNames, MasksListEveryNumberOfOneSectionOrEveryDataFile) {
    const std::string mask = ScaleDataFileNameMask(12, 2);
    EXPECT_EQ(mask, "?????012.2wa");
    EXPECT_EQ(ScaleDataFileNameMask(3, 1).str(), "?????003.1wa");
    EXPECT_EQ(ScaleDataFileNameMask(std::nullopt, std::nullopt).str(), "????????.?wa");
    EXPECT_TRUE(Files::matchWildcard(mask, ScaleDataFileName(12, 2, 99999).fileName()));
    EXPECT_FALSE(Files::matchWildcard(mask, ScaleDataFileName(12, 3, 1).fileName()));
    EXPECT_FALSE(Files::matchWildcard(mask, ScaleDataFileName(13, 2, 1).fileName()));
}

TEST(ScaleFileNames, ANameIsReadBackWhereverItStandsInTheText) {
    const auto parts = [](const ScaleDataFileName& name) {
        return std::vector<int>{name.number(), name.scale(), name.section()};
    };
    EXPECT_EQ(parts(ScaleDataFileName("00012003.1wa")), (std::vector<int>{12, 3, 1}));
    EXPECT_EQ(parts(ScaleDataFileName("kopia_00042017.5wa.bak")), (std::vector<int>{42, 17, 5}));
    // The dot is literal: any other character there is no data file name.
    EXPECT_THROW(ScaleDataFileName("00012003x1wa").number(), std::runtime_error);
}

TEST(ScaleFileNames, ANameWithoutTheStructureRaisesAndStaysUnparsed) {
    const ScaleDataFileName name("readme.txt");
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { name.number(); }),
                  "Could not parse file name parts from 'readme.txt'.");
    }
    EXPECT_EQ(name.fileName(), "readme.txt");
}

TEST(FileNameFormatter, FillsEveryOccurrenceAndLeavesUnknownFieldsAlone) {
    EXPECT_EQ(FileNameFormatter("{a:2}-{a:2}-{b:3}").fill("a", 7).text(), "07-07-{b:3}");
    EXPECT_EQ(FileNameFormatter("{a:2}").fill("c", 7).text(), "{a:2}");
    EXPECT_EQ(FileNameFormatter("x{a:4}").fill("a", std::nullopt).text(), "x????");
    EXPECT_EQ(FileNameFormatter("x{a:4}").fillForParsing("a").text(), "x(\\d{4})");
}
