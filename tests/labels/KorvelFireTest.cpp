// The label export by stock change as a user runs it: "korvel fire" over a demo shop,
// the host's FTP action uploading to a real server.
#include <gtest/gtest.h>

#include "../app/KorvelProgram.h"
#include "LabelsSetup.h"
#include "core/DateTime.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using KorvelTest::korvel;
using TestSupport::FtpServer;

namespace {

// The labels key of a configuration file, as an operator writes it.
std::string configuration(const LabelsTest::LabelsSettings& labels) {
    std::string keys = "<key name=\"Włączone\" type=\"bool\" value=\"true\"/>\n";
    for (const auto& [name, value] : std::initializer_list<std::pair<const char*, std::string>>{
             {"Klasa eksportu", labels.className},
             {"Katalog plików etykiet", labels.localFolder.string()},
             {"Serwer FTP", labels.server},
             {"Użytkownik FTP", labels.user},
             {"Hasło FTP", labels.password},
             {"Folder etykiet", labels.remoteFolder}})
        keys += std::string("<key name=\"") + name + "\" type=\"string\" value=\"" + value + "\"/>\n";
    return "<configuration><key name=\"Parametry sklepu\"><key name=\"Towary\"><key name=\"Etykiety elektroniczne\">\n" +
           keys + "</key></key></key></configuration>\n";
}

TEST(KorvelFire, TheStockExportUploadsTheDemoShopsChangedLabelsOrSaysWhyNot) {
    TestSupport::TempDir dir;
    TestSupport::TempDir remote;
    FtpServer server(remote.path());
    TestSupport::writeFile(dir / "config.xml", configuration(LabelsTest::settingsFor(server, dir / "etykiety")));
    const std::string database = "--database sqlite:" + (dir / "shop.db").string();
    ASSERT_EQ(korvel(database + " db init --demo --products 300 --seed 5", dir).exitCode, 0);
    const std::string fire =
        "--config " + (dir / "config.xml").string() + " " + database + " fire {8DFBDE64-767D-4A68-B7FC-421C885627C1} ";
    const int today = Core::DateTime::today();
    const std::string range = Core::DateTime::formatDate(today - 90) + " " + Core::DateTime::formatDate(today);

    const KorvelTest::Result done = korvel(fire + range, dir);
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, "Zrobione.\n");
    const auto received = server.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_TRUE(received[0].ends_with(".dat") && received[1].ends_with(".flg")) << received[0];
    EXPECT_FALSE(TestSupport::readFile(remote / received[0]).empty());

    const KorvelTest::Result none = korvel(fire + "01.01.2001 02.01.2001", dir);
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(none.out, "Brak etykiet do wysłania.\n");

    server.stop();
    const KorvelTest::Result failed = korvel(fire + range, dir);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Błąd połączenia z serwerem etykiet " + server.address() + ": "), std::string::npos)
        << failed.err;
    EXPECT_EQ(failed.err.find(server.password()), std::string::npos) << failed.err;
    EXPECT_EQ(LabelsTest::filesIn(dir / "etykiety").size(), 1u);
}

}  // namespace
