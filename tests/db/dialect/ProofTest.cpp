// The module's Oracle texts, translated and run on each engine, give the rows Oracle
// would give. Expected rows are written from Oracle's semantics.
#include <gtest/gtest.h>

#include <algorithm>

#include "OracleTexts.h"
#include "ProofDatabase.h"
#include "ShopFixture.h"
#include "support/ErrorOf.h"

namespace DialectProof {
namespace {

using DBKernel::Dialect::Engine;

class ProofTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        db = GetParam() == Engine::SQLite ? openSqlite() : openPostgres();
        db->script(kShopSchema);
        db->script(kShopRows);
    }

    std::vector<Row> sorted(std::vector<Row> rows) {
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    std::unique_ptr<ProofDatabase> db;
};

const std::vector<std::string> kPluColumns = {
    "sPLU",      "byFlaga",   "lWarSprzRef",       "lPromocjaRef", "dCenaSprzedWar", "byCenaWyslana",
    "byBlokada", "bBrakCeny", "alternativePrices", "ssklad",       "Marka",          "baseUnitInMeasureUnit"};
const Row kChleb = {"1001", "1", "-1", "100", "NULL", "1", "0", "0", "A1", "mąka, woda", "Piekarz", "0.5"};
const Row kMleko = {"1002", "6", "202", "201", "1.7", "0", "0", "0", "W202", "NULL", "NULL", "NULL"};
const Row kSer = {"1003", "2", "-1", "NULL", "NULL", "1", "0", "1", "A3", "NULL", "NULL", "NULL"};
const Row kWoda = {"1004", "2", "-1", "NULL", "NULL", "1", "0", "1", "A4", "NULL", "Żywiec", "NULL"};
const Row kSok = {"1006", "2", "-1", "NULL", "NULL", "1", "1", "0", "A6", "NULL", "NULL", "NULL"};

// Origins summed per code, the newest condition's promotion and the lowest condition
// price, both outer joins to the unit table's two columns, priceless codes dropped
// unless they are deletions.
TEST_P(ProofTest, PluMainQueryListsTheDuePlusOncePerCode) {
    for (bool severalPrices : {false, true}) {
        SCOPED_TRACE(severalPrices ? "several prices" : "single price");
        const Rows rows = db->run(OracleTexts::pluMainQuery(45000, severalPrices, false, {}));
        EXPECT_EQ(rows.select(kPluColumns), (std::vector<Row>{kChleb, kMleko, kSok, kWoda}));
        EXPECT_EQ(rows.select({"lTowarGrupujacyRef"}), std::vector<Row>(4, Row{"NULL"}));
    }
}

// The filter of 2500 products is three "in" groups joined by "or"; product 4 is in the last.
TEST_P(ProofTest, PluMainQueryKeepsPricelessCodesLastAndHonoursTheProductFilter) {
    EXPECT_EQ(db->run(OracleTexts::pluMainQuery(45000, false, true, {})).select(kPluColumns),
              (std::vector<Row>{kChleb, kMleko, kSok, kWoda, kSer}));
    std::vector<int> products{2};
    for (int product = 7; product < 2505; ++product) products.push_back(product);
    products.push_back(4);
    EXPECT_EQ(db->run(OracleTexts::pluMainQuery(45000, false, false, products)).select(kPluColumns),
              (std::vector<Row>{kMleko, kWoda}));
}

TEST_P(ProofTest, SendAllQuerySkipsBlockedAndPricelessButKeepsDeletions) {
    const Rows rows = db->run(OracleTexts::sendAllPluQuery(false));
    EXPECT_EQ(rows.select({"sPLU", "ssklad", "Marka", "baseUnitInMeasureUnit", "byBlokada"}),
              (std::vector<Row>{{"1001", "mąka, woda", "Piekarz", "0.5", "0"},
                                {"1005", "NULL", "NULL", "NULL", "0"},
                                {"1002", "NULL", "NULL", "NULL", "0"},
                                {"1004", "NULL", "Żywiec", "NULL", "0"}}));
}

TEST_P(ProofTest, MarkingTurnsOrdinaryPlusWithSendFlagsIntoNewOnes) {
    db->run(OracleTexts::markPluStatement(45000, "PLU_ALL_VIEW"));
    EXPECT_EQ(
        db->run("select sPLU, byStatus from plu order by sPLU").rows,
        (std::vector<Row>{{"1001", "1"}, {"1002", "1"}, {"1003", "1"}, {"1004", "3"}, {"1005", "2"}, {"1006", "2"}}));
}

// Outer joins to the stock of the last stock day, to the promotions valid on the sale
// date (a derived table) and to the main supplier.
TEST_P(ProofTest, SesLabelsQueryKeepsLabelsWithoutStockPromotionOrSupplier) {
    db->script(
        "insert into tempraporttowar values (11); insert into tempraporttowar values (21);"
        "insert into tempraporttowar values (41); insert into tempraporttowar values (51)");
    const Rows rows = db->run(OracleTexts::sesLabelsQuery(45000));
    EXPECT_EQ(sorted(rows.select({"lPluRef", "dStan", "dSaleDateFrom", "dSaleDateTo", "sNazwa", "sKrNazwa"})),
              (std::vector<Row>{{"11", "12.5", "44990", "45010", "Piekarnia", "PIEK"},
                                {"21", "7", "44990", "45005", "NULL", "NULL"},
                                {"21", "7", "44998", "45001", "NULL", "NULL"},
                                {"41", "NULL", "-9999999", "-9999999", "NULL", "NULL"},
                                {"51", "3", "44990", "45010", "NULL", "NULL"}}));
}

// The constant conditions on the outer-joined conditions belong to the join: a label
// whose promotions all expired keeps its row.
TEST_P(ProofTest, StockChangeQueryJoinsOnlyThePromotionsValidOnTheLastDay) {
    const Rows rows = db->run(OracleTexts::stockChangeQuery(44990, 45000));
    EXPECT_EQ(sorted(rows.select({"lPluRef", "sPlu", "lPromocjaRef", "Marka", "nJmPrzelicznik"})),
              (std::vector<Row>{{"11", "1001", "300", "Piekarz", "0"},
                                {"11", "1001", "NULL", "Piekarz", "0"},
                                {"21", "1002", "200", "NULL", "2"},
                                {"21", "1002", "201", "NULL", "2"},
                                {"61", "1006", "NULL", "NULL", "0"}}));
}

TEST_P(ProofTest, PriceCheckerMergeInsertsNewNumbersAndMovesReusedOnes) {
    db->run(OracleTexts::priceCheckerMerge(), {{"plu_id", std::int64_t(5)}, {"id_on_device", std::int64_t(1)}});
    db->run(OracleTexts::priceCheckerMerge(), {{"plu_id", std::int64_t(8)}, {"id_on_device", std::int64_t(2)}});
    db->run(OracleTexts::priceCheckerMerge(), {{"plu_id", std::int64_t(7)}, {"id_on_device", std::int64_t(1)}});
    EXPECT_EQ(db->run("select plu_id, id_on_device from price_checker_plu order by id_on_device").rows,
              (std::vector<Row>{{"7", "1"}, {"8", "2"}}));
}

TEST_P(ProofTest, LockingTextsSelectTheRowsTheyLock) {
    EXPECT_EQ(db->run(OracleTexts::lockProduct(5)).select({"sNazwa"}), (std::vector<Row>{{"Kawa"}}));
    EXPECT_EQ(db->run(OracleTexts::lockDevices("lUrzadzenieRef=5\n")).select({"nNrKolvenia"}),
              (std::vector<Row>{{"3"}}));
    EXPECT_EQ(db->run(OracleTexts::lockDeviceParameters("nNrTypuUrz=0 and nNrSekcji=1\n")).select({"nParamId"}),
              (std::vector<Row>{{"3"}, {"10"}}));
}

TEST_P(ProofTest, PurchasePricePredictionCallsTheDatabasePackages) {
    db->definePackageFunctions();
    const Binds binds = {{"current_date", std::int64_t(45000)}, {"algorithm", std::string("avg")}};
    Binds chleb = binds, mleko = binds;
    chleb.insert({{"product_id", std::int64_t(1)}, {"sale_price", 12.5}});  // package margin 25
    mleko.insert({{"product_id", std::int64_t(2)}, {"sale_price", 11.0}});  // own margin 10
    EXPECT_EQ(db->run(OracleTexts::purchasePricePrediction(), chleb).select({"purchase_price"}),
              (std::vector<Row>{{"10"}}));
    EXPECT_EQ(db->run(OracleTexts::purchasePricePrediction(), mleko).select({"purchase_price"}),
              (std::vector<Row>{{"10"}}));
}

TEST_P(ProofTest, OptimisticPluUpdateLeavesBlockedAndChangedPlusAlone) {
    const auto update = [&](std::int64_t plu, std::int64_t from) {
        db->run(OracleTexts::pluStateUpdate(),
                {{"bystatus", std::int64_t(2)}, {"lpluref", plu}, {"oldbystatus", from}});
    };
    update(21, 1);  // new, unblocked (byBlokada 0)
    update(31, 1);  // new, byBlokada NULL
    update(41, 1);  // changed since read: state 3
    db->script("update plu set byStatus = 1 where lPluRef = 61");
    update(61, 1);  // blocked
    EXPECT_EQ(db->run("select sPLU, byStatus from plu where lPluRef in (21, 31, 41, 61) order by sPLU").rows,
              (std::vector<Row>{{"1002", "2"}, {"1003", "2"}, {"1004", "3"}, {"1006", "1"}}));
}

TEST_P(ProofTest, PluCodesOfAProductComeUnblockedFirst) {
    db->script(
        "insert into plu (lPluRef, lTowarRef, sPLU, byStatus, byBlokada) values (52, 5, '1015', 1, 1);"
        "insert into plu (lPluRef, lTowarRef, sPLU, byStatus, byBlokada) values (53, 5, '1025', 3, 0)");
    EXPECT_EQ(db->run(OracleTexts::pluCodesOfProduct(), {{"ltowarref", std::int64_t(5)}}).rows,
              (std::vector<Row>{{"1005"}, {"1015"}}));
}

// The change history's table is named in quotes, as Oracle stores it; the schema's
// names are unquoted.
TEST_P(ProofTest, QuotedTableNamesReachTheUnquotedTable) {
    db->script("create table Operacje (sKlucz varchar(40), sOpis varchar(100))");
    db->run("insert into \"Operacje\" (sKlucz, sOpis) values (:klucz, :opis)",
            {{"klucz", std::string("NWYSLANIEPLUDOKAS")}, {"opis", std::string("Wysłanie PLU do kas")}});
    EXPECT_EQ(db->run("select sKlucz, sOpis from \"OPERACJE\"").rows,
              (std::vector<Row>{{"NWYSLANIEPLUDOKAS", "Wysłanie PLU do kas"}}));
}

// Oracle's decode takes NULL as equal to NULL, for literal and computed search values.
TEST_P(ProofTest, DecodeMatchesNullWithNull) {
    db->script(
        "create table pairs (n integer, x integer, y integer);"
        "insert into pairs values (1, null, 5); insert into pairs values (2, 2, 2);"
        "insert into pairs values (3, 3, 4); insert into pairs values (4, null, null)");
    EXPECT_EQ(db->run("select n, decode(x, null, 'none', y, 'same', 'other') a, decode(x, y, 'same', 'other') b "
                      "from pairs order by n")
                  .rows,
              (std::vector<Row>{
                  {"1", "none", "other"}, {"2", "same", "same"}, {"3", "other", "other"}, {"4", "none", "same"}}));
}

// A table outer-joined to an outer-joined table is joined after it, whatever the FROM order.
TEST_P(ProofTest, ChainedOuterJoinsFollowTheirDependencies) {
    db->script(
        "create table ta (id integer); create table tb (id integer, aid integer);"
        "create table tc (id integer, bid integer);"
        "insert into ta values (1); insert into ta values (2); insert into ta values (3);"
        "insert into tb values (1, 1); insert into tb values (2, 2); insert into tc values (1, 1)");
    EXPECT_EQ(db->run("select a.id, b.id, c.id from tc c, ta a, tb b "
                      "where b.id = c.bid(+) and a.id = b.aid(+) order by a.id")
                  .rows,
              (std::vector<Row>{{"1", "1", "1"}, {"2", "2", "NULL"}, {"3", "NULL", "NULL"}}));
}

INSTANTIATE_TEST_SUITE_P(Engines, ProofTest, ::testing::Values(Engine::SQLite, Engine::PostgreSQL),
                         [](const auto& info) { return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL"; });

}  // namespace
}  // namespace DialectProof

namespace DialectProof {
namespace {

// What "for update nowait" is for: a second session cannot take the rows at once
// (55P03, Oracle's error 54). On SQLite the kernel's write lock stands for row locks.
TEST(PostgresRowLocks, ALockedProductIsRefusedToASecondSessionAtOnce) {
    std::unique_ptr<ProofDatabase> first = openPostgres();
    first->script(kShopSchema);
    first->script(kShopRows);
    std::unique_ptr<ProofDatabase> second = first->newSession();
    first->script("begin");
    first->run(OracleTexts::lockProduct(5));
    EXPECT_NO_THROW(second->run(OracleTexts::lockProduct(4)));
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { second->run(OracleTexts::lockProduct(5)); }).substr(0, 5),
              "55P03");
    first->script("rollback");
}

}  // namespace
}  // namespace DialectProof
