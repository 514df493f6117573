#include <algorithm>

#include "ShopDatabaseTest.h"
#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/SplitBundlesSender.h"
#include "core/Singleton.h"
#include "frame/strategies/UrzCollectionModStrategies.h"

namespace {

using namespace CashRegisterServerCommunication;
using Kolvenia::BundleWithElements;
using Kolvenia::Kasa::CZestawyRozbijaneSender;

// A bundle data sender that keeps what it is given, in the order it is given.
class RecordingBundleSender : public BundleDataSender {
public:
    void addCashRegister(int deviceNumber) override { events.push_back("kasa " + std::to_string(deviceNumber)); }
    void add(const BundleWithElements& bundle) override {
        events.push_back("zestaw " + std::to_string(bundle.getId().value_or(0)));
        bundles.push_back(bundle);
    }
    void setCompleteList(bool complete) override { completeList = complete; }
    void send() override { events.push_back("wyślij"); }

    std::vector<std::string> events;
    std::vector<BundleWithElements> bundles;
    bool completeList = true;
};

class RecordingFactory : public CashRegisterServerCommunicationFactory {
public:
    PluDataSenderPtr createPluDataSender() override { throw std::logic_error("not a bundle sender"); }
    CompositionDataSenderPtr createCompositionDataSender() override { throw std::logic_error("not a bundle sender"); }
    BundleDataSenderPtr createBundleDataSender() override {
        senders.push_back(std::make_shared<RecordingBundleSender>());
        return senders.back();
    }

    std::vector<std::shared_ptr<RecordingBundleSender>> senders;
};

const std::string kSplitBundlesSql =
    "select towarMaster.lTowarRef as lMasterTowarRef,        zest.lTowarRef as lSkladnikTowarRef,        zest.dIlosc "
    "as dIlosc,        zest.dSkladnikCenaSprzed as dSkladnikCenaSprzed   from Zestaw zest, Towar towarMaster, "
    "ProductActivityStatus pas  where towarMaster.lTowarRef = zest.lMasterTowarRef  \tand towarMaster.nStatusAktywnosci "
    "= pas.productActivityStatusId    and towarMaster.byTyp = 8   and pas.SaleBlocked = 0 order by lMasterTowarRef";

using FactoryHolder = Core::SingletonImplHolder<CashRegisterServerCommunicationFactory>;

// A component as the test expects it: reference, quantity, sale price.
struct Component {
    std::uint32_t id;
    double quantity;
    double sellPrice;
    friend bool operator==(const Component&, const Component&) = default;
};

std::vector<Component> componentsOf(const BundleWithElements& bundle) {
    std::vector<Component> components;
    for (const auto& item : *bundle.getItems())
        components.push_back({item->getId().value_or(0), item->getQuantity(), item->getSellPrice()});
    // Rows are ordered by bundle only; the order of a bundle's components is the engine's.
    std::sort(components.begin(), components.end(), [](const Component& a, const Component& b) { return a.id < b.id; });
    return components;
}

class SplitBundlesTest : public HostLibsTest::ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        FactoryHolder::set(factory);
        // Installed cash registers 1 (number 5) and 2 (number 2); 3 is not installed, 4 is a scale.
        exec(
            "insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrKolvenia, bZainstalowane) values "
            "(1, 0, 5, 1), (2, 0, 2, 1), (3, 0, 7, 0), (4, 1, 1, 1)");
        // 100 and 300 are split bundles for sale; 200 is one whose status (2) blocks sale;
        // 400 is an ordinary product with components.
        exec(
            "insert into Towar (lTowarRef, sNazwa, byTyp, nStatusAktywnosci) values "
            "(100, 'Zestaw grillowy', 8, 0), (200, 'Zestaw świąteczny', 8, 2), (300, 'Zestaw kawowy', 8, 1), "
            "(400, 'Paleta wody', 0, 0)");
        exec(
            "insert into Zestaw (lMasterTowarRef, lTowarRef, dIlosc, dSkladnikCenaSprzed) values "
            "(100, 11, 2, 1.5), (100, 12, 1, 3.25), (100, 13, 0.5, 12.99), "
            "(200, 11, 1, 1.0), (300, 14, 3, 0.99), (400, 15, 6, 1.79)");
    }
    void TearDown() override {
        FactoryHolder::reset();
        ShopDatabaseTest::TearDown();
    }

    const RecordingBundleSender& onlySender() const {
        EXPECT_EQ(factory->senders.size(), 1u);
        return *factory->senders.back();
    }

    std::shared_ptr<RecordingFactory> factory = std::make_shared<RecordingFactory>();
};

TEST_P(SplitBundlesTest, EveryBundleForSaleGoesAsOneRecordToTheInstalledRegisters) {
    CZestawyRozbijaneSender().send(CNullUrzCollectionModStrategy());
    EXPECT_EQ(std::ranges::count(issuedStatements(), kSplitBundlesSql), 1);

    const auto& sender = onlySender();
    EXPECT_EQ(sender.events, (std::vector<std::string>{"kasa 2", "kasa 5", "zestaw 100", "zestaw 300", "wyślij"}));
    EXPECT_TRUE(sender.completeList);
    ASSERT_EQ(sender.bundles.size(), 2u);
    EXPECT_EQ(componentsOf(sender.bundles[0]), (std::vector<Component>{{11, 2, 1.5}, {12, 1, 3.25}, {13, 0.5, 12.99}}));
    EXPECT_EQ(componentsOf(sender.bundles[1]), (std::vector<Component>{{14, 3, 0.99}}));
}

TEST_P(SplitBundlesTest, TheSetOverloadSendsOnlyTheChosenBundlesAsASelection) {
    CZestawyRozbijaneSender().send(CFromSetUrzCollectionModStrategy({1}), {300, 200, 999});

    const auto& sender = onlySender();
    EXPECT_EQ(sender.events, (std::vector<std::string>{"kasa 5", "zestaw 300", "wyślij"}));
    EXPECT_FALSE(sender.completeList);
    ASSERT_EQ(sender.bundles.size(), 1u);
    EXPECT_EQ(componentsOf(sender.bundles[0]), (std::vector<Component>{{14, 3, 0.99}}));
}

TEST_P(SplitBundlesTest, WithoutRegistersOrBundlesTheSenderIsStillMadeAndFinished) {
    CZestawyRozbijaneSender().send(CFromSetUrzCollectionModStrategy({}));
    EXPECT_EQ(onlySender().events, (std::vector<std::string>{"zestaw 100", "zestaw 300", "wyślij"}));

    exec("delete from Zestaw");
    exec("delete from Urzadzenie");
    CZestawyRozbijaneSender().send(CNullUrzCollectionModStrategy());
    ASSERT_EQ(factory->senders.size(), 2u);
    EXPECT_EQ(factory->senders.back()->events, std::vector<std::string>{"wyślij"});
    EXPECT_TRUE(factory->senders.back()->completeList);
}

TEST_P(SplitBundlesTest, RowsReadOnceServeEverySendOfOneRunAlike) {
    Kolvenia::Kasa::SplitBundleRowsReadOnce rows;
    CZestawyRozbijaneSender(rows).send(CNullUrzCollectionModStrategy());
    EXPECT_EQ(std::ranges::count(issuedStatements(), kSplitBundlesSql), 1);
    exec("delete from Zestaw where lMasterTowarRef = 300");
    CZestawyRozbijaneSender(rows).send(CNullUrzCollectionModStrategy(), {300});
    CZestawyRozbijaneSender(rows).send(CNullUrzCollectionModStrategy());
    EXPECT_EQ(std::ranges::count(issuedStatements(), kSplitBundlesSql), 0);

    ASSERT_EQ(factory->senders.size(), 3u);
    const auto& first = *factory->senders[0];
    const auto& last = *factory->senders[2];
    EXPECT_EQ(last.events, first.events);
    ASSERT_EQ(last.bundles.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(componentsOf(last.bundles[i]), componentsOf(first.bundles[i]));
    EXPECT_EQ(factory->senders[1]->events, (std::vector<std::string>{"kasa 2", "kasa 5", "zestaw 300", "wyślij"}));
    EXPECT_EQ(componentsOf(factory->senders[1]->bundles.at(0)), (std::vector<Component>{{14, 3, 0.99}}));

    CZestawyRozbijaneSender().send(CNullUrzCollectionModStrategy());  // a sender of its own reads again
    EXPECT_EQ(factory->senders.back()->events, (std::vector<std::string>{"kasa 2", "kasa 5", "zestaw 100", "wyślij"}));
}

KORVEL_ON_EACH_ENGINE(SplitBundlesTest);

}  // namespace
