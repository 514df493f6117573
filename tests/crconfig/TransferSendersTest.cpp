// The XML cash-register communication's senders of blocked vouchers and daily-turnover
// commands, loaded as the host loads them, and what a transmission module that does
// not handle these kinds answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <pugixml.hpp>

#include "cashregister/CashRegisterServerCommunication.h"
#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using namespace CashRegisterServerCommunication;

class TransferSenders : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(out);
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
            "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">"
            "<key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
            out.string() +
            "\"/>"
            "<key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>"
            "</key></key></key></configuration>");
        auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
        loader.load("Devices.dll");
        loader.initializeModules();
    }
    void TearDown() override { Core::SharedPackageLoader::instance().unloadAll(); }

    static CashRegisterServerCommunicationFactory& factory() {
        return Core::SingletonImplHolder<CashRegisterServerCommunicationFactory>::instance();
    }
    std::vector<fs::path> files() const {
        std::vector<fs::path> paths{fs::directory_iterator(out), fs::directory_iterator()};
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    TestSupport::TempDir root;
    const fs::path out = root / "wyjście";
};

TEST_F(TransferSenders, ADailyTurnoverCommandListsItsDaysOnceInOrderAndWithoutDaysWritesNothing) {
    const auto sender = factory().createDailyTurnoverCommandSender(7);
    sender->send();
    EXPECT_TRUE(files().empty());
    for (int day : {46003, 46001, 46003, 46002}) sender->addDay(day);
    EXPECT_EQ(sender->days(), (std::vector<int>{46001, 46002, 46003}));
    sender->send();
    sender->send();  // the days went with the first send
    ASSERT_EQ(files().size(), 1u);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(files().front().c_str()));
    const pugi::xml_node root = document.document_element();
    EXPECT_STREQ(root.child("cashRegisters").child("cashRegister").attribute("number").value(), "7");
    std::vector<std::string> dates;
    for (pugi::xml_node day : root.child("command").children("day")) dates.push_back(day.attribute("date").value());
    EXPECT_EQ(dates, (std::vector<std::string>{"2025-12-10", "2025-12-11", "2025-12-12"}));
}

TEST_F(TransferSenders, ABlockedVoucherKeepsAnEmptyFieldAndLeavesOutAMissingOne) {
    const auto sender = factory().createBlockedVoucherSender();
    sender->addCashRegister(1);
    sender->send();
    EXPECT_TRUE(files().empty());
    sender->add({"", std::nullopt, "1", "9", std::nullopt});
    sender->send();
    ASSERT_EQ(files().size(), 1u);
    EXPECT_EQ(files().front().filename().string().front(), 'B');
    EXPECT_EQ(files().front().extension(), ".20");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(files().front().c_str()));
    const pugi::xml_node voucher = document.document_element().child("blockedVoucher");
    EXPECT_TRUE(voucher.attribute("group"));
    EXPECT_STREQ(voucher.attribute("group").value(), "");
    EXPECT_FALSE(voucher.attribute("expiryDate"));
    EXPECT_FALSE(voucher.attribute("faceValue"));
}

// A transmission module written before these kinds existed.
class PluOnlyFactory : public CashRegisterServerCommunicationFactory {
public:
    PluDataSenderPtr createPluDataSender() override { return nullptr; }
    CompositionDataSenderPtr createCompositionDataSender() override { return nullptr; }
    BundleDataSenderPtr createBundleDataSender() override { return nullptr; }
};

TEST(UnsupportedKinds, AModuleThatDoesNotHandleAKindRefusesItsSenderByName) {
    PluOnlyFactory factory;
    try {
        factory.createBlockedVoucherSender();
        ADD_FAILURE() << "no refusal";
    } catch (const Core::PlacedRuntimeError& e) {
        EXPECT_STREQ(e.what(), "Moduł transmisji do kasy nie obsługuje danych: zablokowane bony.");
    }
    EXPECT_THROW(factory.createDailyTurnoverCommandSender(1), Core::PlacedRuntimeError);
    EXPECT_THROW(factory.createCashRegisterConfigSender(), Core::PlacedRuntimeError);
    EXPECT_THROW(factory.createPluConfigSender(), Core::PlacedRuntimeError);
}

}  // namespace
