#include <gtest/gtest.h>

#include <filesystem>

#include "cashregister/TransferFiles.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "support/TempDir.h"

using namespace std::chrono;
using Kolvenia::Kasa::getNextFileNameByType;

namespace {

class TransferFiles : public ::testing::Test {
protected:
    std::string directory() const { return dir.path().string() + "/"; }
    void touch(const std::string& name) const { TestSupport::writeFile(dir / name, "x"); }
    std::string today() const { return Kolvenia::Kasa::getCurrentDateFileNameStr(); }

    TestSupport::TempDir dir;
};

}  // namespace

TEST(DateFileName, EncodesYearMonthAndDayAndLeavesOutOfRangeYearsAsZero) {
    EXPECT_EQ(Kolvenia::Kasa::dateFileNameStr(2026y / December / 4d), "QL3");
    EXPECT_EQ(Kolvenia::Kasa::dateFileNameStr(2030y / January / 31d), "UAU");
    EXPECT_EQ(Kolvenia::Kasa::dateFileNameStr(2009y / October / 1d), "9J0");
    EXPECT_EQ(Kolvenia::Kasa::dateFileNameStr(2036y / January / 1d), "0A0");
    EXPECT_EQ(Kolvenia::Kasa::dateFileNameStr(1999y / December / 10d), "0L9");
    EXPECT_EQ(Kolvenia::Kasa::dateFileNameStr(2035y / February / 11d), "ZBA");
}

TEST_F(TransferFiles, FirstNameOfTheDayIsOneAndTypesAreLowerCaseHex) {
    EXPECT_EQ(getNextFileNameByType(1, directory(), 'P', "", false), directory() + "P" + today() + "0001.01");
    EXPECT_EQ(getNextFileNameByType(10, directory(), 'P', "", false), directory() + "P" + today() + "0001.0a");
    EXPECT_EQ(getNextFileNameByType(255, directory(), 'P', "X", true), directory() + "XP" + today() + "0001.ff");
}

TEST_F(TransferFiles, NextNumberFollowsTheHighestOfThisTypePrefixAndDay) {
    for (const char* n : {"0001", "0002", "0005"}) touch("P" + today() + n + ".01");
    touch("P" + today() + "0042.02");  // another type
    touch(
        "P000"
        "0077.01");                    // another day's code cannot be today's
    touch("Q" + today() + "0050.01");  // another prefix
    EXPECT_EQ(getNextFileNameByType(1, directory(), 'P', "", false), directory() + "P" + today() + "0006.01");
}

TEST_F(TransferFiles, SubPrefixedAndPlainFilesCountForEachOther) {
    touch("SUBP" + today() + "0007.01");
    EXPECT_EQ(getNextFileNameByType(1, directory(), 'P', "SUB", false), directory() + "P" + today() + "0008.01");
    touch("P" + today() + "0011.01");
    EXPECT_EQ(getNextFileNameByType(1, directory(), 'P', "SUB", true), directory() + "SUBP" + today() + "0012.01");
}

TEST_F(TransferFiles, NumbersEndAt9998AndTheLimitCreatesNothing) {
    touch("P" + today() + "9997.01");
    EXPECT_EQ(getNextFileNameByType(1, directory(), 'P', "", false), directory() + "P" + today() + "9998.01");
    touch("P" + today() + "9998.01");
    try {
        getNextFileNameByType(1, directory(), 'P', "", false);
        FAIL() << "no error past 9998";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Błąd! Za dużo plików oczekuje do przesłania na kasy!");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(TransferFiles, UnsearchableDirectoryProposesTheFirstNumber) {
    const std::string missing = directory() + "absent/";
    EXPECT_EQ(getNextFileNameByType(3, missing, 'K', "", false), missing + "K" + today() + "0001.03");
}

TEST_F(TransferFiles, OldTemporaryFilesGoByTheirUtcDateOnlyWhenStrictlyOlder) {
    const auto tenDaysAgo = file_clock::now() - days{10};
    for (const char* name : {"$a.tmp", "$b", "plain.tmp"}) {
        touch(name);
        std::filesystem::last_write_time(dir / name, tenDaysAgo);
    }
    Kolvenia::Kasa::clearOldTempFiles(directory(), 10);
    EXPECT_TRUE(std::filesystem::exists(dir / "$a.tmp"));
    Kolvenia::Kasa::clearOldTempFiles(directory(), 9);
    EXPECT_FALSE(std::filesystem::exists(dir / "$a.tmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "$b"));  // "$*.*" takes names without a dot too
    EXPECT_TRUE(std::filesystem::exists(dir / "plain.tmp"));
}

TEST_F(TransferFiles, ConfiguredAgeLimitIsRequired) {
    auto& setup = Core::SingletonImplHolder<Core::CSetup>::instance();
    setup.loadFromString("<configuration/>");
    touch("$old.tmp");
    std::filesystem::last_write_time(dir / "$old.tmp", file_clock::now() - days{5});
    EXPECT_THROW(Kolvenia::Kasa::clearOldTempFiles(directory()), std::logic_error);
    EXPECT_TRUE(std::filesystem::exists(dir / "$old.tmp"));
    setup.loadFromString(
        "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">"
        "<key name=\"Usuwaj pliki tymczasowe starsze niż X dni\" type=\"int\" value=\"3\"/>"
        "</key></key></key></configuration>");
    Kolvenia::Kasa::clearOldTempFiles(directory());
    EXPECT_FALSE(std::filesystem::exists(dir / "$old.tmp"));
}

TEST_F(TransferFiles, DirectoryCheckAcceptsAMissingSeparatorAndNamesAMissingDirectory) {
    const auto before = std::filesystem::current_path();
    EXPECT_NO_THROW(Kolvenia::Kasa::checkTransferDirectory(dir.path().string(), "Błąd katalogu serwera kasowego!"));
    EXPECT_EQ(std::filesystem::current_path(), before);
    try {
        Kolvenia::Kasa::checkTransferDirectory(directory() + "brak", "Błąd katalogu serwera kasowego!");
        FAIL() << "missing directory passed";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Błąd katalogu serwera kasowego!\nNie mogę znaleźć katalogu '" + directory() +
                                             "brak/'\nSprawdź dane w konfiguracji!");
    }
    EXPECT_EQ(std::filesystem::current_path(), before);
}
