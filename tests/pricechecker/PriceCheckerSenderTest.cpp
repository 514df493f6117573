// The directory price checker's files: their numbering, record lines to the byte, and
// what reload mode and an abandoned sending leave behind.
#include <gtest/gtest.h>

#include "pricechecker/PriceCheckerSender.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace {

using TestSupport::readFile;
using TestSupport::TempDir;
using TestSupport::writeFile;

TEST(PriceCheckerSender, TheNextFileIsOnePastTheGreatestNumberWhateverTheLetterCase) {
    TempDir dir;
    EXPECT_EQ(TPriceCheckerSender::nextFileNumber(dir.path().string()), 0);
    writeFile(dir / "PLU00007.TXT", "");
    writeFile(dir / "PLU00003.TXT", "");
    EXPECT_EQ(TPriceCheckerSender::nextFileNumber(dir.path().string()), 8);
    writeFile(dir / "plu00011.txt", "");
    writeFile(dir / "PLU_stary.txt", "");  // not a numbered file
    writeFile(dir / "PLU99999.dat", "");
    EXPECT_EQ(TPriceCheckerSender::nextFileNumber(dir.path().string()), 12);

    TPriceCheckerSender sender(dir.path().string());  // no separator at the end
    sender.startSending();
    sender.endSending();
    EXPECT_EQ(sender.filePath(), (dir / "PLU00012.TXT").string());
    EXPECT_TRUE(std::filesystem::exists(dir / "PLU00012.TXT"));
}

TEST(PriceCheckerSender, RecordsAreFixedWidthInWindows1250WithCrLf) {
    TempDir dir;
    TPriceCheckerSender sender(dir.path().string() + "/");
    sender.startSending();
    sender.sendTowar("5900000000015", "Żurek śląski w słoiku domowy z kiełbasą", 1.999, "szt");
    sender.sendTowar("290123400000000", "Ser", 1234567.15, "kilogram");
    sender.deleteTowar("2712345000006");
    sender.endSending();
    EXPECT_EQ(readFile(dir / "PLU00000.TXT"),
              "U5900000000015"
              "\xAF"
              "urek \x9Cl\xB9ski w s\xB3oiku domowy z"  // the first 30 characters
              "      199"
              "szt\r\n"
              "U2901234000000Ser" +
                  std::string(27, ' ') + "123456715kil\r\n" + "D2712345000006" + std::string(30, ' ') +
                  "        0   \r\n");
}

TEST(PriceCheckerSender, ReloadModeWritesRecordsAsRAndNoDeletion) {
    TempDir dir;
    TPriceCheckerSender sender(dir.path().string());
    sender.setReloadMode();
    sender.startSending();
    sender.deleteTowar("5900000000015", "Chleb", 3.49, "szt");
    sender.sendTowar("5900000000022", "Masło", 1.15, "szt");
    sender.endSending();
    EXPECT_EQ(readFile(dir / "PLU00000.TXT"), "R5900000000022Mas\xB3o" + std::string(25, ' ') + "      115szt\r\n");
}

TEST(PriceCheckerSender, ASendingThatIsNotEndedLeavesNoFile) {
    TempDir dir;
    {
        TPriceCheckerSender sender(dir.path().string());
        sender.startSending();
        sender.sendTowar("5900000000015", "Chleb", 3.49, "szt");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(PriceCheckerSender, AFileThatCannotBeOpenedNamesItsPath) {
    TempDir dir;
    TPriceCheckerSender sender((dir / "brak").string());
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { sender.startSending(); }),
              "Błąd otwarcia pliku: " + (dir / "brak" / "PLU00000.TXT").string());
}

TEST(PriceCheckerSender, ScaleCodesAreScannedAsZeroAndTheFirstTwelveCharactersOfTheRawCode) {
    EXPECT_EQ(TPriceCheckerSender::codeOf(Plu::TPlu("2712345")), "02712345");
    EXPECT_EQ(TPriceCheckerSender::codeOf(Plu::TPlu("2954321001237")), "0295432100123");
    EXPECT_EQ(TPriceCheckerSender::codeOf(Plu::TPlu("5900000000015")), "5900000000015");
    EXPECT_EQ(TPriceCheckerSender::codeOf(std::string("bzdura")), std::nullopt);
}

}  // namespace
