// The korvel program as a user runs it: exit codes, standard output and error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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
        {"gui extra", "Polecenie gui nie przyjmuje argumentów."},
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
    auto result =
        korvel("--config " + (dir / "config.xml").string() + " fire {00000000-0000-0000-0000-000000000000}", dir);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "korvel: Brak akcji o identyfikatorze {00000000-0000-0000-0000-000000000000}.\n");
}

TEST(KorvelCommand, MissingOrMalformedConfigurationStopsBeforeAnythingRuns) {
    TestSupport::TempDir dir;
    auto missing = korvel("--config " + (dir / "absent.xml").string() + " actions", dir);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("absent.xml"), std::string::npos) << missing.err;
    EXPECT_TRUE(missing.out.empty());

    TestSupport::writeFile(dir / "bad.xml",
                           "<configuration>\n  <key name=\"Inne\" type=\"float\" value=\"1\"/>\n</configuration>\n");
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
        {"--database sqlite:" + (dir / "a.db").string() + " db init --products -5", 2,
         "Niepoprawna wartość opcji --products: -5."},
        {"--database sqlite:" + (dir / "a.db").string() + " db init --colour", 2,
         "Nieznana opcja polecenia db init: --colour."},
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

namespace {

// The module's actions in their fixed registration order: GUID, class.
struct TableRow {
    const char* guid;
    const char* className;
};

const TableRow RegistrationOrder[] = {
    {"{050958DF-B168-4E5A-80E2-CC598C81515F}", "ActionProcessAndSendPLU"},
    {"{CC00F5AF-9092-4771-9DFC-7646A38E0CEF}", "EveningProcessingSendElectronicLabelsAction"},
    {"{8DFBDE64-767D-4A68-B7FC-421C885627C1}", "ActionSendElectronicLabels"},
    {"{6B38AA4C-608E-4E23-8F60-CD9D1721257F}", "CSendPowodyPrzecen"},
    {"{0C5B5340-E2FD-4587-98C4-148A8D9F5639}", "CSendPredefinedPromotionsWithRefGui"},
    {"{3E969B7A-AFE1-4B48-896F-4386E7429611}", "CSendPromotionWithGuidFire"},
    {"{C6483C5D-F3D0-4E33-A992-7AC0576A3F47}", "CSendPromotionWithRefGui"},
    {"{ADED7E1D-8ECF-414F-A466-24F4AA921918}", "CSendAllPromotions"},
    {"{9609DF3C-9DD7-4FA9-B9D7-4AF7340346EE}", "CSendNewAndModifiedPromotionsService"},
    {"{814B4352-C700-4454-8C7E-95FC7E47C90A}", "CSendNewAndModifiedPromotionsFire"},
    {"{F980BD6B-8CAD-42B1-91E6-3DE1D740C0A1}", "CSendNewAndModifiedPromotionsGui"},
    {"{42C44BBA-02FB-4FB9-8110-6121DD3B7E86}", "CFormCreator"},
    {"{33C67A78-198F-4183-9CEC-918906F67F28}", "CFormCreator"},
    {"{544130F9-B009-4201-AA99-2B70D9A802D4}", "Action"},
    {"{C2B83294-ECB5-4226-B7FD-EB0F3AFD9694}", "CFormCreator"},
    {"{D54FEB57-BEC8-48B9-A0AF-D65016319FA9}", "SendPLUForArticle"},
    {"{5C6D4373-0260-4B92-BBC7-C0CE2119548D}", "GetDefaultManager"},
    {"{58F8DAD3-BEDE-4B39-B0EB-6989D05D4B37}", "SendCountriesAction"},
    {"{437AB953-9C47-4D60-AD24-4C38E7688081}", "SendAllCountriesAction"},
    {"{D41BE5C9-055B-4D8E-99DA-8FE6982C9B99}", "SendCountriesFireAction"},
    {"{B3DE604D-793A-4274-821B-CDE73787CF5A}", "SendAllCountriesToSelectedCashRegisters"},
    {"{BD2AA1D6-5737-4F2C-93F8-289CF0A28CF3}", "CActionSendAllData"},
    {"{E5D576DD-52E6-44DF-891D-FFFE1E170150}", "CActionSendAllDataDlg"},
    {"{25204217-C108-4FD7-A241-50AC1A2B901A}", "SendAllReturnReasons"},
    {"{647DA539-760F-4008-9331-B1223B14C494}", "SendDiscountsFromSendAllDataDialog"},
    {"{06603682-90B0-417E-A39F-43977D190D12}", "SendDiscountsFireAction"},
    {"{73B401CC-A156-48FF-8BCC-2A7409779E72}", "EveningProcessingSendDiscounts"},
    {"{C41B54CC-C2EA-49A7-8056-B38250DFDF33}", "SendDiscountsFromDiscountsTypeBrowser"},
    {"{666B80FA-A771-4059-9E05-884A842A1D1D}", "ConsoleAction"},
    {"{66640447-10CB-4FC5-AE02-A7F70EACBF7B}", "EveningAction"},
    {"{66657C83-3222-4DB3-BDA0-4B650B47E7F4}", "DefaultAction"},
    {"{3AA321A5-25CE-4124-BF7B-87F4D2635EDC}", "SendCashRegisterConfigAction"},
    {"{DB01743F-D1A4-4B8E-9B38-17AF4441EE79}", "SendCustomersByFireAction"},
    {"{253617CF-8D6A-4519-AE87-83D0525E4090}", "CFormCreator"},
    {"{BFF29173-48EC-4E7C-965B-1DBE591ED70A}", "SendMeasureUnitsDialog"},
    {"{E09C034C-19EC-4820-8DBE-D2924699A364}", "SendMeasureUnitsFromSendAllDataDialog"},
    {"{0CFA421A-34C9-48CE-91DE-CE5DD923E23E}", "CSendPlatnosci"},
    {"{E0759232-1BFC-4430-B2AA-3A27D42A2BCB}", "SendPluConfigDlgAction"},
    {"{FAB0F730-43DA-4269-A257-37E1FBB3F8C2}", "SendPluConfigAction"},
    {"{F446E90A-9A45-4F94-A099-C4080E116E38}", "CFormCreator"},
    {"{B7FFCF3F-D78D-4CDF-A7D6-3D32FE4EBC14}", "SendVatRatesByDateAction"},
    {"{261A23A0-7040-423C-B176-64128A8D8BEF}", "SendVatRatesAction"},
    {"{33492019-BD5A-4EC7-B635-FB64A80312AE}", "CheckCommunicationAction"},
    {"{F21B8388-AD46-417B-9C12-F8669BA6C941}", "EveningProcessingAction"},
    {"{8BD5C29E-34E1-4FBA-9013-38D864026393}", "FireAction"},
};

// "Namespace::Class" -> "Class"
std::string unqualified(const std::string& name) {
    const auto colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

}  // namespace

// The creators the module puts in the external data senders registry.
const char* const SenderCreators[] = {"{8A0533F1-069C-40E2-90B1-ADE435D1AA5D}",
                                      "{E5380393-2351-43EE-9623-3A4CCF4027AF}",
                                      "{69F39AE7-AF4B-4921-9242-F3328EB55EBF}"};

// `korvel actions` lists "GUID class" per line: every row of the module is there under
// its class, in the table's order (lines of the host's own actions may stand between
// them), and after the actions every sender creator.
TEST(KorvelCommand, ActionsListsTheModulesActionsInTheirRegistrationOrder) {
    TestSupport::TempDir dir;
    const auto result = korvel("actions", dir);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::pair<std::string, std::string>> listed;  // module rows only, as listed
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        const auto space = line.find(' ');
        ASSERT_NE(space, std::string::npos) << line;
        const std::string guid = line.substr(0, space);
        for (const auto& row : RegistrationOrder)
            if (guid == row.guid) listed.emplace_back(guid, unqualified(line.substr(space + 1)));
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const auto& row : RegistrationOrder) expected.emplace_back(row.guid, row.className);
    EXPECT_EQ(listed, expected);
    for (const char* guid : SenderCreators)
        EXPECT_NE(result.out.find(std::string(guid) + " (sender creator)\n"), std::string::npos) << guid;
}
