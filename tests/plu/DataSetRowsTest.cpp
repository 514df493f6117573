// Which PLU codes the engine lists for a day, with which origins and prices, and what
// the marking changes in the database before the list is read.
#include "PluDatabase.h"
#include "plu/PLUTransmissionContainer.h"

namespace PluTest {
namespace {

// One column of every row, in row order; NULL as "<null>".
std::vector<std::string> column(TPLUTransmissionContainer& engine, const char* name) {
    std::vector<std::string> values;
    Db::TDataSet& rows = engine.getMainQuery();
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const Db::TField& field = rows.FieldByName(name);
        values.push_back(field.IsNull() ? "<null>" : field.AsString());
    }
    rows.First();
    return values;
}

using Texts = std::vector<std::string>;

// The named columns of the only row, in the order named.
Texts onlyRow(TPLUTransmissionContainer& engine, std::initializer_list<const char*> names) {
    Texts values;
    for (const char* name : names) {
        const Texts all = column(engine, name);
        values.push_back(all.size() == 1 ? all.front() : "rows: " + std::to_string(all.size()));
    }
    return values;
}

class DataSetRowsTest : public PluDatabaseTest {
protected:
    // One column of the rows with the given keys, in the order given.
    std::vector<int> valuesOf(const std::string& select, std::initializer_list<int> keys) {
        std::vector<int> values;
        for (int key : keys) values.push_back(integerOf(select + std::to_string(key)));
        return values;
    }
    std::vector<int> pluStates(std::initializer_list<int> pluRefs) {
        return valuesOf("select byStatus from PLU where lPluRef = ", pluRefs);
    }
    std::vector<int> sendNow(std::initializer_list<int> productIds) {
        return valuesOf("select bySendNat from Towar where lTowarRef = ", productIds);
    }
};

TEST_P(DataSetRowsTest, NewPluWithUnsentConditionIsOneRowOfBothOrigins) {
    addProduct(Product(1, "Chleb", 5.0));
    addPlu(11, 1, "5900000000015", 1);
    addCondition(101, 1, 2.5);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    ASSERT_EQ(engine.getRecordCount(), 1);
    EXPECT_EQ(onlyRow(engine, {"byFlaga", "sFlaga", "lWarSprzRef", "byCenaWyslana", "dCenaSprzedWar",
                               "dCenaSprzedTowar", "bBrakCeny"}),
              (Texts{"6", "W P", "101", "0", "2.5", "5", "0"}));
}

TEST_P(DataSetRowsTest, MarkingTurnsOrdinaryPlusOfDueProductsIntoNewOnes) {
    for (bool severalSalePrices : {false, true}) {
        SCOPED_TRACE(severalSalePrices ? "several prices" : "single price");
        setSeveralSalePrices(severalSalePrices);
        exec("delete from PLU");
        exec("delete from WarSprz");
        exec("delete from Product_Current_Sale_Params");
        exec("delete from Towar");
        addProduct(Product(1, "Natychmiast", 1.0).sendingNow());
        addPlu(11, 1, "5900000000015", 2);
        addPlu(12, 1, "5900000000022", 3);  // to be deleted: stays so
        addProduct(Product(2, "Wieczorem", 1.0).sendingInTheEvening());
        addPlu(21, 2, "5900000000039", 2);
        addProduct(Product(3, "Warunek", 1.0));
        addPlu(31, 3, "5900000000046", 2);
        addCondition(301, 3, 0.5);
        addProduct(Product(4, "Warunek wysłany", 1.0));
        addPlu(41, 4, "5900000000053", 2);
        addCondition(401, 4, 0.5, 1);
        addProduct(Product(5, "Warunek przyszły", 1.0));
        addPlu(51, 5, "5900000000060", 2);
        addCondition(501, 5, 0.5, 0, kDay + 1, kDay + 9);
        addProduct(Product(6, "Bez zmian", 1.0));
        addPlu(61, 6, "5900000000077", 2);

        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(kDay);
        EXPECT_EQ(pluStates({11, 12, 21, 31, 41, 51, 61}), (std::vector<int>{1, 3, 1, 1, 2, 2, 2}));
        EXPECT_EQ(column(engine, "sPLU"), (Texts{"5900000000022", "5900000000015", "5900000000046", "5900000000039"}));
        EXPECT_EQ(column(engine, "byFlaga"), (Texts{"2", "2", "6", "2"}));
    }
}

TEST_P(DataSetRowsTest, SeveralConditionsGiveTheLowestPriceAndTheNewestCondition) {
    setSeveralSalePrices(true);
    addProduct(Product(1, "Ser", 10.0));
    addPlu(11, 1, "5900000000015", 2);
    addCondition(20, 1, 7.0);
    addCondition(21, 1, 6.0);
    addCondition(22, 1, 3.0, 1);                      // already sent
    addCondition(23, 1, 2.0, 0, kDay - 9, kDay - 1);  // over before the day
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    EXPECT_EQ(pluStates({11}), std::vector<int>{1});
    EXPECT_EQ(onlyRow(engine, {"sPLU", "dCenaSprzedWar", "lWarSprzRef", "byFlaga"}),
              (Texts{"5900000000015", "6", "21", "6"}));
}

TEST_P(DataSetRowsTest, PricelessRowsAreLeftOutOrListedLast) {
    addProduct(Product(1, "Arbuz", std::nullopt));
    addPlu(11, 1, "5900000000015", 1);
    addProduct(Product(2, "Banan", 0.0));
    addPlu(21, 2, "5900000000022", 1);
    addProduct(Product(3, "Cebula", std::nullopt));
    addPlu(31, 3, "5900000000039", 3);  // a deletion needs no price
    addProduct(Product(4, "Dynia", 4.0));
    addPlu(41, 4, "5900000000046", 1);
    addProduct(Product(5, "Ementaler", std::nullopt));
    addPlu(51, 5, "5900000000053", 1);
    addCondition(501, 5, 3.0);
    addProduct(Product(6, "Figa", -1.0));
    addPlu(61, 6, "5900000000060", 1);
    addCondition(601, 6, 0.0);

    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    EXPECT_EQ(column(engine, "sNazwa"), (Texts{"Cebula", "Dynia", "Ementaler"}));
    EXPECT_EQ(column(engine, "sCenaSprzed"), (Texts{"brak!", "4.00", "3.00"}));

    engine.setIncludePriceless(true);
    EXPECT_EQ(column(engine, "sNazwa"), (Texts{"Cebula", "Dynia", "Ementaler", "Arbuz", "Banan", "Figa"}));
    EXPECT_EQ(column(engine, "bBrakCeny"), (Texts{"1", "0", "0", "1", "1", "1"}));
    EXPECT_EQ(engine.getRecordCount(), 6);
}

TEST_P(DataSetRowsTest, BlockedPluIsListedWhateverItsState) {
    addProduct(Product(1, "Kawa", 20.0));
    addPlu(11, 1, "5900000000015", 2, 1);
    addPlu(12, 1, "5900000000022", 2, std::nullopt);  // NULL counts as not blocked
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    EXPECT_EQ(onlyRow(engine, {"sPLU", "byBlokada", "sBlokada", "sStatus"}),
              (Texts{"5900000000015", "1", "tak", "Zwykły"}));
}

TEST_P(DataSetRowsTest, GroupedProductsAreFlaggedAndListedUnderTheGroupingCode) {
    setSeveralSalePrices(true);
    addProduct(Product(1, "Piwo", 4.0));
    addPlu(11, 1, "5900000000015", 2);
    addProduct(Product(2, "Piwo jasne", 4.0).groupedUnder(1));
    addCondition(201, 2, 3.5);
    addProduct(Product(3, "Piwo ciemne", 4.5).groupedUnder(1));
    addProduct(Product(4, "Sok", 3.0));
    addPlu(41, 4, "5900000000022", 2);
    addProduct(Product(5, "Sok jabłkowy", 3.0).groupedUnder(4));
    addProduct(Product(6, "Woda", 2.0));
    addPlu(61, 6, "5900000000039", 2);
    addCondition(601, 6, 1.5);
    addProduct(Product(7, "Wino białe", 30.0).groupedUnder(8));
    addProduct(Product(8, "Wino", 30.0));
    addPlu(81, 8, "5900000000046", 2, 1);

    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    // 2: its own condition; 3: its grouping code became new through its sibling; 6: not
    // grouped; 7: its grouping code is blocked.
    EXPECT_EQ(sendNow({1, 2, 3, 4, 5, 6, 7, 8}), (std::vector<int>{0, 1, 1, 0, 0, 0, 1, 0}));
    EXPECT_EQ(pluStates({11, 61}), (std::vector<int>{1, 1}));

    EXPECT_EQ(column(engine, "sPLU"), (Texts{"5900000000015", "5900000000015", "5900000000015", "5900000000046",
                                             "5900000000046", "5900000000039"}));
    EXPECT_EQ(column(engine, "lTowarRef"), (Texts{"1", "3", "2", "8", "7", "6"}));
    EXPECT_EQ(column(engine, "byFlaga"), (Texts{"2", "2", "6", "2", "3", "6"}));
    EXPECT_EQ(column(engine, "lTowarGrupujacyRef"), (Texts{"<null>", "1", "1", "<null>", "8", "<null>"}));
}

TEST_P(DataSetRowsTest, GroupedProductsAreNotFlaggedInSinglePriceMode) {
    addProduct(Product(1, "Piwo", 4.0));
    addPlu(11, 1, "5900000000015", 1);
    addProduct(Product(2, "Piwo jasne", 4.0).groupedUnder(1));
    addCondition(201, 2, 3.5);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    takeStatements();
    engine.markTowarFromPLUAnsWars(kDay);
    EXPECT_TRUE(takeStatements().empty());
    EXPECT_EQ(sendNow({2}), std::vector<int>{0});
}

KORVEL_ON_EACH_ENGINE(DataSetRowsTest);

}  // namespace
}  // namespace PluTest
