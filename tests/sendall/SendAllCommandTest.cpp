// "korvel send-all" over a small demo shop, as an operator types it: the transfer files
// of the chosen kinds, the run's lines, and the exit status of refusals and failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "../app/KorvelProgram.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using KorvelTest::korvel;

namespace {

constexpr const char* AllPlu = "{33C67A78-198F-4183-9CEC-918906F67F28}";

std::string kind(const std::string& name, int code, const std::string& guid, bool toScales = false) {
    return "<key name=\"" + name + "\"><key name=\"Kod typu operacji\" type=\"int\" value=\"" + std::to_string(code) +
           "\"/><key name=\"GUID\" type=\"string\" value=\"" + guid + "\"/>" +
           (toScales ? "<key name=\"Wysłanie na wagi\" type=\"bool\" value=\"true\"/>" : "") + "</key>\n";
}

std::string directoryKey(const std::string& name, const fs::path& directory) {
    fs::create_directories(directory);
    return "<key name=\"" + name + "\" type=\"string\" value=\"" + directory.string() + "\"/>";
}

class SendAllCommand : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(out);
        const auto created = korvel("--database " + url() + " db init --demo --products 40", dir);
        ASSERT_EQ(created.exitCode, 0) << created.err;
        TestSupport::writeFile(
            dir / "config.xml",
            "<configuration><key name=\"Parametry programu\">\n"
            " <key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"false\"/>\n"
            " <key name=\"Refundacja promocji\"><key name=\"Włączona\" type=\"bool\" value=\"false\"/></key>\n"
            " <key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">\n"
            "  <key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
                out.string() +
                "\"/>\n"
                "  <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>\n"
                "  <key name=\"Wysyłanie wszystkich danych\">\n" +
                kind("PLU", 80, AllPlu, true) + kind("PLU tylko do kas", 85, AllPlu) +
                kind("Jednostki miar", 20, "{E09C034C-19EC-4820-8DBE-D2924699A364}") +
                kind("Państwa", 30, "{437AB953-9C47-4D60-AD24-4C38E7688081}") +
                kind("Nieznany", 25, "{00000000-0000-0000-0000-000000000000}") +
                "  </key>\n"
                " </key>\n"
                " <key name=\"Serwer Wagowy\">" +
                directoryKey("Katalog tymczasowy", dir / "wagi_tmp") + directoryKey("Katalog danych", scaleData) +
                directoryKey("Katalog statusów", dir / "wagi_status") +
                "<key name=\"Wysyłaj kody wagowe (W)\" type=\"bool\" value=\"true\"/>"
                "<key name=\"Wysyłaj kody wartościowe (C)\" type=\"bool\" value=\"true\"/>"
                "<key name=\"Wysyłaj tylko PLU wagowe pasujące do prefiksu\" type=\"bool\" value=\"false\"/>"
                "<key name=\"Wysyłaj składy surowcowe dla grup\" type=\"bool\" value=\"false\"/></key>\n"
                " </key>\n"
                "</key></configuration>");
    }

    std::string url() const { return "sqlite:" + (dir / "shop.db").string(); }

    KorvelTest::Result run(const std::string& command) const {
        return korvel("--config " + (dir / "config.xml").string() + " --database " + url() + " send-all " + command,
                      dir);
    }

    // File extensions (the kind's type) in the output directory, in the order they were written.
    // The first and last write time of each kind's files (by extension). Files written
    // within one clock tick share a time, so the kinds' order shows as windows that do
    // not overlap rather than as a strict order of files.
    std::map<std::string, std::pair<fs::file_time_type, fs::file_time_type>> writeWindows() const {
        std::map<std::string, std::pair<fs::file_time_type, fs::file_time_type>> windows;
        for (const auto& file : fs::directory_iterator(out)) {
            const auto time = file.last_write_time();
            const auto [window, added] = windows.try_emplace(file.path().extension().string(), time, time);
            window->second.first = std::min(window->second.first, time);
            window->second.second = std::max(window->second.second, time);
        }
        return windows;
    }

    TestSupport::TempDir dir;
    const fs::path out = dir / "kasy";
    const fs::path scaleData = dir / "wagi_dane";
};

TEST_F(SendAllCommand, SendsTheChosenKindsInCodeOrderAndSaysSo) {
    const auto result = run("--kinds 80,30,20 --devices all");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Wysyłanie danych...\n[1/3] Jednostki miar\n[2/3] Państwa\n[3/3] PLU\nWysyłanie zakończone.\n");
    // Units, then countries, then the PLU package (PLU records, compositions).
    const auto windows = writeWindows();
    ASSERT_TRUE(windows.count(".13") && windows.count(".10") && windows.count(".01"));
    EXPECT_LE(windows.at(".13").second, windows.at(".10").first);
    EXPECT_LE(windows.at(".10").second, windows.at(".01").first);
}

TEST_F(SendAllCommand, OnlyAKindThatGoesToScalesReachesTheScales) {
    const auto registersOnly = run("--kinds 85 --devices all");
    ASSERT_EQ(registersOnly.exitCode, 0) << registersOnly.err;
    EXPECT_FALSE(fs::is_empty(out));
    EXPECT_TRUE(fs::is_empty(scaleData));
    const auto withScales = run("--kinds 80 --devices all");
    ASSERT_EQ(withScales.exitCode, 0) << withScales.err;
    EXPECT_FALSE(fs::is_empty(scaleData));
}

TEST_F(SendAllCommand, WrongArgumentsAreRefusedBeforeAnythingIsSent) {
    const auto missing = run("--kinds 20");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("Polecenie send-all wymaga opcji --kinds i --devices."), std::string::npos)
        << missing.err;
    const auto bad = run("--kinds 20,x --devices all");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("Opcja --kinds wymaga liczb całkowitych oddzielonych przecinkami"), std::string::npos)
        << bad.err;
    const auto unknown = run("--kinds 20,55 --devices all");
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "korvel: Brak rodzaju danych o kodzie typu operacji 55 w konfiguracji.\n");
    const auto noDevices = run("--kinds 20 --devices 999999");
    EXPECT_EQ(noDevices.exitCode, 0) << noDevices.err;  // a device that is not a register gets nothing
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(SendAllCommand, AFailingKindStopsTheRunWithExitStatusOne) {
    const auto result = run("--kinds 80,25,20 --devices all");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("Brak akcji o identyfikatorze {00000000-0000-0000-0000-000000000000}."),
              std::string::npos)
        << result.out;
    EXPECT_TRUE(result.out.ends_with("Błąd podczas wysyłania danych.\n")) << result.out;
    const auto windows = writeWindows();  // the PLU kind after it never ran
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows.begin()->first, ".13");
}

}  // namespace
