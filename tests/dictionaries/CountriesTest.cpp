// The countries dictionary: the changed-flag decides changed-only runs and is cleared
// only together with a successful send.
#include <filesystem>

#include "DictionaryShop.h"
#include "frame/SendAllDataActionInvoker.h"

namespace DictionaryTest {
namespace {

constexpr const char* SendCountries = "{58F8DAD3-BEDE-4B39-B0EB-6989D05D4B37}";
constexpr const char* SendAllCountries = "{437AB953-9C47-4D60-AD24-4C38E7688081}";
constexpr const char* SendCountriesFire = "{D41BE5C9-055B-4D8E-99DA-8FE6982C9B99}";

constexpr int CountriesType = 0x10;

class Countries : public DictionaryShop {
protected:
    void SetUp() override {
        DictionaryShop::SetUp();
        addCashRegisters({2, 1});
        exec("insert into Country (id, code, name, activityStatus) values (3, 'CZ', 'Czechy', 1)");
        exec("insert into Country (id, code, name, activityStatus) values (1, 'PL', 'Polska', 0)");
        exec("insert into Country (id, code, name, activityStatus) values (2, 'YU', 'Jugosławia', 2)");
    }
};

TEST_P(Countries, ChangedOnlyRunWithoutChangeSendsNothingAndLeavesTheFlag) {
    setCountriesChanged(false);
    auto console = java::make<ConsoleArgs>();
    EXPECT_TRUE(fire(SendCountriesFire, console).succeeded());
    EXPECT_TRUE(files().empty());
    EXPECT_FALSE(countriesChanged());
    EXPECT_TRUE(fire(SendCountries, java::make<SendAllDataActionInvoker>(std::nullopt, nullptr)).succeeded());
    EXPECT_TRUE(files().empty());
}

TEST_P(Countries, AllInAnyLetterCaseSendsEveryCountryButTheInactiveAndClearsTheFlag) {
    setCountriesChanged(true);
    auto console = java::make<ConsoleArgs>(Texts{"-aLl"});
    EXPECT_TRUE(fire(SendCountriesFire, console).succeeded());
    EXPECT_EQ(console->out.str(), "Wysłano słownik państw.\n");
    TransferFile file;
    readOnly(CountriesType, file);
    EXPECT_EQ(file.kind, "countries");
    EXPECT_EQ(file.cashRegisters, (std::vector<int>{1, 2}));
    EXPECT_EQ(file.column("code"), (Texts{"PL", "CZ"}));  // in the order read, the inactive one left out
    EXPECT_EQ(file.column("name"), (Texts{"Polska", "Czechy"}));
    EXPECT_FALSE(countriesChanged());
}

TEST_P(Countries, ChangedOnlyRunAfterAChangeSendsOnceThenWaitsForTheNextChange) {
    setCountriesChanged(true);
    EXPECT_TRUE(fire(SendCountries, java::make<SendAllDataActionInvoker>(std::set<int>{101}, nullptr)).succeeded());
    TransferFile file;
    readOnly(CountriesType, file);
    EXPECT_EQ(file.cashRegisters, std::vector<int>{1});  // the invoker's choice narrows the registers
    EXPECT_FALSE(countriesChanged());
    EXPECT_TRUE(fire(SendCountries, java::make<ConsoleArgs>()).succeeded());
    EXPECT_EQ(files().size(), 1u);
}

TEST_P(Countries, AFailedSendLeavesTheFlagSetForTheNextRun) {
    setCountriesChanged(true);
    std::filesystem::remove(out);  // the transfer file cannot be written
    const auto status = fire(SendAllCountries, java::make<ConsoleArgs>());
    EXPECT_FALSE(status.succeeded());
    EXPECT_TRUE(countriesChanged());

    std::filesystem::create_directory(out);
    EXPECT_TRUE(fire(SendCountries, java::make<ConsoleArgs>()).succeeded());
    EXPECT_EQ(files().size(), 1u);
    EXPECT_FALSE(countriesChanged());
}

TEST_P(Countries, NoInstalledCashRegisterIsAnErrorThatKeepsTheFlag) {
    exec("update Urzadzenie set bZainstalowane = 0");
    setCountriesChanged(true);
    const auto status = fire(SendAllCountries, java::make<ConsoleArgs>());
    EXPECT_FALSE(status.succeeded());
    EXPECT_EQ(status.message(), "Brak włączonych kas.");
    EXPECT_TRUE(countriesChanged());
    EXPECT_TRUE(files().empty());
}

TEST_P(Countries, WrongConsoleArgumentsWriteTheUsageAndSendNothing) {
    setCountriesChanged(true);
    const std::string usage =
        "Akcja wysyłająca słownik państw.\nPoprawne użycie akcji:\n"
        "fire <guid_akcji> // wysłanie słownika państw tylko w przypadku \n"
        "wprowadzonych zmian od czasu poprzedniego wysłania\n"
        "fire <guid_akcji> -ALL // wysłanie całego słownika państw\n";
    struct Case {
        Texts arguments;
        std::string message;
    } cases[] = {{{"-all", "-all"}, "Niepoprawna liczba parametrów"}, {{"all"}, "Niepoprawna lista argumentów."}};
    for (const auto& c : cases) {
        auto console = java::make<ConsoleArgs>(c.arguments);
        const auto status = fire(SendCountriesFire, console);
        EXPECT_FALSE(status.succeeded());
        EXPECT_EQ(console->out.str(), c.message + "\n" + usage);
    }
    EXPECT_TRUE(files().empty());
    EXPECT_TRUE(countriesChanged());
}

KORVEL_ON_EACH_ENGINE(Countries);

}  // namespace
}  // namespace DictionaryTest
