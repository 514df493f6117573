// The host's file helpers that device senders write and move their files with.
#include <gtest/gtest.h>

#include <cstdlib>

#include "files/CodePage.h"
#include "files/FileFinder.h"
#include "files/Filesystem.h"
#include "files/TextOutputFile.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(Filesystem, ConfiguredDirectoriesAreTrimmedExpandedAndEndWithTheSeparator) {
    setenv("KORVEL_TEST_SKLEP", "/srv/sklep", 1);
    EXPECT_EQ(Core::Filesystem::getNormalizedTrimmedDir("  $KORVEL_TEST_SKLEP/wagi \t"), "/srv/sklep/wagi/");
    EXPECT_EQ(Core::Filesystem::getNormalizedTrimmedDir("/srv/wagi/"), "/srv/wagi/");
    EXPECT_EQ(Core::Filesystem::getNormalizedTrimmedDir(" "), "");
}

TEST(Filesystem, AMoveNeverOverwritesAndARemovalOfNothingFails) {
    TestSupport::TempDir dir;
    TestSupport::writeFile(dir / "a", "nowy");
    TestSupport::writeFile(dir / "b", "czeka");
    EXPECT_THROW(Core::Filesystem::moveFile((dir / "a").string(), (dir / "b").string()), std::runtime_error);
    EXPECT_EQ(TestSupport::readFile(dir / "b"), "czeka");
    Core::Filesystem::moveFile((dir / "a").string(), (dir / "c").string());
    EXPECT_EQ(TestSupport::readFile(dir / "c"), "nowy");
    EXPECT_FALSE(fs::exists(dir / "a"));
    Core::Filesystem::removeFile((dir / "c").string());
    EXPECT_FALSE(fs::exists(dir / "c"));
    EXPECT_THROW(Core::Filesystem::removeFile((dir / "c").string()), std::runtime_error);
}

TEST(TextOutputFile, WritesTheCodePageWithCrLfAndRefusesWhatItCannotHold) {
    TestSupport::TempDir dir;
    {
        Core::Filesystem::TextOutputFile file((dir / "x.txt").string());
        file.write("Łódź\nżółw\n");
        file.close();
    }
    EXPECT_EQ(TestSupport::readFile(dir / "x.txt"), "\xA3\xF3\x64\x9F\r\n\xBF\xF3\xB3w\r\n");
    EXPECT_THROW(Core::Filesystem::TextOutputFile((dir / "brak" / "x.txt").string()), std::runtime_error);
    EXPECT_THROW(Files::fromUtf8("漢", "WINDOWS-1250"), Files::CodePageError);
    EXPECT_THROW(Files::fromUtf8("a", "NO-SUCH-PAGE"), Files::CodePageError);
    EXPECT_EQ(Files::fromUtf8("ąę", "CP852"), "\xA5\xA9");
}

TEST(FileFinder, ListsMatchingFilesIgnoringCaseWithSizeAndTime) {
    TestSupport::TempDir dir;
    TestSupport::writeFile(dir / "00001003.1WA", "12345");
    TestSupport::writeFile(dir / "00002003.1wa", "");
    TestSupport::writeFile(dir / "00001004.1wa", "");
    fs::create_directory(dir / "00003003.1wa");
    const auto files = Core::FileFinder(dir.path(), "?????003.1wa").files();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "00001003.1WA");
    EXPECT_EQ(files[0].size, 5u);
    EXPECT_NEAR(Core::Filesystem::fileTimeToDateTime(files[0].lastWriteTime),
                Core::Filesystem::fileTimeToDateTime(fs::file_time_type::clock::now()), 0.001);
    EXPECT_TRUE(Core::FileFinder(dir / "brak", "*").files().empty());
}
