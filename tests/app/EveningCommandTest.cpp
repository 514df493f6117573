// "korvel evening" over a small shop, console actions on it, and the refusals that
// come before any action runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>
#include <string>

#include "KorvelProgram.h"
#include "db/Query.h"
#include "db/SessionHolder.h"
#include "support/CashRegisterConfig.h"
#include "support/ShopRows.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using KorvelTest::korvel;

namespace {

constexpr const char* EveningDiscounts = "EveningProcessingSendDiscounts {73B401CC-A156-48FF-8BCC-2A7409779E72}: ";

class SmallShop : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(out);
        const auto created = korvel("--database " + url() + " db init --demo --products 30", dir);
        ASSERT_EQ(created.exitCode, 0) << created.err;
        configure(true);
    }

    std::string url() const { return "sqlite:" + (dir / "shop.db").string(); }

    void configure(bool eveningDiscounts) const {
        TestSupport::writeFile(dir / "config.xml", TestSupport::cashRegisterConfiguration(out, eveningDiscounts));
    }

    KorvelTest::Result run(const std::string& command) const {
        return korvel("--config " + (dir / "config.xml").string() + " --database " + url() + " " + command, dir);
    }

    std::size_t filesOfType(const std::string& extension) const {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(out)) count += entry.path().extension() == extension;
        return count;
    }

    TestSupport::TempDir dir;
    const fs::path out = dir / "kasy";
};

TEST_F(SmallShop, EveningRunsEachSwitchedOnStepForTheDayAndReportsItsStatus) {
    const auto result = run("evening --day 05.12.2026");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("Przetwarzanie wieczorne za dzień 05.12.2026\n", 0), 0u) << result.out;
    EXPECT_NE(result.out.find(EveningDiscounts + std::string("Wysłano typy przecen automatycznych.\n")),
              std::string::npos)
        << result.out;
    ASSERT_EQ(filesOfType(".14"), 1u);

    // The file holds every active discount type of the shop.
    TSessionHolder shop(url());
    const auto active = TestSupport::integerOf(shop, "select count(*) from AutomaticDiscountType where isActive = 1");
    std::string content;
    for (const auto& entry : fs::directory_iterator(out)) content = TestSupport::readFile(entry.path());
    std::size_t records = 0;
    for (auto at = content.find("<automaticDiscountType "); at != std::string::npos;
         at = content.find("<automaticDiscountType ", at + 1))
        ++records;
    EXPECT_EQ(records, static_cast<std::size_t>(active));

    configure(false);
    const auto skipped = run("evening");
    ASSERT_EQ(skipped.exitCode, 0) << skipped.err;
    EXPECT_NE(skipped.out.find(EveningDiscounts + std::string("pominięto: warunki wykonania niespełnione\n")),
              std::string::npos)
        << skipped.out;
    EXPECT_EQ(filesOfType(".14"), 1u);
}

TEST_F(SmallShop, AFailingStepMakesTheRunFailAndSaysWhy) {
    fs::remove_all(out);
    const auto result = run("evening");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find(EveningDiscounts + std::string("błąd\n")), std::string::npos) << result.out;
    EXPECT_EQ(result.err.rfind("korvel: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(EveningDiscounts), std::string::npos) << result.err;
}

TEST_F(SmallShop, EveningRefusesAWrongDayBeforeAnythingRuns) {
    for (const char* arguments :
         {"evening --day 31.02.2026", "evening --day 2026-12-05", "evening --day", "evening now"}) {
        const auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_NE(result.err.find("Użycie:"), std::string::npos) << arguments;
    }
    EXPECT_EQ(korvel("evening", dir).exitCode, 2);  // no database named
    EXPECT_EQ(filesOfType(".14"), 0u);
}

TEST_F(SmallShop, ConsoleDictionaryActionsRunOnTheDemoShop) {
    for (const char* guid : {"{D41BE5C9-055B-4D8E-99DA-8FE6982C9B99}", "{06603682-90B0-417E-A39F-43977D190D12}",
                             "{0CFA421A-34C9-48CE-91DE-CE5DD923E23E}", "{6B38AA4C-608E-4E23-8F60-CD9D1721257F}",
                             "{DB01743F-D1A4-4B8E-9B38-17AF4441EE79}"}) {
        const auto result = run(std::string("fire '") + guid + "'");
        EXPECT_EQ(result.exitCode, 0) << guid << ": " << result.err;
    }
    // Countries (changed in the demo shop), discount types, payment forms.
    for (const char* extension : {".10", ".14", ".15"}) EXPECT_EQ(filesOfType(extension), 1u) << extension;
}

TEST_F(SmallShop, ConsoleVoucherConfigurationAndTurnoverActionsRunOnTheDemoShop) {
    const fs::path vouchers = dir / "bony";
    fs::create_directories(vouchers);
    TestSupport::writeFile(dir / "config.xml", TestSupport::eveningConfiguration({out, vouchers, 8, std::nullopt}));
    TestSupport::writeFile(vouchers / "blokady.xml",
                           "<?xml version=\"1.0\"?>\n<blokady><blokada><grupa>Konsola</grupa><numerator_od>K1"
                           "</numerator_od><numerator_do>K9</numerator_do></blokada></blokady>\n");
    const auto documentOf = [&](char prefix, pugi::xml_document& document) {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(out))
            if (entry.path().filename().string().front() == prefix) found.push_back(entry.path());
        ASSERT_EQ(found.size(), 1u) << prefix;
        ASSERT_TRUE(document.load_file(found.front().c_str())) << found.front();
    };

    const auto vouchersSent = run("fire '{666B80FA-A771-4059-9E05-884A842A1D1D}'");
    EXPECT_EQ(vouchersSent.exitCode, 0) << vouchersSent.err;
    EXPECT_EQ(vouchersSent.out, "Pomyślnie wysłano zablokowane bony.\n");
    pugi::xml_document blocked;
    documentOf('B', blocked);
    EXPECT_STREQ(blocked.document_element().child("blockedVoucher").attribute("numberTo").value(), "K9");

    // Every register of the shop gets its configuration.
    const auto configured = run("fire '{3AA321A5-25CE-4124-BF7B-87F4D2635EDC}' all");
    EXPECT_EQ(configured.exitCode, 0) << configured.err;
    pugi::xml_document configuration;
    documentOf('K', configuration);
    TSessionHolder shop(url());
    const auto configurations = configuration.document_element().children("configuration");
    EXPECT_EQ(std::distance(configurations.begin(), configurations.end()),
              TestSupport::integerOf(shop, "select count(*) from Urzadzenie where nNrTypuUrz = 0"));

    // One register, one day: the command names just those.
    const auto requested = run("fire '{8BD5C29E-34E1-4FBA-9013-38D864026393}' 02.12.2026 2");
    EXPECT_EQ(requested.exitCode, 0) << requested.err;
    EXPECT_NE(requested.out.find("[info] Wysłano polecenie GetDailyTurnover do kasy nr 2 za dzień/dni 02.12.2026\n"),
              std::string::npos)
        << requested.out;
    pugi::xml_document command;
    documentOf('R', command);
    EXPECT_STREQ(command.document_element().child("cashRegisters").child("cashRegister").attribute("number").value(),
                 "2");
    EXPECT_STREQ(command.document_element().child("command").child("day").attribute("date").value(), "2026-12-02");
    EXPECT_TRUE(command.document_element().child("command").child("day").next_sibling("day").empty());
}

TEST_F(SmallShop, AnActionThatNeedsAWindowFailsInTheConsoleNamingItAndSendsNothing) {
    // The return reasons are sent from the menu only, to the registers the operator chooses.
    const auto result = run("fire '{25204217-C108-4FD7-A241-50AC1A2B901A}'");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("SendAllReturnReasons"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("wymaga okna programu"), std::string::npos) << result.err;
    EXPECT_EQ(filesOfType(".11"), 0u);
}

TEST(KorvelWithoutShop, EveryCommandOnADatabaseWithoutTheShopSchemaSaysToInitialiseIt) {
    TestSupport::TempDir dir;
    const std::string url = "sqlite:" + (dir / "empty.db").string();
    TSessionHolder(url, DBKernel::OpenMode::CreateIfMissing);
    const std::string expected =
        "korvel: Baza danych " + url + " nie zawiera schematu sklepu. Utwórz go poleceniem: korvel db init\n";
    for (const char* command : {"fire '{050958DF-B168-4E5A-80E2-CC598C81515F}'", "evening", "actions"}) {
        const auto result = korvel("--database " + url + " " + command, dir);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(result.err, expected) << command;
        EXPECT_TRUE(result.out.empty()) << command;
    }
}

}  // namespace
