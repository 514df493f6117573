// Sending blocked vouchers over a shop on each engine: import files read, archived and
// sent to the enabled cash registers, the report in the database text log, and the
// failures that must leave the operator's files as they were.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>

#include "CashRegisterShop.h"
#include "VoucherFiles.h"
#include "cashregister/vouchers/PendingArchives.h"
#include "cashregister/vouchers/VoucherArchives.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "support/FilesIn.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using namespace CrShop;
namespace Guids = Kolvenia::ActionGuids;

constexpr const char* ReportKey = "{A1DE12FD-F2D5-4090-BFA6-EDBF739F45CD}";

class BlockedVouchers : public CashRegisterShop {
protected:
    void SetUp() override {
        CashRegisterShop::SetUp();
        addCashRegister({1});
        addCashRegister({2, /*installed=*/false});  // enabled: still takes vouchers
        addCashRegister({3, true, /*enabled=*/false});
        exec("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrKolvenia) values (900, 1, 1)");  // a scale
    }

    void importFile(const std::string& name, const std::vector<int>& ids) {
        TestSupport::writeFile(import / name, VoucherFiles::document(ids));
    }
    // The console run: its stream's text, its success.
    std::pair<std::string, bool> runFromConsole() {
        const Fired fired = fire(Guids::BlockedVouchersConsole, {});
        return {fired.output, fired.ok};
    }
    // Group names of the ranges in the blocked-voucher transfer files, in order.
    Texts sentGroups() {
        Texts groups;
        for (const std::string& name : files('B')) {
            TransferFile file;
            read(name, file);
            EXPECT_EQ(file.kind, "blockedVouchers");
            for (pugi::xml_node range : file.root.children("blockedVoucher"))
                groups.push_back(range.attribute("group").value());
        }
        return groups;
    }
    Texts importFolder() const { return TestSupport::filesIn(import); }
};

TEST_P(BlockedVouchers, SendsEveryWaitingFileToTheEnabledCashRegistersAndArchivesIt) {
    importFile("b.xml", {3});
    importFile("a.xml", {1, 2});
    TestSupport::writeFile(import / "notatka.txt", "nie plik blokad");

    const auto [output, ok] = runFromConsole();
    EXPECT_TRUE(ok);
    EXPECT_EQ(output, "Pomyślnie wysłano zablokowane bony.\n");

    ASSERT_EQ(files().size(), 1u);
    TransferFile file;
    read(files('B').front(), file);
    EXPECT_EQ(file.cashRegisters, (std::vector<int>{1, 2}));
    Texts first;
    for (const char* name : {"group", "expiryDate", "numberFrom", "numberTo", "faceValue"})
        first.push_back(file.root.child("blockedVoucher").attribute(name).value());
    EXPECT_EQ(first, (Texts{"G1", "2027-12-31", "1001", "1999", "50.00"}));
    EXPECT_EQ(sentGroups(), (Texts{"G1", "G2", "G3"}));

    // Each file is archived under its full path, the time of the import and ".arch".
    const Texts left = importFolder();
    ASSERT_EQ(left.size(), 3u);
    const std::regex archive(R"(([ab])\.xml\d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.arch)");
    EXPECT_TRUE(std::regex_match(left[0], archive)) << left[0];
    EXPECT_TRUE(std::regex_match(left[1], archive)) << left[1];
    EXPECT_EQ(left[2], "notatka.txt");

    EXPECT_EQ(logEntries(ReportKey), (Texts{"info: Wysłanie blokad uruchomione z konsoli",
                                            "info: Wysyłanie blokad do kas:\nKasa nr 1\nKasa nr 2\n",
                                            "info: Wysyłane pliki blokad: \n" + (import / "a.xml").string() + "\n" +
                                                (import / "b.xml").string() + "\n",
                                            "info: Wysłano 3 blokad"}));

    // Nothing waits any more.
    EXPECT_EQ(runFromConsole().first, "Brak zablokowanych bonów do wysłania.\n");
    EXPECT_EQ(files().size(), 1u);
}

TEST_P(BlockedVouchers, AFileWithoutRangesIsArchivedAndNothingIsSent) {
    TestSupport::writeFile(import / "pusty.xml", "<blokady/>");
    EXPECT_EQ(runFromConsole().first, "Brak zablokowanych bonów do wysłania.\n");
    EXPECT_TRUE(files().empty());
    ASSERT_EQ(importFolder().size(), 1u);
    EXPECT_NE(importFolder().front().find(".arch"), std::string::npos);
}

// A file that is not well-formed ends the run before sending and stays for the
// operator; files read before it stay archived and their ranges are given up.
TEST_P(BlockedVouchers, AMalformedFileStopsTheRunAndStaysWhereItIs) {
    importFile("a.xml", {1});
    TestSupport::writeFile(import / "b.xml", VoucherFiles::document({2}).substr(0, 60));
    importFile("c.xml", {3});

    const auto [output, ok] = runFromConsole();
    EXPECT_FALSE(ok);
    EXPECT_NE(output.find("Plik " + (import / "b.xml").string() + " nie jest poprawnym plikiem XML"), std::string::npos)
        << output;
    EXPECT_TRUE(files().empty());
    EXPECT_TRUE(fs::exists(import / "b.xml"));
    EXPECT_TRUE(fs::exists(import / "c.xml"));
    EXPECT_FALSE(fs::exists(import / "a.xml"));
    EXPECT_FALSE(fs::exists(import / Kolvenia::BlockedVouchers::PendingArchives::FileName));
    const Texts report = logEntries(ReportKey);
    EXPECT_EQ(report.back(), "error: Wysyłane pliki blokad: \n" + (import / "a.xml").string() + "\n" +
                                 (import / "b.xml").string() + "\n");

    fs::remove(import / "b.xml");
    EXPECT_TRUE(runFromConsole().second);
    EXPECT_EQ(sentGroups(), (Texts{"G3"}));
}

TEST_P(BlockedVouchers, EveryKindOfMalformedFileStaysForTheOperatorAndNothingIsSent) {
    std::string huge = "<blokady>";
    for (int id = 1; id <= 100000; ++id) huge += VoucherFiles::range(id);
    huge.resize(huge.size() - 30);  // cut inside the last range
    for (const std::string& content : {std::string(), huge,
                                       std::string("<blokady><blokada><grupa>B\xB3\xEA"
                                                   "dne</grupa></blokada></blokady>")}) {
        TestSupport::writeFile(import / "zly.xml", content);
        const auto [output, ok] = runFromConsole();
        EXPECT_FALSE(ok);
        EXPECT_NE(output.find("Plik " + (import / "zly.xml").string() + " nie jest poprawnym plikiem XML"),
                  std::string::npos)
            << output;
        EXPECT_EQ(importFolder(), (Texts{"zly.xml"}));
    }
    EXPECT_TRUE(files().empty());
}

TEST_P(BlockedVouchers, AHundredThousandRangesReachTheRegistersInFileOrder) {
    std::string content = "<blokady>";
    for (int id = 1; id <= 100000; ++id)
        content += "<blokada><grupa>" + std::to_string(id) + "</grupa><numerator_od>1</numerator_od></blokada>";
    TestSupport::writeFile(import / "duzy.xml", content + "</blokady>");

    EXPECT_TRUE(runFromConsole().second);
    const Texts groups = sentGroups();
    ASSERT_EQ(groups.size(), 100000u);
    EXPECT_EQ(groups.front(), "1");
    EXPECT_EQ(groups[49999], "50000");
    EXPECT_EQ(groups.back(), "100000");
    EXPECT_EQ(logEntries(ReportKey).back(), "info: Wysłano 100000 blokad");
}

// What a run killed between archiving and sending leaves: archives listed as unsent.
TEST_P(BlockedVouchers, ARunAfterAnInterruptedOneSendsTheRangesItHadArchived) {
    importFile("a.xml", {1});
    const std::string archive = (import / "a.xml").string() + "2026-01-01 10-00-00.arch";
    fs::rename(import / "a.xml", archive);
    Kolvenia::BlockedVouchers::PendingArchives(import).add(archive);
    importFile("b.xml", {2});

    EXPECT_TRUE(runFromConsole().second);
    EXPECT_EQ(sentGroups(), (Texts{"G1", "G2"}));
    EXPECT_FALSE(fs::exists(import / Kolvenia::BlockedVouchers::PendingArchives::FileName));
    EXPECT_TRUE(fs::exists(archive));

    EXPECT_EQ(runFromConsole().first, "Brak zablokowanych bonów do wysłania.\n");
}

TEST_P(BlockedVouchers, RemovesOldArchivesWhenConfigured) {
    Settings settings;
    settings.folderKeys =
        "<key name=\"Usuwanie starych plików\" type=\"bool\" value=\"true\">"
        "<key name=\"Usuwaj pliki starsze niż X dni\" type=\"int\" value=\"5\"/></key>";
    configure(settings);
    const auto now = fs::file_time_type::clock::now();
    for (const auto& [name, age] :
         std::vector<std::pair<std::string, int>>{{"stary.xml1.arch", 6}, {"nowy.xml2.arch", 4}, {"stary.txt", 9}}) {
        TestSupport::writeFile(import / name, "x");
        fs::last_write_time(import / name, now - std::chrono::hours(24 * age));
    }
    runFromConsole();
    EXPECT_EQ(importFolder(), (Texts{"nowy.xml2.arch", "stary.txt"}));
}

TEST_P(BlockedVouchers, MissingConfigurationEndsTheRunBeforeAnyFileIsTouched) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">"
        "<key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
        out.string() + "\"/></key></key></key></configuration>");
    importFile("a.xml", {1});
    const auto [output, ok] = runFromConsole();
    EXPECT_FALSE(ok);
    EXPECT_NE(output.find("Folder"), std::string::npos) << output;
    EXPECT_TRUE(fs::exists(import / "a.xml"));
}

TEST_P(BlockedVouchers, TheEveningStepRunsOnlyWhenSwitchedOnAndReportsItsStatus) {
    importFile("a.xml", {1});
    auto args = java::make<EveningArgs>(today());
    EXPECT_TRUE(succeeded(invoke(Guids::BlockedVouchersEvening, args)));
    EXPECT_TRUE(fs::exists(import / "a.xml"));
    EXPECT_TRUE(args->statuses.empty());

    Settings settings;
    settings.eveningKeys =
        "<key name=\"Akcje\"><key name=\"Wysłanie zablokowanych bonów\">"
        "<key name=\"Włączone\" type=\"bool\" value=\"true\"/></key></key>";
    configure(settings);
    EXPECT_TRUE(succeeded(invoke(Guids::BlockedVouchersEvening, args)));
    EXPECT_EQ(args->statuses, (Texts{"Pomyślnie wysłano zablokowane bony."}));
    EXPECT_EQ(logEntries(ReportKey).front(), "info: Wysłanie blokad uruchomione podczas przetwarzania wieczornego");

    TestSupport::writeFile(import / "zly.xml", "");
    const auto failed = invoke(Guids::BlockedVouchersEvening, args);
    ASSERT_FALSE(succeeded(failed));
    EXPECT_EQ(failed->as<Core::ActionStatus>().message().rfind(
                  "Błąd podczas wysyłania zablokowanych bonów:\nPlik " + (import / "zly.xml").string(), 0),
              0u);
}

class RecordingBoxes : public FormKernel::IMessageBoxes {
public:
    void information(const std::string& text) override { shown.push_back("i: " + text); }
    void warning(const std::string& text) override { shown.push_back("w: " + text); }
    void error(const std::string& text) override { shown.push_back("e: " + text); }
    bool question(const std::string&) override { return false; }
    Texts shown;
};

TEST_P(BlockedVouchers, TheServiceFunctionShowsItsResultInAMessageBox) {
    auto boxes = std::make_shared<RecordingBoxes>();
    FormKernel::installMessageBoxes(boxes);
    importFile("a.xml", {1});
    invoke(Guids::BlockedVouchersDefault, java::make<ConsoleArgs>(Texts{}));
    invoke(Guids::BlockedVouchersDefault, java::make<ConsoleArgs>(Texts{}));
    FormKernel::installMessageBoxes(nullptr);
    EXPECT_EQ(boxes->shown,
              (Texts{"i: Pomyślnie wysłano zablokowane bony.", "i: Brak zablokowanych bonów do wysłania."}));
    EXPECT_EQ(logEntries(ReportKey).front(), "info: Wysłanie blokad uruchomione z funkcji serwisowej");
}

KORVEL_ON_EACH_ENGINE(BlockedVouchers);

// Archives, without a database.
TEST(VoucherArchives, AnArchiveCreatedExactlyAtTheThresholdStaysAndAnOlderOneGoes) {
    TestSupport::TempDir dir;
    const auto now = fs::file_time_type::clock::now();
    const auto threshold = now - std::chrono::hours(24 * 3);
    for (const char* name : {"prog.arch", "starszy.arch", "niewyslany.arch"}) TestSupport::writeFile(dir / name, "x");
    fs::last_write_time(dir / "prog.arch", threshold);
    fs::last_write_time(dir / "starszy.arch", threshold - std::chrono::seconds(1));
    fs::last_write_time(dir / "niewyslany.arch", threshold - std::chrono::hours(100));
    Kolvenia::BlockedVouchers::removeOldArchives(dir.path(), 3, now, {(dir / "niewyslany.arch").string()});
    EXPECT_TRUE(fs::exists(dir / "prog.arch"));
    EXPECT_FALSE(fs::exists(dir / "starszy.arch"));
    EXPECT_TRUE(fs::exists(dir / "niewyslany.arch"));
}

TEST(VoucherArchives, ASecondImportWithinTheSameSecondReplacesTheEarlierArchive) {
    TestSupport::TempDir dir;
    const std::string file = (dir / "a.xml").string();
    const std::string archive = Kolvenia::BlockedVouchers::archiveName(file, 1780000000);
    EXPECT_EQ(archive.substr(file.size()).size(), std::string("yyyy-mm-dd hh-nn-ss.arch").size());
    TestSupport::writeFile(archive, "wcześniejszy");
    TestSupport::writeFile(file, "późniejszy");
    Kolvenia::BlockedVouchers::archiveImportFile(file, archive);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(TestSupport::readFile(archive), "późniejszy");
}

}  // namespace
