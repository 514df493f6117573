// The label export by stock change as a user runs it: "korvel fire" over a demo shop,
// the host's FTP action uploading to a real server.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "LabelsSetup.h"
#include "core/DateTime.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using TestSupport::FtpServer;

namespace {

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

Result korvel(const std::string& arguments, const TestSupport::TempDir& dir) {
    const std::string command = std::string(KORVEL_TEST_BINARY_DIR) + "/bin/korvel " + arguments + " >" +
                                (dir / "out.txt").string() + " 2>" + (dir / "err.txt").string() + " </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TestSupport::readFile(dir / "out.txt"),
            TestSupport::readFile(dir / "err.txt")};
}

std::string configuration(const FtpServer& server, const fs::path& local) {
    return "<configuration>\n"
           " <key name=\"Parametry sklepu\"><key name=\"Towary\"><key name=\"Etykiety elektroniczne\">\n"
           "  <key name=\"Włączone\" type=\"bool\" value=\"true\"/>\n"
           "  <key name=\"Klasa eksportu\" type=\"string\" value=\"ElectronicLabelsSender\"/>\n"
           "  <key name=\"Katalog plików etykiet\" type=\"string\" value=\"" +
           local.string() +
           "\"/>\n"
           "  <key name=\"Serwer FTP\" type=\"string\" value=\"" +
           server.address() +
           "\"/>\n"
           "  <key name=\"Użytkownik FTP\" type=\"string\" value=\"" +
           server.user() +
           "\"/>\n"
           "  <key name=\"Hasło FTP\" type=\"string\" value=\"" +
           server.password() +
           "\"/>\n"
           "  <key name=\"Folder etykiet\" type=\"string\" value=\"etykiety\"/>\n"
           " </key></key></key>\n"
           "</configuration>\n";
}

TEST(KorvelFire, TheStockExportUploadsTheDemoShopsChangedLabelsOrSaysWhyNot) {
    TestSupport::TempDir dir;
    TestSupport::TempDir remote;
    FtpServer server(remote.path());
    fs::create_directories(remote / "etykiety");
    TestSupport::writeFile(dir / "config.xml", configuration(server, dir / "etykiety"));
    const std::string database = "--database sqlite:" + (dir / "shop.db").string();
    ASSERT_EQ(korvel(database + " db init --demo --products 300 --seed 5", dir).exitCode, 0);
    const std::string fire =
        "--config " + (dir / "config.xml").string() + " " + database + " fire {8DFBDE64-767D-4A68-B7FC-421C885627C1} ";
    const int today = Core::DateTime::today();
    const std::string range = Core::DateTime::formatDate(today - 90) + " " + Core::DateTime::formatDate(today);

    const Result done = korvel(fire + range, dir);
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, "Zrobione.\n");
    const auto received = server.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_TRUE(received[0].ends_with(".dat") && received[1].ends_with(".flg")) << received[0];
    EXPECT_FALSE(TestSupport::readFile(remote / received[0]).empty());

    const Result none = korvel(fire + "01.01.2001 02.01.2001", dir);
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(none.out, "Brak etykiet do wysłania.\n");

    server.stop();
    const Result failed = korvel(fire + range, dir);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Błąd połączenia z serwerem etykiet " + server.address() + ": "), std::string::npos)
        << failed.err;
    EXPECT_EQ(failed.err.find(server.password()), std::string::npos) << failed.err;
    EXPECT_EQ(LabelsTest::filesIn(dir / "etykiety").size(), 1u);
}

}  // namespace
