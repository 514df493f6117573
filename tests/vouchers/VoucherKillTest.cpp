// A blocked-voucher sending killed at any moment loses no range. Each trial puts
// fresh import files in the folder, starts `korvel fire` (the console sending, the same
// run as the evening step), kills it with SIGKILL after the first file has been
// archived plus a trial-dependent delay, and runs it again to completion. Every range
// must then be in a blocked-voucher transfer file of one of the two runs, and no
// import file may wait any more.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <thread>

#include "../crash/KorvelChild.h"
#include "VoucherFiles.h"
#include "db/Command.h"
#include "db/SessionHolder.h"
#include "shopdb/Schema.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const fs::path korvel = fs::path(KORVEL_TEST_BINARY_DIR) / "bin" / "korvel";
constexpr const char* ConsoleSending = "{666B80FA-A771-4059-9E05-884A842A1D1D}";
constexpr int FilesPerTrial = 150;
constexpr int RangesPerFile = 20;

std::string configuration(const fs::path& out, const fs::path& import) {
    return "<configuration><key name=\"Parametry programu\">"
           "<key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">"
           "<key name=\"Katalog - wyjście\" type=\"string\" value=\"" + out.string() + "\"/>"
           "<key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"xmlbasedservercommunication\"/>"
           "</key></key>"
           "<key name=\"Odczyt wieczorny\"><key name=\"Import zablokowanych bonów\">"
           "<key name=\"Folder\" type=\"string\" value=\"" + import.string() + "\">"
           "<key name=\"Usuwanie starych plików\" type=\"bool\" value=\"false\"/></key></key></key>"
           "</key></configuration>";
}

bool anyArchive(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".arch") return true;
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

TEST(VoucherKill, ARunKilledAtAnyMomentAndRunAgainLosesNoRange) {
    TestSupport::TempDir root;
    const fs::path out = root / "wyjście", import = root / "bony", config = root / "config.xml";
    fs::create_directories(out);
    fs::create_directories(import);
    const std::string url = "sqlite:" + (root / "shop.db").string();
    {
        TSessionHolder session(url, DBKernel::OpenMode::CreateIfMissing);
        ShopDb::createSchema(session);
        DBKernel::Sql::Command("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrKolvenia) values (101, 0, 1)", session).execute();
    }
    VoucherFiles::write(config, configuration(out, import));
    const std::vector<std::string> arguments{"--config", config.string(), "--database", url, "fire", ConsoleSending};

    std::set<std::string> expected;
    int id = 0;
    for (int trial = 0; trial < 4; ++trial) {
        for (int f = 0; f < FilesPerTrial; ++f) {
            std::vector<int> ids;
            for (int r = 0; r < RangesPerFile; ++r) {
                ids.push_back(++id);
                expected.insert("G" + std::to_string(id));
            }
            VoucherFiles::write(import / ("t" + std::to_string(trial) + "-" + std::to_string(1000 + f) + ".xml"),
                                VoucherFiles::document(ids));
        }
        {
            KorvelRun::Child child(korvel, arguments, root.path());
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (!anyArchive(import) && std::chrono::steady_clock::now() < deadline)
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
        const KorvelRun::Outcome rerun = KorvelRun::run(korvel, arguments, root.path());
        ASSERT_EQ(rerun.exitCode, 0) << rerun.out << rerun.err;

        const std::set<std::string> sent = sentGroups(out);
        std::vector<std::string> lost;
        std::set_difference(expected.begin(), expected.end(), sent.begin(), sent.end(), std::back_inserter(lost));
        EXPECT_TRUE(lost.empty()) << "trial " << trial << ": " << lost.size() << " ranges lost, first " << lost.front();
        for (const auto& entry : fs::directory_iterator(import))
            EXPECT_NE(entry.path().extension(), ".xml") << entry.path();
        EXPECT_FALSE(fs::exists(import / "$blokady-do-wyslania.lst"));
    }
}

}  // namespace
