// A blocked-voucher sending killed at any moment loses no range. Each trial puts
// fresh import files in the folder, starts the sending (`korvel fire`, or the whole
// `korvel evening`), kills it with SIGKILL after the first file has been archived plus
// a trial-dependent delay, and runs it again to completion. Every range must then be
// in a blocked-voucher transfer file of one of the two runs, and no import file may
// wait any more; the evening's other steps must run again as they did the first time.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "../crash/KorvelChild.h"
#include "VoucherFiles.h"
#include "core/DateTime.h"
#include "db/Command.h"
#include "db/SessionHolder.h"
#include "shopdb/Schema.h"
#include "support/CashRegisterConfig.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const fs::path korvel = fs::path(KORVEL_TEST_BINARY_DIR) / "bin" / "korvel";
constexpr const char* ConsoleSending = "{666B80FA-A771-4059-9E05-884A842A1D1D}";
constexpr int FilesPerTrial = 150;
constexpr int RangesPerFile = 20;

// Archives keep their import file's name in front: those of one trial are told apart
// from the earlier trials' ones.
bool anyArchive(const fs::path& folder, const std::string& prefix) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".arch" && entry.path().filename().string().starts_with(prefix)) return true;
    return false;
}

std::set<std::string> sentGroups(const fs::path& out) {
    std::set<std::string> groups;
    for (const auto& entry : fs::directory_iterator(out)) {
        if (entry.path().filename().string().front() != 'B') continue;
        pugi::xml_document document;
        EXPECT_TRUE(document.load_file(entry.path().c_str())) << entry.path();
        for (pugi::xml_node range : document.document_element().children("blockedVoucher"))
            groups.insert(range.attribute("group").value());
    }
    return groups;
}

// The import folder filled, trial by trial, and what the sent transfer files hold.
class VoucherKill : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(out);
        fs::create_directories(import);
    }

    // Fresh import files of new ranges for one trial.
    void fillImportFolder(int trial) {
        for (int f = 0; f < FilesPerTrial; ++f) {
            std::vector<int> ids;
            for (int r = 0; r < RangesPerFile; ++r) {
                ids.push_back(++lastId_);
                expected_.insert("G" + std::to_string(lastId_));
            }
            TestSupport::writeFile(import / (trialPrefix(trial) + std::to_string(1000 + f) + ".xml"),
                                   VoucherFiles::document(ids));
        }
    }

    static std::string trialPrefix(int trial) { return "t" + std::to_string(trial) + "-"; }

    // Starts the run, kills it once a file of the trial is archived (later in later trials), then
    // runs `rerun` to its end.
    KorvelRun::Outcome killAndRunAgain(int trial, const std::vector<std::string>& arguments,
                                       const std::vector<std::string>& rerun) {
        {
            KorvelRun::Child child(korvel, arguments, root.path());
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (!anyArchive(import, trialPrefix(trial)) && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            std::this_thread::sleep_for(std::chrono::milliseconds(25 * trial));
            child.kill(SIGKILL);
            const KorvelRun::Outcome killed = child.wait();
            // The first trial is killed right after its first archive, long before the
            // send: only what the run left behind can bring those ranges out.
            if (trial == 0) {
                EXPECT_FALSE(killed.exited);
                EXPECT_TRUE(fs::exists(import / "$blokady-do-wyslania.lst"));
            }
        }
        return KorvelRun::run(korvel, rerun, root.path());
    }

    // Every range of every trial so far was sent; nothing waits in the import folder.
    void expectNoRangeLost(int trial) const {
        const std::set<std::string> sent = sentGroups(out);
        std::vector<std::string> lost;
        std::set_difference(expected_.begin(), expected_.end(), sent.begin(), sent.end(), std::back_inserter(lost));
        EXPECT_TRUE(lost.empty()) << "trial " << trial << ": " << lost.size() << " ranges lost, first " << lost.front();
        for (const auto& entry : fs::directory_iterator(import))
            EXPECT_NE(entry.path().extension(), ".xml") << entry.path();
        EXPECT_FALSE(fs::exists(import / "$blokady-do-wyslania.lst"));
    }

    TestSupport::TempDir root;
    const fs::path out = root / "wyjście", import = root / "bony", config = root / "config.xml";
    const std::string url = "sqlite:" + (root / "shop.db").string();

private:
    std::set<std::string> expected_;
    int lastId_ = 0;
};

TEST_F(VoucherKill, AConsoleSendingKilledAtAnyMomentAndRunAgainLosesNoRange) {
    {
        TSessionHolder session(url, DBKernel::OpenMode::CreateIfMissing);
        ShopDb::createSchema(session);
        DBKernel::Sql::Command("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrKolvenia) values (101, 0, 1)",
                               session)
            .execute();
    }
    // The whole evening's configuration: the console sending reads only its own keys.
    TestSupport::writeFile(config, TestSupport::eveningConfiguration({out, import, 8, std::nullopt}));
    const std::vector<std::string> arguments{"--config", config.string(), "--database", url, "fire", ConsoleSending};
    for (int trial = 0; trial < 4; ++trial) {
        fillImportFolder(trial);
        const KorvelRun::Outcome rerun = killAndRunAgain(trial, arguments, arguments);
        ASSERT_EQ(rerun.exitCode, 0) << rerun.out << rerun.err;
        expectNoRangeLost(trial);
    }
}

// The names in the output directory that start with `prefix`, and what each
// daily-turnover command file asks of its register.
std::set<std::string> namesOf(const fs::path& out, char prefix) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(out))
        if (entry.path().filename().string().front() == prefix) names.insert(entry.path().filename().string());
    return names;
}

std::set<std::string> requests(const fs::path& out, const std::set<std::string>& names) {
    std::set<std::string> requested;
    for (const auto& name : names) {
        pugi::xml_document document;
        EXPECT_TRUE(document.load_file((out / name).c_str())) << name;
        const pugi::xml_node root = document.document_element();
        const std::string target = root.child("cashRegisters").child("cashRegister").attribute("number").value();
        for (pugi::xml_node day : root.child("command").children("day"))
            requested.insert(target + " " + day.attribute("date").value());
    }
    return requested;
}

// Killed during its voucher step (after the discount types went out, before the
// daily-turnover requests), the evening run again for the same day sends the
// discount types once more, the same requests as any other run, and no range is lost.
TEST_F(VoucherKill, AnEveningKilledDuringItsVoucherStepAndRunAgainForTheSameDayLosesNothing) {
    const KorvelRun::Outcome created =
        KorvelRun::run(korvel, {"--database", url, "db", "init", "--demo", "--products", "30"}, root.path());
    ASSERT_EQ(created.exitCode, 0) << created.err;
    // Labels are left out: their step comes first and has its own evening test.
    TestSupport::writeFile(config, TestSupport::eveningConfiguration({out, import, 8, std::nullopt}));
    const std::string day = Core::DateTime::formatDate(Core::DateTime::today());
    const std::vector<std::string> evening{"--config", config.string(), "--database", url, "evening"};
    std::vector<std::string> sameDay = evening;
    sameDay.insert(sameDay.end(), {"--day", day});

    std::set<std::string> firstRequests;
    for (int trial = 0; trial < 4; ++trial) {
        fillImportFolder(trial);
        const std::set<std::string> commandsBefore = namesOf(out, 'R');
        const KorvelRun::Outcome rerun = killAndRunAgain(trial, evening, sameDay);
        ASSERT_EQ(rerun.exitCode, 0) << rerun.out << rerun.err;
        EXPECT_NE(rerun.out.find("EveningProcessingSendDiscounts {73B401CC-A156-48FF-8BCC-2A7409779E72}: "
                                 "Wysłano typy przecen automatycznych.\n"),
                  std::string::npos)
            << rerun.out;
        EXPECT_NE(rerun.out.find(
                      "EveningAction {66640447-10CB-4FC5-AE02-A7F70EACBF7B}: Pomyślnie wysłano zablokowane bony.\n"),
                  std::string::npos)
            << rerun.out;
        EXPECT_NE(rerun.out.find("EveningProcessingAction {F21B8388-AD46-417B-9C12-F8669BA6C941}: "
                                 "Poprawnie zweryfikowano dane w zakresie "),
                  std::string::npos)
            << rerun.out;
        expectNoRangeLost(trial);

        // Both runs reached the discount step: two files a trial, each the same list.
        const std::set<std::string> discountFiles = namesOf(out, 'D');
        EXPECT_EQ(discountFiles.size(), static_cast<std::size_t>(2 * (trial + 1)));
        std::set<std::string> lists;
        for (const auto& name : discountFiles) {
            pugi::xml_document document;
            EXPECT_TRUE(document.load_file((out / name).c_str())) << name;
            std::ostringstream records;
            for (pugi::xml_node type : document.document_element().children("automaticDiscountType"))
                type.print(records);
            lists.insert(records.str());
        }
        EXPECT_EQ(lists.size(), 1u) << "the discount files of trial " << trial << " differ";

        // The daily-turnover requests the rerun wrote (and any the killed run reached)
        // ask the same as the first trial's.
        const std::set<std::string> commandsAfter = namesOf(out, 'R');
        std::set<std::string> newCommands;
        std::set_difference(commandsAfter.begin(), commandsAfter.end(), commandsBefore.begin(), commandsBefore.end(),
                            std::inserter(newCommands, newCommands.end()));
        const std::set<std::string> requested = requests(out, newCommands);
        EXPECT_FALSE(requested.empty());
        if (trial == 0) firstRequests = requested;
        EXPECT_EQ(requested, firstRequests) << "trial " << trial;
    }
}

}  // namespace
