// The kinds read from the configuration tree, and the selection and progress windows'
// behaviour, without a window.
#include <gtest/gtest.h>

#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/Singleton.h"
#include "sendall/DataToSendToDevice.h"
#include "sendall/SendAllDataProgress.h"
#include "sendall/SendAllDataSelection.h"
#include "support/ErrorOf.h"

namespace {

using namespace Kolvenia::SendAll;

constexpr const char* HiddenAccess = "{5E0DA11A-0000-4000-8000-000000000001}";
constexpr const char* ShownAccess = "{5E0DA11A-0000-4000-8000-000000000002}";

class Visibility : public Core::IAction, public Core::IExecutor, public IDataToSendVisibility {
public:
    explicit Visibility(bool visible) : visible_(visible) {}
    bool isVisible() const override { return visible_; }
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown>) override {
        return java::make<Visibility>(visible_);
    }

private:
    bool visible_;
};

std::string kind(const std::string& name, int code, const std::string& extra = "") {
    return "<key name=\"" + name + "\"><key name=\"Kod typu operacji\" type=\"int\" value=\"" + std::to_string(code) +
           "\"/><key name=\"GUID\" type=\"string\" value=\"{G-" + std::to_string(code) + "}\"/>" + extra + "</key>";
}

void configure(const std::string& kinds, bool withKey = true) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">" +
        (withKey ? "<key name=\"Wysyłanie wszystkich danych\">" + kinds + "</key>" : std::string()) +
        "</key></key></key></configuration>");
}

class KindsFromConfiguration : public ::testing::Test {
protected:
    void SetUp() override {
        auto& container = Core::Action::CContainer::instance();
        hidden_ = container.registerActionCreator(HiddenAccess, [] { return std::make_shared<Visibility>(false); });
        shown_ = container.registerActionCreator(ShownAccess, [] { return std::make_shared<Visibility>(true); });
    }
    Core::RegistrationHandle hidden_, shown_;
};

TEST_F(KindsFromConfiguration, ReadsKindsInTreeOrderWithDependenciesScalesAndVisibility) {
    configure(
        kind(
            "PLU", 30,
            "<key name=\"Wysłanie na wagi\" type=\"bool\" value=\"true\"/>"
            "<key name=\"Zależności\"><key name=\".info\"/><key name=\"Stawki VAT\"/><key name=\"Jednostki\"/></key>") +
        kind("Stawki VAT", 10,
             "<key name=\"GUID dostępu\" type=\"string\" value=\"" + std::string(ShownAccess) + "\"/>") +
        kind("Ukryte", 40, "<key name=\"GUID dostępu\" type=\"string\" value=\"" + std::string(HiddenAccess) + "\"/>") +
        kind("Jednostki", 20, "<key name=\"Wysłanie na wagi\" type=\"bool\" value=\"false\"/>"));
    const auto kinds = DataToSendToDeviceCollection::fromConfiguration();
    ASSERT_EQ(kinds->kinds().size(), 3u);
    const auto& plu = kinds->kinds()[0];
    EXPECT_EQ(plu.name, "PLU");
    EXPECT_EQ(plu.type, 30);
    EXPECT_EQ(plu.guid, "{G-30}");
    EXPECT_TRUE(plu.sendToScales);
    EXPECT_EQ(plu.dependencies, (std::set<int>{10, 20}));
    EXPECT_EQ(kinds->kinds()[1].name, "Stawki VAT");
    EXPECT_FALSE(kinds->kinds()[1].sendToScales);
    EXPECT_EQ(kinds->kinds()[2].name, "Jednostki");
    EXPECT_FALSE(kinds->kinds()[2].sendToScales);
    EXPECT_EQ(kinds->find(40), nullptr);
    EXPECT_EQ(kinds->find(20)->name, "Jednostki");
}

TEST_F(KindsFromConfiguration, MissingKeyOrBrokenEntriesAreRefused) {
    configure("", false);
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([] { DataToSendToDeviceCollection::fromConfiguration(); }),
              "Brak klucza \"Wysyłanie wszystkich danych\" w konfiguracji.");
    // A dependency on a kind the tree does not have names the missing key.
    configure(kind("PLU", 30, "<key name=\"Zależności\"><key name=\"Brak\"/></key>"));
    EXPECT_THROW(DataToSendToDeviceCollection::fromConfiguration(), std::logic_error);
    // An access action that answers something else cannot hide or show the kind.
    configure(kind("PLU", 30, "<key name=\"GUID dostępu\" type=\"string\" value=\"{NIE-MA}\"/>"));
    EXPECT_THROW(DataToSendToDeviceCollection::fromConfiguration(), std::runtime_error);
}

// PLU (3) depends on VAT (1) and units (2); units depend on VAT; promotions (4) stand alone.
TSelectCashRegisterData selection() {
    auto kinds = std::make_shared<DataToSendToDeviceCollection>(std::vector<DataToSendToDeviceDesc>{
        {1, "Stawki VAT", "{1}", {}, false},
        {2, "Jednostki", "{2}", {1}, false},
        {3, "PLU", "{3}", {1, 2}, true},
        {4, "Promocje", "{4}", {}, false},
    });
    return TSelectCashRegisterData(kinds,
                                   {{"kasa 1", 101, false}, {"kasa 2", 102, false}, {"waga 1 (sekcja 1)", 201, false}});
}

std::vector<bool> ticks(const TSelectCashRegisterData& s) {
    std::vector<bool> result;
    for (std::size_t i = 0; i < s.kinds().kinds().size(); ++i) result.push_back(s.kindChecked(i));
    return result;
}

TEST(SelectCashRegisterData, TickingBringsDependenciesAndUntickingTakesDependants) {
    auto s = selection();
    s.setKindChecked(2, true);
    EXPECT_EQ(ticks(s), (std::vector<bool>{true, true, true, false}));
    s.setKindChecked(3, true);
    EXPECT_TRUE(s.allKindsChecked());
    // Unticking VAT takes the units and, through them and directly, the PLU.
    s.setKindChecked(0, false);
    EXPECT_EQ(ticks(s), (std::vector<bool>{false, false, false, true}));
    EXPECT_FALSE(s.allKindsChecked());
    // Unticking a dependant leaves what it depends on.
    s.setKindChecked(2, true);
    s.setKindChecked(2, false);
    EXPECT_EQ(ticks(s), (std::vector<bool>{true, true, false, true}));
}

TEST(SelectCashRegisterData, AllBoxesFollowTheirListsAndTheArgsCarryTheTicks) {
    auto s = selection();
    EXPECT_FALSE(s.allKindsChecked());
    EXPECT_FALSE(s.allDevicesChecked());
    s.clickAllKinds(true);
    EXPECT_EQ(ticks(s), (std::vector<bool>{true, true, true, true}));
    EXPECT_FALSE(s.allDevicesChecked());
    s.setDeviceChecked(0, true);
    s.setDeviceChecked(1, true);
    EXPECT_FALSE(s.allDevicesChecked());
    s.setDeviceChecked(2, true);
    EXPECT_TRUE(s.allDevicesChecked());
    s.setDeviceChecked(1, false);
    EXPECT_FALSE(s.allDevicesChecked());
    const auto args = s.args(".miTransmisje.miPrzeslanieWszystkichDanych");
    EXPECT_EQ(args.deviceRefs, (std::set<int>{101, 201}));
    EXPECT_EQ(args.kinds, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(args.form.menuPath, ".miTransmisje.miPrzeslanieWszystkichDanych");
    s.clickAllDevices(false);
    s.clickAllKinds(false);
    EXPECT_TRUE(s.args("").deviceRefs.empty());
    EXPECT_TRUE(s.args("").kinds.empty());
}

TEST(SendAllDataProgressWindow, BarsLabelsAndCommentsFollowTheRun) {
    TdlgSendAllData window;
    window.setSteps(3);
    EXPECT_EQ(window.state().mainLabel, "Wysyłanie danych 0 / 3");
    window.showText("PLU");
    auto kind = window.kindProgress();
    kind->setMaximum(10);
    kind->step(4);
    EXPECT_EQ(window.state().kind.position, 4);
    kind->step(40);
    EXPECT_EQ(window.state().kind.position, 10);  // never past the end
    window.advance(1);
    EXPECT_EQ(window.state().overall.position, 33);
    EXPECT_EQ(window.state().mainLabel, "Wysyłanie danych 1 / 3");
    window.advance(5);  // a kind that counts too much cannot push the bar out
    EXPECT_EQ(window.state().overall.position, 100);
    EXPECT_EQ(window.state().mainLabel, "Wysyłanie danych 3 / 3");
    window.showText("Wysyłanie zakończone.");
    const auto state = window.state();
    EXPECT_EQ(state.kindLabel, "Wysyłanie zakończone.");
    EXPECT_EQ(state.comments, (std::vector<std::string>{"PLU", "Wysyłanie zakończone."}));
}

TEST(SendAllDataProgressWindow, CancelBecomesCloseAndDetailsToggle) {
    TdlgSendAllData window;
    EXPECT_EQ(window.state().cancelButton, "Anuluj");
    EXPECT_FALSE(window.cancelled());
    window.clickCancelOrClose();
    EXPECT_TRUE(window.cancelled());
    EXPECT_FALSE(window.state().closed);
    window.finish();
    EXPECT_EQ(window.state().cancelButton, "Zamknij");
    window.clickCancelOrClose();
    EXPECT_TRUE(window.state().closed);

    EXPECT_EQ(window.state().height, 145);
    window.clickDetails();
    EXPECT_TRUE(window.state().detailsShown);
    EXPECT_EQ(window.state().height, 380);
    EXPECT_EQ(window.state().detailsButton, "Ukryj <<");
    window.clickDetails();
    EXPECT_EQ(window.state().height, 145);
    EXPECT_EQ(window.state().detailsButton, "Szczegóły >>");
}

}  // namespace
