// The scale server's directories as the transfer manager keeps them: file numbering over
// both directories, clearing, moving, the summary of waiting files and the error files,
// and what a directory that is not there does.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "ScaleTestSupport.h"
#include "core/ActionContainer.h"
#include "core/DateTime.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "frame/ActionGuids.h"
#include "scales/ScaleDataTransferFileManager.h"
#include "support/ErrorOf.h"

namespace {

namespace fs = std::filesystem;
using Devices::ScaleDataTransferFileManager;
using ScaleTest::filesIn;

class TransferManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.createDirectories();
        ScaleTest::configure(server.keys());
    }
    void touch(const fs::path& path, std::size_t size = 0) { TestSupport::writeFile(path, std::string(size, 'x')); }
    std::string nameOfNextFile(int scale, int section) {
        return fs::path(ScaleDataTransferFileManager().createOutputFile(scale, section)->path()).filename().string();
    }

    TestSupport::TempDir root;
    ScaleTest::ScaleServer server{root.path()};
};

}  // namespace

TEST_F(TransferManagerTest, NumbersFollowTheHighestOfBothDirectoriesForTheScaleSection) {
    EXPECT_EQ(nameOfNextFile(3, 1), "00000003.1wa");  // created at once: it takes the name
    EXPECT_EQ(filesIn(server.temporary), std::vector<std::string>{"00000003.1wa"});
    fs::remove(server.temporary / "00000003.1wa");

    touch(server.data / "00007003.1wa");
    touch(server.temporary / "00008003.1wa");
    touch(server.data / "00050004.1wa");  // another scale
    touch(server.data / "00060003.2wa");  // another section
    EXPECT_EQ(nameOfNextFile(3, 1), "00009003.1wa");
    EXPECT_EQ(nameOfNextFile(3, 1), "00010003.1wa");
    EXPECT_EQ(nameOfNextFile(4, 1), "00051004.1wa");
}

TEST_F(TransferManagerTest, AFileThatFitsTheMaskButCannotBeReadStopsTheNumbering) {
    touch(server.data / "0a007003.1wa");
    EXPECT_EQ(TestSupport::errorOf<std::exception>([&] { nameOfNextFile(3, 1); }),
              "Could not parse file name parts from '0a007003.1wa'.");
}

TEST_F(TransferManagerTest, ClearingTakesDataFilesOfEveryScaleAndMovingKeepsTheirNames) {
    for (const char* name : {"00001003.1wa", "00002007.2wa", "notatka.txt", "00001003.1wa.old"})
        touch(server.temporary / name);
    ScaleDataTransferFileManager manager;
    manager.removeTemporaryFiles();
    EXPECT_EQ(filesIn(server.temporary), (std::vector<std::string>{"00001003.1wa.old", "notatka.txt"}));

    for (const char* name : {"00003003.1wa", "00004003.1wa", "00000001.2wa"}) touch(server.temporary / name, 10);
    manager.moveFilesToOutputDirectory();
    EXPECT_EQ(filesIn(server.data), (std::vector<std::string>{"00000001.2wa", "00003003.1wa", "00004003.1wa"}));
    EXPECT_EQ(filesIn(server.temporary), (std::vector<std::string>{"00001003.1wa.old", "notatka.txt"}));
}

TEST_F(TransferManagerTest, AFailedMoveRaisesItsOwnErrorAndLeavesWhatWasMoved) {
    touch(server.temporary / "00001003.1wa");
    touch(server.temporary / "00002003.1wa");
    touch(server.data / "00002003.1wa");  // a waiting file is never overwritten
    EXPECT_EQ(TestSupport::errorOf<ScaleDataTransferFileManager::MovingFilesFromTemporaryToOutputDirectoryError>(
                  [&] { ScaleDataTransferFileManager().moveFilesToOutputDirectory(); }),
              "Przeniesienie plików z danymi dla wag do folderu wyjściowego nie powiodło się.");
    EXPECT_EQ(filesIn(server.data), (std::vector<std::string>{"00001003.1wa", "00002003.1wa"}));
    EXPECT_EQ(filesIn(server.temporary), std::vector<std::string>{"00002003.1wa"});
}

TEST_F(TransferManagerTest, AFailedClearingRaisesItsOwnError) {
    touch(server.temporary / "00001003.1wa");
    fs::permissions(server.temporary, fs::perms::owner_read | fs::perms::owner_exec);
    const bool writable = ::access(server.temporary.c_str(), W_OK) == 0;  // root may write anyway
    const std::string error =
        TestSupport::errorOf<std::exception>([] { ScaleDataTransferFileManager().removeTemporaryFiles(); });
    fs::permissions(server.temporary, fs::perms::owner_all);
    if (writable) GTEST_SKIP() << "the directory stays writable for this user";
    EXPECT_EQ(error, "Usunięcie plików z folderu tymczasowego nie powiodło się.");
}

TEST_F(TransferManagerTest, SummaryCountsFilesEstimatesRecordsAndFindsTheOldest) {
    touch(server.data / "00001003.1wa", 370);
    touch(server.data / "00002003.1wa", 185);
    touch(server.data / "00001003.2wa", 184);
    fs::last_write_time(server.data / "00002003.1wa", fs::file_time_type::clock::now() - std::chrono::hours(50));
    ScaleDataTransferFileManager manager;
    const auto two = manager.getFilesSummary(3, 1);
    EXPECT_EQ(two.fileCount, 2);
    EXPECT_EQ(two.estimatedPluCount, 3);
    ASSERT_TRUE(two.oldestFileTime);
    EXPECT_NEAR(*two.oldestFileTime, Core::DateTime::now() - 50.0 / 24, 0.01);
    const auto one = manager.getFilesSummary(3, 2);
    EXPECT_EQ(one.fileCount, 1);
    EXPECT_EQ(one.estimatedPluCount, 0);
    const auto none = manager.getFilesSummary(9, 9);
    EXPECT_EQ(none.fileCount, 0);
    EXPECT_FALSE(none.oldestFileTime);
}

TEST_F(TransferManagerTest, ErrorFileIsFoundForItsScaleSectionOnly) {
    touch(server.status / "Err_W003.S01");
    ScaleDataTransferFileManager manager;
    EXPECT_TRUE(manager.hasErrorFile(3, 1));
    EXPECT_FALSE(manager.hasErrorFile(3, 2));
    EXPECT_FALSE(manager.hasErrorFile(4, 1));
}

TEST_F(TransferManagerTest, AMissingDirectoryIsNamedWithItsKindAndNothingIsMoved) {
    touch(server.temporary / "00001003.1wa");
    fs::remove_all(server.data);
    EXPECT_EQ(
        TestSupport::errorOf<std::exception>([] { ScaleDataTransferFileManager().moveFilesToOutputDirectory(); }),
        "Niepoprawna specyfikacja ścieżki katalogu plików danych serwera wagowego: '" + server.data.string() + "/'.");
    EXPECT_EQ(filesIn(server.temporary), std::vector<std::string>{"00001003.1wa"});

    fs::remove_all(server.status);
    EXPECT_EQ(TestSupport::errorOf<std::exception>([] { ScaleDataTransferFileManager().hasErrorFile(3, 1); }),
              "Niepoprawna specyfikacja ścieżki katalogu plików statusów serwera wagowego: '" + server.status.string() +
                  "/'.");
    fs::remove_all(server.temporary);
    EXPECT_EQ(TestSupport::errorOf<std::exception>([] { ScaleDataTransferFileManager().removeTemporaryFiles(); }),
              "Niepoprawna specyfikacja ścieżki katalogu plików tymczasowych serwera wagowego: '" +
                  server.temporary.string() + "/'.");
}

TEST_F(TransferManagerTest, TheModuleSuppliesTheDefaultManagerUnderItsGuid) {
    auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
    loader.load("Devices.dll");
    const auto listings = Core::Action::CContainer::instance().listings();
    const auto at = [&](const char* guid) {
        return std::find_if(listings.begin(), listings.end(),
                            [&](const auto& listing) { return listing.guid == guid; }) -
               listings.begin();
    };
    EXPECT_EQ(at(Kolvenia::ActionGuids::DefaultScaleTransferManager), at(Kolvenia::ActionGuids::SendPluForArticle) + 1)
        << "registered right after the send-PLU-for-article action";
    auto answer = Core::Action::CContainer::instance().invoke(
        Kolvenia::ActionGuids::DefaultScaleTransferManager, std::make_shared<Core::Action::ExecutorInvoker>(), nullptr);
    ASSERT_TRUE(answer && answer->is<Devices::IScaleDataTransferFileManager>());
    touch(server.status / "Err_W001.S02");
    EXPECT_TRUE(answer->as<Devices::IScaleDataTransferFileManager>().hasErrorFile(1, 2));
    Core::SharedPackageLoader::instance().unloadAll();
}
