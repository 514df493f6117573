// Configuration sends over a shop on each engine: the cash-register configuration from
// the console with its argument forms, and the PLU configuration from the send-all-data
// action and from the menu with the operator's choice of registers.
#include <gtest/gtest.h>

#include <algorithm>

#include "CashRegisterShop.h"
#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/SendAllDataActionInvoker.h"

namespace {

using namespace CrShop;
namespace Guids = Kolvenia::ActionGuids;

const std::string Usage =
    "Akcja wysłanie konfiguracji do kas.\nPrzykłady poprawnego uzycia akcji:\nfire <guid_akcji> \"lista_nr_kas\" \n"
    "--> wysłanie konfiguracji do wymienionych kas.\nfire <guid_akcji> all\n--> wysłanie konfiguracji do wszystkich kas.\n"
    "fire <guid_akcji>\n--> wysłanie konfiguracji do czynnych i aktywnych kas\n"
    "## lista_nr_kas może być oddzielona za pomocą \",\" lub \";\"\n";

class ConfigSend : public CashRegisterShop {
protected:
    void SetUp() override {
        CashRegisterShop::SetUp();
        addCashRegister({1});
        addCashRegister({2, true, true, true, /*integrated=*/true});
        addCashRegister({3, true, true, /*working=*/false});
        addCashRegister({4, /*installed=*/false});
    }

    Fired fireCashRegisterConfig(const Texts& arguments) { return fire(Guids::SendCashRegisterConfig, arguments); }
    // Per configuration file: its targets, and the registers it configures.
    std::vector<std::pair<std::vector<int>, std::vector<int>>> configurations() {
        std::vector<std::pair<std::vector<int>, std::vector<int>>> sent;
        for (const std::string& name : files('K')) {
            TransferFile file;
            read(name, file);
            EXPECT_EQ(file.kind, "cashRegisterConfiguration");
            std::vector<int> configured;
            for (pugi::xml_node c : file.root.children("configuration"))
                configured.push_back(c.attribute("cashRegister").as_int());
            sent.emplace_back(file.cashRegisters, configured);
        }
        return sent;
    }
    // The targets of each PLU configuration file.
    std::vector<std::vector<int>> pluConfigTargets() {
        std::vector<std::vector<int>> targets;
        for (const std::string& name : files('C')) {
            TransferFile file;
            read(name, file);
            EXPECT_EQ(file.kind, "pluConfiguration");
            targets.push_back(file.cashRegisters);
        }
        return targets;
    }
};

using Sent = std::vector<std::pair<std::vector<int>, std::vector<int>>>;

TEST_P(ConfigSend, WithoutArgumentsTheWorkingRegistersGetTheirConfiguration) {
    const Fired fired = fireCashRegisterConfig({});
    EXPECT_TRUE(fired.ok);
    EXPECT_EQ(fired.message, "");
    EXPECT_EQ(configurations(), (Sent{{{1, 2}, {1, 2}}}));

    TransferFile file;
    read(files('K').front(), file);
    const pugi::xml_node first = file.root.child("configuration");
    EXPECT_STREQ(first.attribute("name").value(), "Kasa 1");
    EXPECT_STREQ(first.child("param").attribute("name").value(), "bKasaZintegrowana");
    EXPECT_STREQ(first.child("param").attribute("value").value(), "0");
}

TEST_P(ConfigSend, AllInEitherOfItsTwoFormsMeansEveryRegister) {
    EXPECT_TRUE(fireCashRegisterConfig({"all"}).ok);
    EXPECT_TRUE(fireCashRegisterConfig({"ALL"}).ok);
    EXPECT_EQ(configurations(), (Sent{{{1, 2, 3, 4}, {1, 2, 3, 4}}, {{1, 2, 3, 4}, {1, 2, 3, 4}}}));
}

TEST_P(ConfigSend, AListSendsToEachNamedRegisterOnceInAscendingOrder) {
    EXPECT_TRUE(fireCashRegisterConfig({"3;1,3 2"}).ok);
    // Numbers are taken as they are: a register nobody has gets an empty configuration.
    EXPECT_TRUE(fireCashRegisterConfig({",7;;, 1,"}).ok);
    EXPECT_EQ(configurations(), (Sent{{{1, 2, 3}, {1, 2, 3}}, {{1, 7}, {1, 7}}}));
    TransferFile file;
    read(files('K').back(), file);
    const pugi::xml_node unknown = file.root.find_child_by_attribute("configuration", "cashRegister", "7");
    EXPECT_FALSE(unknown.attribute("name"));
    EXPECT_FALSE(unknown.child("param"));
}

TEST_P(ConfigSend, WrongArgumentsWriteTheirMessageAndTheUsageAndSendNothing) {
    for (const auto& [arguments, complaint] :
         std::vector<std::pair<Texts, std::string>>{{{"1", "2"}, "Nieprawidłowa liczba parametrów.\n"},
                                                    {{"All"}, "Nieprawidłowa lista kas.\n"},
                                                    {{"1,x"}, "Nieprawidłowa lista kas.\n"},
                                                    {{"1.5"}, "Nieprawidłowa lista kas.\n"},
                                                    {{" ;, "}, "Nieprawidłowa lista kas.\n"}}) {
        const Fired fired = fireCashRegisterConfig(arguments);
        EXPECT_FALSE(fired.ok);
        EXPECT_EQ(fired.message, "Błędne parametry akcji");
        EXPECT_EQ(fired.output, complaint + Usage);
    }
    EXPECT_TRUE(files().empty());
}

TEST_P(ConfigSend, TheConsoleActionIsOneRegisteredObjectThatAnswersItsGuid) {
    auto& container = Core::Action::CContainer::instance();
    const auto action = container.getAction(Guids::SendCashRegisterConfig);
    EXPECT_EQ(action, container.getAction(Guids::SendCashRegisterConfig));
    EXPECT_EQ(action->getGUID(), Guids::SendCashRegisterConfig);
}

class RecordingProgress : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    void setText(const std::string& text) override { calls.push_back("text " + text); }
    void setMaximum(long long steps) override { calls.push_back("max " + std::to_string(steps)); }
    void step(long long count) override { calls.push_back("step " + std::to_string(count)); }
    void finish() override { calls.push_back("finish"); }
    Texts calls;
};

TEST_P(ConfigSend, FromSendAllDataThePluConfigurationGoesToTheChosenInstalledRegistersNotIntegrated) {
    auto progress = std::make_shared<RecordingProgress>();
    ASSERT_TRUE(succeeded(
        invoke(Guids::SendPluConfig, java::make<SendAllDataActionInvoker>(std::set<int>{101, 102, 104}, progress))));
    ASSERT_TRUE(succeeded(invoke(Guids::SendPluConfig, java::make<ConsoleArgs>(Texts{}))));
    EXPECT_EQ(pluConfigTargets(), (std::vector<std::vector<int>>{{1}, {1, 3}}));
    EXPECT_EQ(progress->calls, (Texts{"max 2", "step 1", "step 1", "finish"}));

    TransferFile file;
    read(files('C').front(), file);
    const pugi::xml_node weight = file.root.find_child_by_attribute("codeKind", "type", "W");
    EXPECT_STREQ(weight.attribute("name").value(), "weight");
    EXPECT_STREQ(weight.first_child().text().get(), "27");
    EXPECT_STREQ(weight.last_child().text().get(), "28");
    EXPECT_TRUE(file.root.find_child_by_attribute("codeKind", "type", "S"));
}

TEST_P(ConfigSend, ARegisterWithoutTheIntegratedParameterStopsThePluConfiguration) {
    addCashRegister({5, true, true, true, /*integrated=*/std::nullopt});
    try {
        invoke(Guids::SendPluConfig, java::make<ConsoleArgs>(Texts{}));
        ADD_FAILURE() << "sent without the parameter";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Brak wartości parametru ", 0), 0u) << e.what();
    }
    EXPECT_TRUE(files().empty());
}

class ParentWindow : public FormKernel::IBaseForm {};

TEST_P(ConfigSend, FromTheMenuWithoutWindowsTheActionFailsAndSendsNothing) {
    // The console host has no window to ask in; the operator's choice itself is tested
    // with the program's windows.
    const auto status = invoke(Guids::SendPluConfigDialog, java::make<ParentWindow>());
    const auto& outcome = status->as<Core::ActionStatus>();
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_NE(outcome.message().find("SendPluConfigDlgAction"), std::string::npos) << outcome.message();
    EXPECT_TRUE(files().empty());
}

KORVEL_ON_EACH_ENGINE(ConfigSend);

// The sends beyond PLUs take their places in the module's fixed registration order.
TEST(Registration, VouchersConfigurationAndTurnoverActionsAreListedInTheirOrder) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString("<configuration/>");
    Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance().load("Devices.dll");
    Texts listed;
    for (const auto& listing : Core::Action::CContainer::instance().listings())
        listed.push_back(listing.guid + " " + listing.className);
    Core::SharedPackageLoader::instance().unloadAll();
    const auto position = [&](const std::string& guid) {
        return std::find_if(listed.begin(), listed.end(), [&](const std::string& l) { return l.rfind(guid, 0) == 0; }) -
               listed.begin();
    };
    const Texts expected{std::string(Guids::SendPluForArticle) + " SendPLUForArticle",
                         std::string(Guids::BlockedVouchersConsole) + " Kolvenia::BlockedVouchers::ConsoleAction",
                         std::string(Guids::BlockedVouchersEvening) + " Kolvenia::BlockedVouchers::EveningAction",
                         std::string(Guids::BlockedVouchersDefault) + " Kolvenia::BlockedVouchers::DefaultAction",
                         std::string(Guids::SendCashRegisterConfig) + " Kolvenia::Kasa::SendCashRegisterConfigAction",
                         std::string(Guids::SendPluConfigDialog) + " Kolvenia::Kasa::SendPluConfigDlgAction",
                         std::string(Guids::SendPluConfig) + " Kolvenia::Kasa::SendPluConfigAction",
                         std::string(Guids::CheckCommunication) + " Kolvenia::Kasa::CheckCommunicationAction",
                         std::string(Guids::EveningDailyTurnover) + " Kolvenia::DailyTurnover::EveningProcessingAction",
                         std::string(Guids::DailyTurnoverFire) + " Kolvenia::DailyTurnover::FireAction"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_LT(position(expected[i].substr(0, 38)), static_cast<std::ptrdiff_t>(listed.size())) << expected[i];
        EXPECT_EQ(listed[position(expected[i].substr(0, 38))], expected[i]);
        if (i > 0) {
            EXPECT_LT(position(expected[i - 1].substr(0, 38)), position(expected[i].substr(0, 38))) << expected[i];
        }
    }
}

}  // namespace
