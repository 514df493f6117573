// Split bundles from a shop on each engine, through the XML cash-register communication
// loaded as the host loads it: what the bundle transfer files hold.
#include <algorithm>

#include "../crserver/TransferFileReader.h"
#include "ShopDatabaseTest.h"
#include "cashregister/SplitBundlesSender.h"
#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "support/CashRegisterConfig.h"
#include "support/FilesIn.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Kolvenia::BundleWithElements;
using Kolvenia::Kasa::CZestawyRozbijaneSender;

const std::string kSplitBundlesSql =
    "select towarMaster.lTowarRef as lMasterTowarRef,        zest.lTowarRef as lSkladnikTowarRef,        zest.dIlosc "
    "as dIlosc,        zest.dSkladnikCenaSprzed as dSkladnikCenaSprzed   from Zestaw zest, Towar towarMaster, "
    "ProductActivityStatus pas  where towarMaster.lTowarRef = zest.lMasterTowarRef  \tand towarMaster.nStatusAktywnosci "
    "= pas.productActivityStatusId    and towarMaster.byTyp = 8   and pas.SaleBlocked = 0 order by lMasterTowarRef";

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

// Bundles by reference with their components, in file order.
using Bundles = std::vector<std::pair<std::uint32_t, std::vector<Component>>>;

// A bundle transfer file read back: its registers, whether the list is complete, and
// each bundle with its components.
struct SentBundles {
    std::vector<int> cashRegisters;
    std::string complete;
    Bundles bundles;
};

class SplitBundlesTest : public HostLibsTest::ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        fs::create_directory(out);
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
            TestSupport::cashRegisterConfiguration(out, false));
        auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
        loader.load("Devices.dll");
        loader.initializeModules();
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
        Core::SharedPackageLoader::instance().unloadAll();
        ShopDatabaseTest::TearDown();
    }

    // The bundle transfer files in the output directory, in the order written.
    std::vector<SentBundles> sent() const {
        std::vector<SentBundles> files;
        for (const std::string& name : TestSupport::filesIn(out)) {
            CrServerTest::TransferFile file;
            CrServerTest::readTransferFile(out / name, file);
            EXPECT_STREQ(file.root.attribute("kind").value(), "bundles") << name;
            SentBundles bundles{file.cashRegisters, file.root.attribute("complete").value(), {}};
            for (pugi::xml_node record : file.records("bundle")) {
                const BundleWithElements bundle = CrServerTest::readBundle(record);
                bundles.bundles.emplace_back(bundle.getId().value_or(0), componentsOf(bundle));
            }
            files.push_back(std::move(bundles));
        }
        return files;
    }

    TestSupport::TempDir root;
    const fs::path out = root / "wyjście";
};

TEST_P(SplitBundlesTest, EveryBundleForSaleGoesAsOneRecordToTheInstalledRegisters) {
    CZestawyRozbijaneSender().send(CNullUrzCollectionModStrategy());
    EXPECT_EQ(std::ranges::count(issuedStatements(), kSplitBundlesSql), 1);

    const auto files = sent();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].cashRegisters, (std::vector<int>{2, 5}));
    EXPECT_EQ(files[0].complete, "true");
    EXPECT_EQ(files[0].bundles,
              (Bundles{{100, {{11, 2, 1.5}, {12, 1, 3.25}, {13, 0.5, 12.99}}}, {300, {{14, 3, 0.99}}}}));
}

TEST_P(SplitBundlesTest, TheSetOverloadSendsOnlyTheChosenBundlesAsASelection) {
    CZestawyRozbijaneSender().send(CFromSetUrzCollectionModStrategy({1}), {300, 200, 999});

    const auto files = sent();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].cashRegisters, std::vector<int>{5});
    EXPECT_EQ(files[0].complete, "false");
    EXPECT_EQ(files[0].bundles, (Bundles{{300, {{14, 3, 0.99}}}}));
}

// Without a register nothing is written; without a bundle the complete list still goes,
// empty, so that the registers drop theirs.
TEST_P(SplitBundlesTest, WithoutRegistersNothingGoesAndWithoutBundlesAnEmptyCompleteList) {
    CZestawyRozbijaneSender().send(CFromSetUrzCollectionModStrategy({}));
    EXPECT_TRUE(sent().empty());

    exec("delete from Zestaw");
    CZestawyRozbijaneSender().send(CNullUrzCollectionModStrategy());
    const auto files = sent();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].cashRegisters, (std::vector<int>{2, 5}));
    EXPECT_EQ(files[0].complete, "true");
    EXPECT_TRUE(files[0].bundles.empty());
}

TEST_P(SplitBundlesTest, RowsReadOnceServeEverySendOfOneRunAlike) {
    Kolvenia::Kasa::SplitBundlesReadOnce rows;
    CZestawyRozbijaneSender(rows).send(CNullUrzCollectionModStrategy());
    EXPECT_EQ(std::ranges::count(issuedStatements(), kSplitBundlesSql), 1);
    exec("delete from Zestaw where lMasterTowarRef = 300");
    CZestawyRozbijaneSender(rows).send(CNullUrzCollectionModStrategy(), {300});
    CZestawyRozbijaneSender(rows).send(CNullUrzCollectionModStrategy());
    EXPECT_EQ(std::ranges::count(issuedStatements(), kSplitBundlesSql), 0);

    // The bundle deleted meanwhile still goes: the run sends the rows it read.
    auto files = sent();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[2].bundles, files[0].bundles);
    EXPECT_EQ(files[2].complete, "true");
    EXPECT_EQ(files[1].bundles, (Bundles{{300, {{14, 3, 0.99}}}}));
    EXPECT_EQ(files[1].complete, "false");

    CZestawyRozbijaneSender().send(CNullUrzCollectionModStrategy());  // a sender of its own reads again
    files = sent();
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[3].bundles, (Bundles{{100, {{11, 2, 1.5}, {12, 1, 3.25}, {13, 0.5, 12.99}}}}));
}

KORVEL_ON_EACH_ENGINE(SplitBundlesTest);

}  // namespace
