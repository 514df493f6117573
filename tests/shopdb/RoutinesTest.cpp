#include <gtest/gtest.h>

#include <optional>

#include "EngineTest.h"
#include "db/Command.h"
#include "db/DbTypes.h"
#include "db/Procedure.h"
#include "db/Query.h"

namespace ShopDbTest {
namespace {

using DBKernel::Sql::Command;
using DBKernel::Sql::PreparedQuery;
using DBKernel::Sql::Procedure;

class RoutinesTest : public ShopEngineTest {
protected:
    void SetUp() override { session_ = shopDatabase(); }
    void run(const std::string& sql) { Command(sql, *session_).execute(); }

    void updateStock(double day, std::int64_t product, std::optional<double> price) {
        Procedure procedure("UPDATESTANPROC", *session_);
        procedure.param("DDATE", Db::ptInput, Db::ftDateTime) = day;
        procedure.param("TOWARREF", Db::ptInput, Db::ftInteger) = product;
        procedure.param("CENASPRZED", Db::ptInput, Db::ftFloat) = price;
        procedure.execute();
    }

    std::optional<TSessionHolder> session_;
};

TEST_P(RoutinesTest, StockProcedureRevaluesTheDayCarryingTheLastQuantity) {
    TSessionHolder& session = *session_;
    run("insert into Towar (lTowarRef, dLastStnDate) values (7, 45995)");
    run("insert into stn (lTowarRef, data, dStan) values (7, 45990, 7.5)");
    run("insert into stn (lTowarRef, data, dStan) values (7, 45995, 8)");

    updateStock(46000.75, 7, 9.99);
    EXPECT_EQ("8", textOf(session, "select dStan from stn where lTowarRef = 7 and data = 46000"));
    EXPECT_EQ("79.92",
              textOf(session, "select round(dWartoscSprzed, 2) from stn where lTowarRef = 7 and data = 46000"));
    EXPECT_EQ(46000, integerOf(session, "select dLastStnDate from Towar where lTowarRef = 7"));

    updateStock(46000.1, 7, 10.49);  // the same day again: the row takes the new price
    EXPECT_EQ(3, integerOf(session, "select count(*) from stn where lTowarRef = 7"));
    EXPECT_EQ("83.92",
              textOf(session, "select round(dWartoscSprzed, 2) from stn where lTowarRef = 7 and data = 46000"));

    updateStock(45993, 7, 5);  // an earlier day: carries the quantity before it, keeps the last date
    EXPECT_EQ("7.5", textOf(session, "select dStan from stn where lTowarRef = 7 and data = 45993"));
    EXPECT_EQ(46000, integerOf(session, "select dLastStnDate from Towar where lTowarRef = 7"));

    updateStock(46010, 7, std::nullopt);  // no price: nothing to revalue
    EXPECT_EQ(4, integerOf(session, "select count(*) from stn where lTowarRef = 7"));

    updateStock(46000, 8, 3.5);  // a product without stock starts from nothing
    EXPECT_EQ("0", textOf(session, "select dStan from stn where lTowarRef = 8 and data = 46000"));
}

TEST_P(RoutinesTest, LastStockDateIsTheProductsNewestStockRow) {
    TSessionHolder& session = *session_;
    run("insert into stn (lTowarRef, data, dStan) values (7, 45990, 7.5)");
    run("insert into stn (lTowarRef, data, dStan) values (7, 45995, 8)");
    run("insert into stn (lTowarRef, data, dStan) values (9, 46001, 1)");

    PreparedQuery stock(
        "select dStan stockQuantity from stn where lTowarRef = :productId and data = lastStnDate(:productId)", session);
    stock.Params["productId"] = 7;
    stock.execute();
    ASSERT_TRUE(stock);
    EXPECT_EQ("8", stock["stockQuantity"].asString());

    EXPECT_EQ(46001, integerOf(session, "select lastStnDate(9) from dual"));
    EXPECT_TRUE(isNull(session, "select lastStnDate(10) from dual"));
}

TEST_P(RoutinesTest, MarkdownProtocolRecordsTheValueOfTheChange) {
    Procedure procedure("PPA.appendPpa", *session_);
    procedure.param("par_date", Db::ptInput, Db::ftDateTime) = 46000.6;
    procedure.param("par_ppaType", Db::ptInput, Db::ftInteger) = 2;
    procedure.param("par_productRef", Db::ptInput, Db::ftInteger) = 7;
    procedure.param("par_quantity", Db::ptInput, Db::ftFloat) = 8.0;
    procedure.param("par_price1", Db::ptInput, Db::ftFloat) = 9.99;
    procedure.param("par_price2", Db::ptInput, Db::ftFloat) = 12.30;
    procedure.param("productStockQuantity", Db::ptInput, Db::ftFloat) = 8.0;
    procedure.execute();

    DBKernel::Sql::OpenedQuery row("select * from Ppa", *session_);
    ASSERT_TRUE(row);
    std::string fields;
    for (const char* column : {"ppa_date", "ppa_type", "product_id"})
        fields += std::to_string(row[column].asInt64()) + " ";
    for (const char* column : {"price_after", "price_before", "value_change"}) fields += row[column].asString() + " ";
    EXPECT_EQ(fields, "46000 2 7 9.99 12.3 -18.48 ");
    EXPECT_FALSE(row.next());
    EXPECT_EQ("46000 2 7 9.99 12.3 -18.48",
              textOf(*session_,
                     "select ppa_date || ' ' || ppa_type || ' ' || product_id || ' ' || price_after || ' ' "
                     "|| price_before || ' ' || value_change from Ppa"));
}

TEST_P(RoutinesTest, ResetOfTransmissionFlagsSettlesStatesButNotBlockedCodesOrConditions) {
    TSessionHolder& session = *session_;
    for (const char* values :
         {"1, '5900000000017', 1, 1, 0", "2, '5900000000024', 1, 3, null", "3, '5900000000031', 1, 1, 1",
          "4, '5900000000048', 1, 3, 1", "5, '5900000000055', 1, 2, 0"})
        run(std::string("insert into PLU (lPluRef, sPLU, lTowarRef, byStatus, byBlokada) values (") + values + ")");
    run("insert into Towar (lTowarRef, bySendNat, bySendWiecz) values (1, 1, 1)");
    run("insert into WarSprz (lWarSprzRef, lTowarRef, DataOd, DataDo, dCenaSprzed) values (1, 1, 46000, 46010, 4.99)");

    Procedure("ResetPluTransmissionFlags", session).execute();

    std::string states;
    for (DBKernel::Sql::OpenedQuery q("select byStatus from PLU order by lPluRef", session); q; q.next())
        states += q["byStatus"].asString();
    EXPECT_EQ("24132", states);
    EXPECT_EQ(0, integerOf(session, "select bySendNat + bySendWiecz from Towar"));
    EXPECT_EQ(0, integerOf(session, "select byCenaWyslana from WarSprz"));
}

TEST_P(RoutinesTest, MarginIsTheGroupsAverageOwnMarginOrTheShopsDefault) {
    TSessionHolder& session = *session_;
    run("insert into Towar (lTowarRef, sGrIndex, nMarza) values (1, 'NAB1', 20)");
    run("insert into Towar (lTowarRef, sGrIndex, nMarza) values (2, 'NAB1', 40)");
    run("insert into Towar (lTowarRef, sGrIndex) values (3, 'NAB1')");
    run("insert into Towar (lTowarRef, sGrIndex) values (4, 'PIE1')");
    EXPECT_EQ("30", textOf(session, "select margin.getProductMargin(3) from dual"));
    EXPECT_EQ("25", textOf(session, "select margin.getProductMargin(4) from dual"));
}

TEST_P(RoutinesTest, PredictedPurchasePriceFollowsTheAlgorithm) {
    TSessionHolder& session = *session_;
    run("insert into Towar (lTowarRef, sGrIndex, nMarza, byVAT, lGlownyDostawcaRef, byTyp) values (1, 'NAB1', 25, 1, 5, 0)");
    run("insert into Towar (lTowarRef, sGrIndex, byVAT, lGlownyDostawcaRef, byTyp) values (2, 'USL1', 5, 5, 1)");
    run("insert into Towar (lTowarRef, sGrIndex, byVAT, lGlownyDostawcaRef, byTyp) values (3, 'PIE1', 3, 5, 0)");
    // Purchase conditions of product 1: the newest valid one of supplier 5 is 6.40.
    for (const char* values :
         {"1, 1, 5, 6.10, 45900, null", "2, 1, 5, 6.40, 45950, 46100", "3, 1, 5, 7.00, 46001, null",
          "4, 1, 5, 4.00, 45960, 45999", "5, 1, 9, 5.00, 45990, null"})
        run(std::string("insert into warzak (lWarZakRef, lTowarRef, lOdFirmaRef, dCenaZak, DataOd, DataDo) values (") +
            values + ")");

    PreparedQuery prediction(
        "\n select purchasepricegetter.predictProductPurchasePrice(\n \tt.ltowarref\n \t, :current_date\n \t, "
        ":sale_price\n \t, coalesce(t.nmarza, margin.getProductMargin(t.ltowarref))\n \t, t.byvat\n \t, "
        "t.lglownydostawcaref\n \t, t.bytyp\n \t, :algorithm) purchase_price\n from towar t where t.ltowarref = "
        ":product_id",
        session);
    auto predict = [&](int product, std::optional<double> salePrice, const std::string& algorithm) {
        prediction.Params["current_date"] = 46000.0;
        prediction.Params["algorithm"] = algorithm;
        prediction.Params["product_id"] = product;
        prediction.Params["sale_price"] = salePrice;
        prediction.execute();
        return prediction["purchase_price"].isNull() ? std::string("null") : prediction["purchase_price"].asString();
    };
    EXPECT_EQ("8", predict(1, 12.30, "MARZA"));  // 12.30 less 23% VAT is 10, less 25% margin is 8
    EXPECT_EQ("6.4", predict(1, 12.30, "warunki_zakupu"));
    EXPECT_EQ("0", predict(2, 20.0, "MARZA"));  // a service
    EXPECT_EQ("null", predict(1, std::nullopt, "MARZA"));
    EXPECT_EQ("4", predict(3, 5.25, "WARUNKI_ZAKUPU"));  // no condition: 5% VAT, default 25% margin
}

KORVEL_ON_EACH_ENGINE(RoutinesTest);

}  // namespace
}  // namespace ShopDbTest
