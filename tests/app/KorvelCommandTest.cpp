// The korvel program as a user runs it: exit codes, standard output and error.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "KorvelProgram.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"

namespace {

using KorvelTest::korvel;

const char* ValidConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<configuration>
  <key name="Inne">
    <key name="Obsługa stacji paliw" type="bool" value="false"/>
  </key>
</configuration>
)";

}  // namespace

TEST(KorvelCommand, HelpPrintsUsageAndSucceeds) {
    TestSupport::TempDir dir;
    auto result = korvel("--help", dir);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("korvel [--config PLIK] [--database URL] fire <guid_akcji>"), std::string::npos);
}

TEST(KorvelCommand, UsageErrorsExitWithTwoAndExplain) {
    TestSupport::TempDir dir;
    struct Case {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"", "Brak polecenia."},
        {"launch", "Nieznane polecenie launch."},
        {"fire", "Polecenie fire wymaga GUID akcji."},
        {"--config", "Opcja --config wymaga wartości."},
        {"--verbose actions", "Nieznana opcja --verbose."},
        {"actions extra", "Polecenie actions nie przyjmuje argumentów."},
    };
    for (const auto& c : cases) {
        auto result = korvel(c.arguments, dir);
        EXPECT_EQ(result.exitCode, 2) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << c.arguments;
    }
}

TEST(KorvelCommand, UnknownGuidFailsWithMessage) {
    TestSupport::TempDir dir;
    TestSupport::writeFile(dir / "config.xml", ValidConfig);
    auto result = korvel("--config " + (dir / "config.xml").string() + " fire {00000000-0000-0000-0000-000000000000}", dir);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "korvel: Brak akcji o identyfikatorze {00000000-0000-0000-0000-000000000000}.\n");
}

TEST(KorvelCommand, MissingOrMalformedConfigurationStopsBeforeAnythingRuns) {
    TestSupport::TempDir dir;
    auto missing = korvel("--config " + (dir / "absent.xml").string() + " actions", dir);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("absent.xml"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.empty());

    TestSupport::writeFile(dir / "bad.xml", "<configuration>\n  <key name=\"Inne\" type=\"float\" value=\"1\"/>\n</configuration>\n");
    auto malformed = korvel("--config " + (dir / "bad.xml").string() + " actions", dir);
    EXPECT_EQ(malformed.exitCode, 1);
    EXPECT_NE(malformed.err.find("bad.xml"), std::string::npos) << malformed.err;
    EXPECT_NE(malformed.err.find("bad.xml, wiersz 2: "), std::string::npos) << malformed.err;  // the bad key's line
}

TEST(KorvelCommand, ConfigurationComesFromTheEnvironmentWhenNotGiven) {
    TestSupport::TempDir dir;
    auto result = korvel("actions", dir);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    setenv("KORVEL_CONFIG", (dir / "nowhere.xml").c_str(), 1);
    auto fromEnvironment = korvel("actions", dir);
    unsetenv("KORVEL_CONFIG");
    EXPECT_EQ(fromEnvironment.exitCode, 1);
    EXPECT_NE(fromEnvironment.err.find("nowhere.xml"), std::string::npos) << fromEnvironment.err;
}

TEST(KorvelCommand, DbInitCreatesTheShopOnceAndRecreatesOnlyWhenForced) {
    TestSupport::TempDir dir;
    const std::string url = "sqlite:" + (dir / "shop.db").string();
    auto created = korvel("--database " + url + " db init --demo --products 50 --seed 3", dir);
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_NE(created.out.find("Sklep demonstracyjny: towarów 50,"), std::string::npos) << created.out;

    auto again = korvel("--database " + url + " db init", dir);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("zawiera już schemat sklepu"), std::string::npos) << again.err;

    auto forced = korvel("--database " + url + " db init --force --demo --products 20", dir);
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NE(forced.out.find("towarów 20,"), std::string::npos) << forced.out;
}

TEST(KorvelCommand, DbInitRefusesBadInputAndCreatesNothing) {
    TestSupport::TempDir dir;
    struct Case {
        std::string arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {"db init", 2, "wymaga bazy danych"},
        {"--database sqlite:" + (dir / "a.db").string() + " db", 2, "wymaga podpolecenia init"},
        {"--database sqlite:" + (dir / "a.db").string() + " db init --products -5", 2, "Niepoprawna wartość opcji --products: -5."},
        {"--database sqlite:" + (dir / "a.db").string() + " db init --colour", 2, "Nieznana opcja polecenia db init: --colour."},
        {"--database mysql://" + (dir / "a.db").string() + " db init", 1, "nie wskazuje rodzaju bazy"},
        {"--database sqlite:" + (dir / "missing" / "a.db").string() + " db init", 1, "nie można otworzyć bazy danych"},
    };
    for (const auto& c : cases) {
        auto result = korvel(c.arguments, dir);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << ": " << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "a.db"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(KorvelCommand, DbInitCreatesTheShopOnPostgreSql) {
    TestSupport::TempDir dir;
    auto database = TestSupport::PostgresCluster::instance().createDatabase();
    auto created = korvel("--database '" + database.url() + "' db init --demo --products 40", dir);
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_NE(created.out.find("towarów 40,"), std::string::npos) << created.out;
    auto again = korvel("--database '" + database.url() + "' db init", dir);
    EXPECT_EQ(again.exitCode, 1);
}
