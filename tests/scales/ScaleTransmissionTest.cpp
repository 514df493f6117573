// The day's PLU transmission over a small shop with scales, as the host runs it (the
// module loaded, the cash-register server communication writing its files): the scale
// files it leaves in the data directory, byte for byte, and what a missing scale
// directory does to the transmission.
#include <gtest/gtest.h>

#include "ScaleTestSupport.h"
#include "config/Setup.h"
#include "core/DateTime.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "plu/PLUTransmissionContainer.h"
#include "scales/ScaleXmlFileSender.h"
#include "support/CashRegisterConfig.h"
#include "support/ShopModule.h"
#include "support/ShopRows.h"

namespace {

namespace fs = std::filesystem;
using ScaleTest::ScaleProduct;
using Texts = std::vector<std::string>;

const fs::path expected = fs::path(KORVEL_TEST_SOURCE_DIR) / "tests" / "scales" / "expected";

class ScaleTransmissionTest : public ScaleTest::ScaleShop {
protected:
    void SetUp() override {
        ScaleShop::SetUp();
        fs::create_directories(cashRegisters);
        configure();
        TestSupport::loadShopModule();
        addShop();
    }
    void TearDown() override {
        Core::SharedPackageLoader::instance().unloadAll();
        ScaleShop::TearDown();
    }
    void configure(int packageSize = 500) {
        ScaleTest::configure("<key name=\"Wielkość paczki zawierającej PLU\" type=\"int\" value=\"" +
                             std::to_string(packageSize) + "\"/>" + TestSupport::cashRegisterServerKeys(cashRegisters) +
                             "<key name=\"PriceChecker\"><key name=\"Włączony\" type=\"bool\" value=\"false\"/></key>" +
                             server.keys());
    }

    // Two scales in section 1 (the first with a usage period of 5 days), one in section
    // 2 and a disabled one; a cash register; products for both sections, one of them
    // with an old scale number, one deleted, one not weighed.
    void addShop() {
        TestSupport::addDevice(session(), {.number = 1, .enabled = true, .installed = true, .integrated = false});
        addScale(201, 1, 1, true, 5);
        addScale(202, 1, 2);
        addScale(203, 2, 1);
        addScale(204, 2, 2, false);

        ScaleProduct ham(1, "Szynka wiejska", 24.99, "2700001");
        ham.shelfLife = 7;
        ham.composition = "wieprzowina 90%, sól, przyprawy";
        addProduct(ham);
        ScaleProduct cheese(2, "Ser \"Gouda\" <plastry> & więcej", 3, "2900002");
        cheese.scaleNumber = 2;
        cheese.unit = 1;
        cheese.group = "SER1";
        addProduct(cheese);
        ScaleProduct tomatoes(3, "Pomidory malinowe", 9.5, "2800003");
        tomatoes.section = 2;
        tomatoes.scaleNumber = 3;
        tomatoes.group = "WAR1";
        addProduct(tomatoes);
        addOldScaleNumber(3, 2, 33);
        ScaleProduct sausage(4, "Kiełbasa śląska", 18.4, "2700004");
        sausage.scaleNumber = 4;
        sausage.pluStatus = 3;
        addProduct(sausage);
        ScaleProduct bread(5, "Chleb żytni", 6.49, "5901234123457");
        bread.weighed = false;
        addProduct(bread);
    }

    struct Run {
        bool done;
        std::string status;
    };
    Run run() {
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(static_cast<float>(Core::DateTime::today()));
        Core::ThreadUserIo::NullProgressIndicator progress;
        std::string status;
        const bool done = engine.ProcessDataSet(status, progress);
        return {done, status};
    }
    Texts pluStates() {
        Texts states;
        for (int ref = 1001; ref <= 1005; ++ref)
            states.push_back(std::to_string(
                TestSupport::integerOf(session(), "select byStatus from PLU where lPluRef = " + std::to_string(ref))));
        return states;
    }

    const fs::path cashRegisters = root / "kasy";
};

}  // namespace

TEST_P(ScaleTransmissionTest, OneTransmissionWritesTheseFilesForTheScaleServer) {
    const auto result = run();
    ASSERT_TRUE(result.done) << result.status;
    EXPECT_EQ(pluStates(), (Texts{"2", "2", "2", "4", "2"})) << "the packages were committed";
    EXPECT_TRUE(ScaleTest::filesIn(server.temporary).empty());

    // The header of scale 1 in section 1, as the device configuration sends it.
    Devices::ScaleXmlFileSender header;
    header.begin(CNullUrzCollectionModStrategy());
    header.sendHeaderLines(1, 1, {"Sklep \"Pod Lipą\"", "ul. Wiśniowa 5, Łódź"});
    header.end();

    const Texts files = ScaleTest::filesIn(server.data);
    EXPECT_EQ(files, ScaleTest::filesIn(expected));
    for (const std::string& name : files)
        EXPECT_EQ(TestSupport::readFile(server.data / name), TestSupport::readFile(expected / name)) << name;
}

TEST_P(ScaleTransmissionTest, AMissingTemporaryOrStatusDirectoryStopsTheTransmissionBeforeAnythingIsWritten) {
    for (const auto& [directory, kind] : {std::pair{server.temporary, "tymczasowych"}, {server.status, "statusów"}}) {
        server.createDirectories();
        fs::remove_all(directory);
        const auto result = run();
        EXPECT_FALSE(result.done);
        EXPECT_EQ(result.status, std::string("Niepoprawna specyfikacja ścieżki katalogu plików ") + kind +
                                     " serwera wagowego: '" + directory.string() + "/'.");
        EXPECT_EQ(pluStates(), (Texts{"1", "1", "1", "3", "1"})) << "the package was rolled back";
        EXPECT_TRUE(ScaleTest::filesIn(server.data).empty());
        EXPECT_TRUE(ScaleTest::filesIn(cashRegisters).empty());
    }
}

TEST_P(ScaleTransmissionTest, AMissingDataDirectoryIsFoundBeforeTheTransmissionStarts) {
    fs::remove_all(server.data);
    const auto result = run();
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.status, "Błąd katalogu serwera wagowego!\nNie mogę znaleźć katalogu '" + server.data.string() +
                                 "/'\nSprawdź dane w konfiguracji!");
    EXPECT_EQ(pluStates(), (Texts{"1", "1", "1", "3", "1"}));
    EXPECT_TRUE(ScaleTest::filesIn(server.temporary).empty());
}

TEST_P(ScaleTransmissionTest, EveryPackageHandsItsFilesOverAtItsEnd) {
    configure(1);
    const auto result = run();
    ASSERT_TRUE(result.done) << result.status;
    EXPECT_EQ(ScaleTest::filesIn(server.data), (Texts{"00000001.1wa", "00000001.2wa", "00000002.1wa", "00001001.1wa",
                                                      "00001002.1wa", "00002001.1wa", "00002002.1wa"}));
}

KORVEL_ON_EACH_ENGINE(ScaleTransmissionTest);
