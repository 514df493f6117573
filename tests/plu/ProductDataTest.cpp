// The product records the device routes read, the successions of products, and the
// product features cached for a transmission.
#include <algorithm>
#include <sstream>

#include "PluDatabase.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/PredecessorCache.h"
#include "plu/ProductDataForFrontOfficeDecorator.h"
#include "plu/ProductDataForFrontOfficeFromDataSet.h"

namespace PluTest {
namespace {

// Every answer of a record, in slot order, separated by '|'; an empty optional is "-".
std::string describe(const Devices::IProductDataForFrontOffice& p) {
    std::ostringstream out;
    const auto shelfLife = p.getShelfLife();
    out << p.getProductId() << '|' << p.isWeighed() << '|' << p.getPluCode() << '|' << p.getPlu().type() << '|'
        << p.getScaleSection() << '|' << p.getScalePluNumber() << '|' << p.getSalePrice().toString() << '|'
        << p.getSaleUnit() << '|' << (shelfLife ? std::to_string(*shelfLife) : "-") << '|' << p.getPluStatus() << '|'
        << p.getActivityStatus() << '|' << p.hasSeveralPrices() << '|' << p.isMultiPriceElementSaleLocked() << '|'
        << p.isLocallySaleBlocked() << '|' << p.getName() << '|' << p.getShortName() << '|' << p.getGroupIndex() << '|'
        << p.getProductType() << '|' << p.hasIngredients() << '|' << p.getIngredients();
    return out.str();
}

class ProductDataTest : public PluDatabaseTest {
protected:
    // Two listed products: a weighed one with every value set, and a bare one.
    void addTwoProducts() {
        addProduct(Product(1, "Chleb żytni", 6.49));
        exec(
            "update Towar set bWagowy = 1, nWagaSekcja = 2, nWagaPLU = 15, nJmSprz = 3, nOkresPrzydatnosci = 7, "
            "nStatusAktywnosci = 1, bWieleCen = 1, multiPriceElementSaleLocked = 1, locally_sale_blocked = 1, "
            "skrNazwa = 'Chleb żyt.', sGrIndex = 'PIE', byTyp = 2 where lTowarRef = 1");
        exec("insert into skladsurowcowytowaru (lTowarRef, sSklad) values (1, 'mąka żytnia, woda, sól')");
        addPlu(11, 1, "2712345", 1);
        addProduct(Product(2, "Zapałki", 0.5));
        addPlu(21, 2, "5900000000015", 3);
    }
};

TEST_P(ProductDataTest, RecordReadsTheRowTheDataSetStandsOn) {
    addTwoProducts();
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    const Devices::ProductDataForFrontOfficeFromDataSet product(engine.getMainQuery());
    EXPECT_EQ(describe(product),
              "1|1|2712345|W|2|15|6.49|3|7|1|1|1|1|1|Chleb żytni|Chleb żyt.|PIE|2|1|"
              "mąka żytnia, woda, sól");
    engine.getMainQuery().Next();
    EXPECT_EQ(describe(product), "2|0|5900000000015|E|0|0|0.50|0|-|3|0|0|0|0|Zapałki|Zapałki||0|0|");
}

TEST_P(ProductDataTest, NullFlagsReadFalseAndNullShelfLifeEmpty) {
    Db::TDataSet rows(session());
    rows.SetSQL(
        "select null as bWieleCen, null as multiPriceElementSaleLocked, null as locallySaleBlocked, "
        "null as bWagowy, null as nOkresPrzydatnosci, null as sSklad from dual");
    rows.Open();
    const Devices::ProductDataForFrontOfficeFromDataSet product(rows);
    EXPECT_FALSE(product.hasSeveralPrices());
    EXPECT_FALSE(product.isMultiPriceElementSaleLocked());
    EXPECT_FALSE(product.isLocallySaleBlocked());
    EXPECT_FALSE(product.isWeighed());
    EXPECT_EQ(product.getShelfLife(), std::nullopt);
    EXPECT_FALSE(product.hasIngredients());
}

// A deletion of the product under its old scale number, as a scale route makes one.
class OldScaleNumber : public Devices::ProductDataForFrontOfficeDecorator {
public:
    using ProductDataForFrontOfficeDecorator::ProductDataForFrontOfficeDecorator;
    int getScalePluNumber() const override { return 99; }
    int getPluStatus() const override { return 3; }
};

TEST_P(ProductDataTest, DecoratorAnswersEverythingItDoesNotChangeThroughTheRecord) {
    addTwoProducts();
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    const OldScaleNumber deletion(
        std::make_shared<Devices::ProductDataForFrontOfficeFromDataSet>(engine.getMainQuery()));
    EXPECT_EQ(describe(deletion),
              "1|1|2712345|W|2|99|6.49|3|7|3|1|1|1|1|Chleb żytni|Chleb żyt.|PIE|2|1|"
              "mąka żytnia, woda, sól");
}

TEST_P(ProductDataTest, PredecessorsAreReadOnceForEveryProduct) {
    addProduct(Product(1, "Nowy", 1.0));
    addProduct(Product(2, "Stary", 1.0));
    addProduct(Product(3, "Najstarszy", 1.0));
    addProduct(Product(4, "Osobny", 1.0));
    exec("update Towar set successor_id = 1 where lTowarRef in (2, 3)");
    takeStatements();

    Devices::PredecessorCache cache(session());
    EXPECT_TRUE(cache.getPredecessors(4).empty());
    std::vector<int> predecessors = cache.getPredecessors(1);
    std::sort(predecessors.begin(), predecessors.end());
    EXPECT_EQ(predecessors, (std::vector<int>{2, 3}));
    EXPECT_TRUE(cache.getPredecessors(2).empty());
    EXPECT_TRUE(cache.getPredecessors(4).empty());
    EXPECT_EQ(takeStatements(),
              std::vector<std::string>{"\n select tp.ltowarref predecessor_id, ts.ltowarref successor_id"
                                       "\n from towar tp, towar ts\n where tp.successor_id = ts.ltowarref"});
}

TEST_P(ProductDataTest, FeaturesAreCachedForTheListedProductsOnly) {
    addTwoProducts();
    addProduct(Product(3, "Niewysyłany", 1.0));
    exec("insert into ProductFeature (product_id, name, value) values (1, 'Kitchen type', 'Piekarnia')");
    exec("insert into ProductFeature (product_id, name, value) values (2, 'Kolor', 'czerwony')");
    exec("insert into ProductFeature (product_id, name, value) values (3, 'Kitchen type', 'Bar')");
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    const auto& features = engine.getProductFeaturesCache();
    ASSERT_TRUE(features);
    EXPECT_EQ(features->findFeature(1, "Kitchen type"), std::optional<std::string>("Piekarnia"));
    EXPECT_EQ(features->findFeature(2, "Kitchen type"), std::nullopt);
    EXPECT_EQ(features->findFeature(2, "Kolor"), std::optional<std::string>("czerwony"));
    EXPECT_EQ(features->findFeature(3, "Kitchen type"), std::nullopt);
}

KORVEL_ON_EACH_ENGINE(ProductDataTest);

}  // namespace
}  // namespace PluTest
