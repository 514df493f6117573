// The PLU engine's walk over a day's rows: what each kind of row sends and writes
// back, the packages and their transactions, and a run that finds its rows changed.
#include "../crserver/TransferFileReader.h"
#include "Transmission.h"
#include "db/Query.h"
#include "db/SessionHolder.h"

namespace PluTx {
namespace {

namespace fs = std::filesystem;

class ProcessDataSetTest : public Transmission {
protected:
    void SetUp() override {
        Transmission::SetUp();
        addCashRegister(1);
    }

    static std::string counters(const TPLUTransmissionContainer& engine) {
        const auto& c = engine.counters();
        return "processed " + std::to_string(c.processed) + ", sent " + std::to_string(c.sent) + ", flags or price " +
               std::to_string(c.notSentFlagsOrPrice) + ", condition price " + std::to_string(c.wrongConditionPrices) +
               ", transaction " + std::to_string(c.transactionErrors);
    }
};

TEST_P(ProcessDataSetTest, EachRowIsSkippedOrSentAndWrittenBackByItsFlagsAndPrices) {
    addProduct(Product(1, "Arbuz", 4.0));
    addPlu(11, 1, "5900000000015", 1, 1);  // blocked
    addProduct(Product(2, "Banan", std::nullopt));
    addPlu(21, 2, "5900000000022", 3);  // a deletion needs no price
    addProduct(Product(3, "Cebula", 2.0).sendingInTheEvening());
    addPlu(31, 3, "5900000000039", 2);
    addProduct(Product(4, "Dynia", 6.0));
    addPlu(41, 4, "5900000000046", 2);
    addCondition(401, 4, 6.0);  // the product's own price
    addProduct(Product(5, "Ementaler", 6.0));
    addPlu(51, 5, "5900000000053", 2);
    addCondition(501, 5, 5.0);
    addStock(5, today() - 1, 0);
    addProduct(Product(6, "Figa", 10.0));
    addPlu(61, 6, "5900000000060", 2);
    addCondition(601, 6, 8.0);
    addStock(6, today() - 1, 3);
    addProduct(Product(7, "Gruszka", 3.0));
    addPlu(71, 7, "5900000000077", 2);
    addCondition(701, 7, 0.0);
    addProduct(Product(9, "Imbir", 5.0).sendingNow());
    addPlu(91, 9, "2000000000015", 2);

    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(today());
    takeStatements();
    const Run run = process(engine);
    ASSERT_TRUE(run.done) << run.status;
    EXPECT_EQ(counters(engine), "processed 8, sent 5, flags or price 2, condition price 1, transaction 0");

    EXPECT_EQ(plusIn(fileName('P', 1, 1)),
              (Texts{"5900000000022 3 0.00", "5900000000046 1 6.00", "5900000000053 1 5.00", "5900000000060 1 8.00",
                     "2000000000015 1 5.00"}));
    // Marking made every due ordinary code new; only sent rows move on. The blocked,
    // the evening-only and the zero-condition rows keep what marking left.
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"),
              (Texts{"11 1", "21 4", "31 1", "41 2", "51 2", "61 2", "71 1", "91 2"}));
    EXPECT_EQ(rows("select lTowarRef, bySendNat, bySendWiecz, dCenaSprzed from Towar order by lTowarRef"),
              (Texts{"1 0 0 4", "2 0 0 null", "3 0 1 2", "4 0 0 6", "5 0 0 5", "6 0 0 8", "7 0 0 3", "9 0 0 5"}));
    EXPECT_EQ(rows("select lWarSprzRef, byCenaWyslana from WarSprz order by lWarSprzRef"),
              (Texts{"401 1", "501 1", "601 1", "701 0"}));
    EXPECT_EQ(rows("select product_id, sale_price from Product_Current_Sale_Params order by product_id"),
              (Texts{"1 4", "2 null", "3 2", "4 6", "5 5", "6 8", "7 3", "9 5"}));

    // A price change revalues the stock; only stock that is there gets a markdown
    // protocol. An unchanged price does neither.
    const Texts statements = takeStatements();
    EXPECT_EQ(count(statements, "UPDATESTANPROC("), 2u);
    EXPECT_EQ(count(statements, "PPA.appendPpa("), 1u);
    EXPECT_EQ(rows("select lTowarRef, dStan, dCenaSprzed from stn where data = " + std::to_string(today()) +
                   " order by lTowarRef"),
              (Texts{"5 0 5", "6 3 8"}));
    EXPECT_EQ(rows("select product_id, quantity, price_after, price_before from Ppa"), Texts{"6 3 8 10"});
}

TEST_P(ProcessDataSetTest, StockSwitchedOffChangesThePriceButNotTheStock) {
    configure({.packageSize = std::nullopt, .stockHandling = false});
    addProduct(Product(1, "Figa", 10.0));
    addPlu(11, 1, "5900000000015", 2);
    addCondition(101, 1, 8.0);
    addStock(1, today() - 1, 3);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(today());
    takeStatements();
    ASSERT_TRUE(process(engine).done);
    const Texts statements = takeStatements();
    EXPECT_EQ(count(statements, "UPDATESTANPROC("), 0u);
    EXPECT_EQ(count(statements, "PPA.appendPpa("), 0u);
    EXPECT_EQ(rows("select dCenaSprzed from Towar"), Texts{"8"});
    EXPECT_EQ(rows("select count(*) from Ppa"), Texts{"0"});
}

// Product-level work belongs to a product's first row that gets through (a blocked
// one does not), even when its next row falls into the next package; each row writes
// its own PLU state.
TEST_P(ProcessDataSetTest, ProductWithSeveralCodesIsWrittenOnceAcrossPackages) {
    configure({.packageSize = 1});
    addProduct(Product(1, "Chleb", 4.0));
    addPlu(10, 1, "5900000000008", 2, 1);
    addPlu(11, 1, "5900000000015", 1);
    addPlu(12, 1, "5900000000022", 2);
    addCondition(101, 1, 3.0);
    addStock(1, today() - 1, 2);
    addProduct(Product(2, "Woda", 2.0).sendingNow());
    addPlu(21, 2, "5900000000039", 2);

    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(today());
    takeStatements();
    ASSERT_TRUE(process(engine).done);
    const Texts statements = takeStatements();
    EXPECT_EQ(count(statements, "update PLU set byStatus"), 3u);
    EXPECT_EQ(count(statements, "update warsprz"), 1u);
    EXPECT_EQ(count(statements, "dCenaSprzed = :dCenaSprzed"), 1u);
    EXPECT_EQ(count(statements, "update towar set bySendWiecz = :bySendWiecz, bySendNat = :bySendNat  where"), 1u);
    EXPECT_EQ(count(statements, "update Product_Current_Sale_Params"), 2u);
    EXPECT_EQ(count(statements, "UPDATESTANPROC("), 1u);
    EXPECT_EQ(count(statements, "PPA.appendPpa("), 1u);
    EXPECT_EQ(count(statements, "for update nowait"), 3u);

    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"), (Texts{"10 1", "11 2", "12 2", "21 2"}));
    EXPECT_EQ(rows("select lTowarRef, bySendNat, dCenaSprzed from Towar order by lTowarRef"),
              (Texts{"1 0 3", "2 0 2"}));
    // The blocked code's package sends nothing: no PLU file for it.
    EXPECT_EQ(files('P'), (Texts{fileName('P', 1, 1), fileName('P', 2, 1), fileName('P', 3, 1)}));
    EXPECT_EQ(plusIn(fileName('P', 1, 1)), Texts{"5900000000015 1 3.00"});
    EXPECT_EQ(plusIn(fileName('P', 2, 1)), Texts{"5900000000022 1 3.00"});
}

// Each package is one transaction with its own sender: its files, its external
// senders' package and its commit come at its end.
TEST_P(ProcessDataSetTest, PackagesCommitOneByOneWithTheirOwnFiles) {
    configure({.packageSize = 2});
    const Texts codes{"5900000000015", "5900000000022", "5900000000039", "5900000000046", "5900000000053"};
    for (int id = 1; id <= 5; ++id) {
        addProduct(Product(id, std::string(1, char('A' + id - 1)) + " towar", id));
        addPlu(10 * id + 1, id, codes[id - 1], 1);
    }
    addProductSet(5, "Na grilla", {1, 2});
    addProductSet(6, "Śniadanie", {5});
    addBundle(700, 1, 2);

    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(today());
    TSessionHolder observer(false);
    std::vector<std::int64_t> committed;
    engine.SetupTickMethod([&] {
        committed.push_back(
            DBKernel::Sql::OpenedQuery("select count(*) from PLU where byStatus = 2", observer).at(0).asInt64());
    });
    ASSERT_TRUE(process(engine).done);
    EXPECT_EQ(committed, (std::vector<std::int64_t>{0, 0, 2, 2, 4}));
    EXPECT_EQ(rows("select count(*) from PLU where byStatus = 2"), Texts{"5"});

    EXPECT_EQ(files(), (Texts{fileName('P', 1, 1), fileName('P', 2, 1), fileName('P', 3, 1), fileName('S', 1, 2),
                              fileName('S', 2, 2), fileName('Z', 1, 3), fileName('Z', 2, 3), fileName('Z', 3, 3)}));
    EXPECT_EQ(plusIn(fileName('P', 1, 1)), (Texts{"5900000000015 1 1.00", "5900000000022 1 2.00"}));
    EXPECT_EQ(plusIn(fileName('P', 2, 1)), (Texts{"5900000000039 1 3.00", "5900000000046 1 4.00"}));
    EXPECT_EQ(plusIn(fileName('P', 3, 1)), (Texts{"5900000000053 1 5.00"}));

    CrServerTest::TransferFile plus, firstSets, lastSets, bundles;
    CrServerTest::readTransferFile(out / fileName('P', 1, 1), plus);
    EXPECT_EQ(CrServerTest::readPlu(plus.records("plu")[0]).getCompositionLinks(), "5");
    CrServerTest::readTransferFile(out / fileName('S', 1, 2), firstSets);
    ASSERT_EQ(firstSets.records("productSet").size(), 1u);
    EXPECT_EQ(CrServerTest::readProductSet(firstSets.records("productSet")[0]),
              (Composition::ProductSet{5, "Na grilla", {1, 2}}));
    CrServerTest::readTransferFile(out / fileName('S', 2, 2), lastSets);
    ASSERT_EQ(lastSets.records("productSet").size(), 1u);
    EXPECT_EQ(CrServerTest::readProductSet(lastSets.records("productSet")[0]),
              (Composition::ProductSet{6, "Śniadanie", {5}}));
    CrServerTest::readTransferFile(out / fileName('Z', 3, 3), bundles);
    ASSERT_EQ(bundles.records("bundle").size(), 1u);
    EXPECT_EQ(CrServerTest::readBundle(bundles.records("bundle")[0]).getId(), std::optional<std::uint32_t>(700));

    const std::string day = "beginSending " + std::to_string(today());
    EXPECT_EQ(takeJournal(), (Texts{"init", day, "sendTowar " + codes[0], "sendTowar " + codes[1], "endSending",  //
                                    "init", day, "sendTowar " + codes[2], "sendTowar " + codes[3], "endSending",  //
                                    "init", day, "sendTowar " + codes[4], "endSending"}));
}

// A row changed since the dataset was read fails the run with its message; its
// package is undone, the packages before it stay.
TEST_P(ProcessDataSetTest, RowChangedUnderOurFeetUndoesItsPackageOnly) {
    struct Case {
        const char* what;
        const char* change;
        const char* message;
    };
    const Case cases[] = {
        {"PLU state", "update PLU set byStatus = 2 where lPluRef = 41", "Błąd w trakcie aktualizacji PLU."},
        {"condition price", "update WarSprz set dCenaSprzed = 2.5 where lWarSprzRef = 401",
         "Błąd w trakcie aktualizacji warunków sprzedaży."},
        {"product removed", "delete from Towar where lTowarRef = 4", "Błąd w trakcie aktualizacji towaru."},
    };
    configure({.packageSize = 2});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* table : {"PLU", "WarSprz", "Product_Current_Sale_Params", "Towar"})
            exec(std::string("delete from ") + table);
        for (const auto& entry : fs::directory_iterator(out)) fs::remove(entry.path());
        addProduct(Product(1, "A", 1.0));
        addPlu(11, 1, "5900000000015", 1);
        addProduct(Product(2, "B", 2.0));
        addPlu(21, 2, "5900000000022", 1);
        addProduct(Product(3, "C", 3.0).sendingNow());
        addPlu(31, 3, "5900000000039", 2);
        addProduct(Product(4, "D", 4.0));
        addPlu(41, 4, "5900000000046", 1);
        addCondition(401, 4, 3.5);

        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(today());
        exec(c.change);
        const Run run = process(engine);
        EXPECT_FALSE(run.done);
        EXPECT_EQ(run.status, c.message);
        EXPECT_EQ(rows("select lPluRef, byStatus from PLU where lPluRef < 40 order by lPluRef"),
                  (Texts{"11 2", "21 2", "31 1"}));
        EXPECT_EQ(rows("select bySendNat from Towar where lTowarRef = 3"), Texts{"1"});
        EXPECT_EQ(files('P'), Texts{fileName('P', 1, 1)});
        EXPECT_FALSE(session().InTransaction());
    }
}

TEST_P(ProcessDataSetTest, MissingOrNonPositivePackageSizeMeansPackagesOf500) {
    exec(
        "insert into Towar (lTowarRef, sNazwa, dCenaSprzed, byVAT) select nLiczba, 'Towar ' || nLiczba, 1.99, 1 "
        "from sekwencja where nLiczba <= 501");
    exec(
        "insert into Product_Current_Sale_Params (product_id, sale_price) select nLiczba, 1.99 from sekwencja "
        "where nLiczba <= 501");
    exec(
        "insert into PLU (lPluRef, sPLU, lTowarRef, byStatus) select nLiczba, '' || (100000 + nLiczba), nLiczba, 1 "
        "from sekwencja where nLiczba <= 501");
    const std::optional<int> sizes[] = {std::nullopt, 0, -3};
    for (const auto& size : sizes) {
        SCOPED_TRACE(size ? std::to_string(*size) : "missing");
        configure({.packageSize = size});
        exec("update PLU set byStatus = 1");
        for (const auto& entry : fs::directory_iterator(out)) fs::remove(entry.path());
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(today());
        ASSERT_TRUE(process(engine).done);
        ASSERT_EQ(files('P'), (Texts{fileName('P', 1, 1), fileName('P', 2, 1)}));
        EXPECT_EQ(plusIn(fileName('P', 1, 1)).size(), 500u);
        EXPECT_EQ(plusIn(fileName('P', 2, 1)).size(), 1u);
    }
}

KORVEL_ON_EACH_ENGINE(ProcessDataSetTest);

}  // namespace
}  // namespace PluTx
