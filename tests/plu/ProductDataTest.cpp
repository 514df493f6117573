// The product records the device routes read, the successions of products, and the
// product features cached for a transmission.
#include <algorithm>

#include "PluDatabase.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/PredecessorCache.h"
#include "plu/ProductDataForFrontOfficeDecorator.h"
#include "plu/ProductDataForFrontOfficeFromDataSet.h"

namespace PluTest {
namespace {

using Devices::IProductDataForFrontOffice;

class ProductDataTest : public PluDatabaseTest {
protected:
    // Two listed products: a weighed one with every value set, and a bare one.
    void addTwoProducts() {
        addProduct(Product(1, "Chleb żytni", 6.49));
        exec("update Towar set bWagowy = 1, nWagaSekcja = 2, nWagaPLU = 15, nJmSprz = 3, nOkresPrzydatnosci = 7, "
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
    ASSERT_EQ(engine.getRecordCount(), 2);
    const Devices::ProductDataForFrontOfficeFromDataSet product(engine.getMainQuery());

    EXPECT_EQ(product.getProductId(), 1);
    EXPECT_TRUE(product.isWeighed());
    EXPECT_EQ(product.getPluCode(), "2712345");
    EXPECT_EQ(product.getPlu().type(), Plu::TPlu::Weight);
    EXPECT_EQ(product.getScaleSection(), 2);
    EXPECT_EQ(product.getScalePluNumber(), 15);
    EXPECT_EQ(product.getSalePrice().toString(), "6.49");
    EXPECT_EQ(product.getSaleUnit(), 3);
    EXPECT_EQ(product.getShelfLife(), std::optional<int>(7));
    EXPECT_EQ(product.getPluStatus(), 1);
    EXPECT_EQ(product.getActivityStatus(), 1);
    EXPECT_TRUE(product.hasSeveralPrices());
    EXPECT_TRUE(product.isMultiPriceElementSaleLocked());
    EXPECT_TRUE(product.isLocallySaleBlocked());
    EXPECT_EQ(product.getName(), "Chleb żytni");
    EXPECT_EQ(product.getShortName(), "Chleb żyt.");
    EXPECT_EQ(product.getGroupIndex(), "PIE");
    EXPECT_EQ(product.getProductType(), 2);
    EXPECT_TRUE(product.hasIngredients());
    EXPECT_EQ(product.getIngredients(), "mąka żytnia, woda, sól");

    engine.getMainQuery().Next();
    EXPECT_EQ(product.getProductId(), 2);
    EXPECT_FALSE(product.isWeighed());
    EXPECT_EQ(product.getPluStatus(), 3);
    EXPECT_EQ(product.getShelfLife(), std::nullopt);
    EXPECT_FALSE(product.hasSeveralPrices());
    EXPECT_FALSE(product.hasIngredients());
}

TEST_P(ProductDataTest, NullFlagsReadFalseAndNullShelfLifeEmpty) {
    Db::TDataSet rows(session());
    rows.SetSQL("select null as bWieleCen, null as multiPriceElementSaleLocked, null as locallySaleBlocked, "
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
    const auto record = std::make_shared<Devices::ProductDataForFrontOfficeFromDataSet>(engine.getMainQuery());
    const OldScaleNumber deletion(record);

    EXPECT_EQ(deletion.getScalePluNumber(), 99);
    EXPECT_EQ(deletion.getPluStatus(), 3);
    EXPECT_EQ(deletion.getProductId(), record->getProductId());
    EXPECT_EQ(deletion.isWeighed(), record->isWeighed());
    EXPECT_EQ(deletion.getPluCode(), record->getPluCode());
    EXPECT_EQ(deletion.getPlu().raw(), record->getPlu().raw());
    EXPECT_EQ(deletion.getScaleSection(), record->getScaleSection());
    EXPECT_EQ(deletion.getSalePrice(), record->getSalePrice());
    EXPECT_EQ(deletion.getSaleUnit(), record->getSaleUnit());
    EXPECT_EQ(deletion.getShelfLife(), record->getShelfLife());
    EXPECT_EQ(deletion.getActivityStatus(), record->getActivityStatus());
    EXPECT_EQ(deletion.hasSeveralPrices(), record->hasSeveralPrices());
    EXPECT_EQ(deletion.isMultiPriceElementSaleLocked(), record->isMultiPriceElementSaleLocked());
    EXPECT_EQ(deletion.isLocallySaleBlocked(), record->isLocallySaleBlocked());
    EXPECT_EQ(deletion.getName(), record->getName());
    EXPECT_EQ(deletion.getShortName(), record->getShortName());
    EXPECT_EQ(deletion.getGroupIndex(), record->getGroupIndex());
    EXPECT_EQ(deletion.getProductType(), record->getProductType());
    EXPECT_EQ(deletion.hasIngredients(), record->hasIngredients());
    EXPECT_EQ(deletion.getIngredients(), record->getIngredients());
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
    EXPECT_EQ(takeStatements(), std::vector<std::string>{"\n select tp.ltowarref predecessor_id, ts.ltowarref successor_id"
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

PLU_ON_EACH_ENGINE(ProductDataTest);

}  // namespace
}  // namespace PluTest
