// The statements the module issues, exactly as it issues them, run against a demo
// shop on each engine: the schema must hold every table, view, column and routine
// they name.
#include <gtest/gtest.h>

#include <string>

#include "EngineTest.h"
#include "db/Command.h"
#include "db/Query.h"
#include "shopdb/DemoShop.h"

namespace ShopDbTest {
namespace {

using DBKernel::Sql::Command;
using DBKernel::Sql::OpenedQuery;
using DBKernel::Sql::PreparedQuery;

constexpr int today = 46000;
const std::string day = std::to_string(today);

class ModuleStatementsTest : public EngineTest {
protected:
    void SetUp() override {
        session_ = shopDatabase();
        ShopDb::DemoShop({.products = 400, .seed = 2, .today = today}).generate(*session_);
    }

    // Runs a query and returns its row count.
    int rows(const std::string& sql) {
        int count = 0;
        for (OpenedQuery query(sql, *session_); query; query.next()) ++count;
        return count;
    }
    std::int64_t execute(const std::string& sql) { return Command(sql, *session_).execute(); }

    std::optional<TSessionHolder> session_;
};

// The product dataset of one day, assembled the way the PLU engine assembles it.
std::string productDataset(bool severalPrices, bool includePriceless, const std::string& products) {
    const std::string table = severalPrices ? "PLU_ALL_VIEW" : "plu";
    const std::string grouping =
        severalPrices ? " lTowarGrupujacyRef as lTowarGrupujacyRef " : " cast(null as number(10)) as lTowarGrupujacyRef ";
    const std::string productColumns =
        "t.bWagowy, t.nWagaSekcja, t.nWagaPLU, t.byTyp, t.bWieleWydan, t.bCenaOtwarta, t.byElEtyk, t.skrNazwa, "
        "t.byVAT, t.alternativeVatRate, t.multiPriceElementSaleLocked, t.locally_sale_blocked as locallySaleBlocked, "
        "t.DutyFreeZoneRestrictions, t.DutyFreeZoneVatRatesHandling, t.FinancialTransactionTypeId, t.lOpakRef, "
        "t.nJmSprz, t.nOkresPrzydatnosci, t.nStatusAktywnosci, t.nJmPrzelicznik, t.dPrzelicznik, t.byWeightType, "
        "t.nPurchaseAgeLimit, t.nSaleAgeLimit, t.bIncreasedRisk, t.bSelfServiceNotAllowed, t.nWeightTolerance, "
        "t.nSecurityWeight, t.VatSplittableProductId, t.VatSplittableValuePercentage, t.OnSiteVatRateId, "
        "t.sPKWiU as PKWiU, t.brandId, t.alternative_Prices_Allowed as alternativePricesAllowed, ";
    auto columns = [&](bool condition, int origin) {
        return std::string(condition ? "w.lWarSprzRef" : "-1") +
               " as lWarSprzRef, t.bWieleCen, p.lPluRef, t.lTowarRef, t.sNazwa, t.sArtIndex, t.sGrIndex, "
               "t.byRabatowy, t.dCenaSprzed as dCenaSprzedTowar, t.bySendWiecz, t.bySendNat, p.sPLU, p.byStatus, "
               "nvl(p.byBlokada, 0) as byBlokada, p.typObslugi, p.njm, " +
               (condition ? "w.dCenaSprzed" : "null") + " as dCenaSprzedWar, p.percentageDiscount as discount, " +
               (condition ? "w.byCenaWyslana" : "1") + " as byCenaWyslana, t.lPromocjaRef as product_promotion_id, " +
               (condition ? "w.lPromoRef" : "null") + " as sale_condition_promotion_id, " + std::to_string(origin) +
               " as byFlaga1, " + productColumns + (condition ? "w.alternative_Prices" : "null") +
               " as conditionAlternativePrices, " + (condition ? "null" : "pcsp.alternative_Prices") +
               " as currentAlternativePrices," + grouping;
    };
    const std::string s1 = "select " + columns(false, 1) + "\n        from towar t,\n        " + table +
                           " p,\n        Product_Current_Sale_Params pcsp\n        where t.lTowarRef = p.lTowarRef\n"
                           "        and t.lTowarRef = pcsp.product_id\n        and p.byStatus = 2\n"
                           "        and (bySendNat = 1 or bySendWiecz = 1)";
    const std::string s2 = "select " + columns(false, 2) + "\n           from towar t,\n           " + table +
                           " p,\n           Product_Current_Sale_Params pcsp\n           where t.lTowarRef = p.lTowarRef\n"
                           "           and t.lTowarRef = pcsp.product_id\n           and (p.byStatus in (3,1) or p.byBlokada = 1)";
    const std::string s3 = "select " + columns(true, 4) + "\n        from towar t,\n        " + table +
                           " p,\n        warSprz w\n        where t.lTowarRef = p.lTowarRef\n        and t.lTowarRef = "
                           "w.lTowarRef\n        and p.byStatus in (2, 1, 3)\n        and w.byCenaWyslana = 0\n"
                           "        and w.DataOd <= " + day + "\n        and w.DataDo >= " + day;
    std::string sql =
        "\n select dane.*, \n \tsklad.ssklad as ssklad,\n     b.name as Marka,\n     jm.dPrzelicznikJm2base as "
        "baseUnitInMeasureUnit\n from \n (select\n       sPLU,\n       max(bWieleCen) as bWieleCen,\n       "
        "max(lwarsprzref) as lWarSprzRef,\n       max(lPluRef) as lPluRef,";
    sql += severalPrices ? "\n       lTowarRef as lTowarRef," : "\n       max(lTowarRef) as lTowarRef,";
    sql += "max(sNazwa) as sNazwa, max(sArtIndex) as sArtIndex, max(sGrIndex) as sGrIndex, max(byRabatowy) as "
           "byRabatowy, sum(distinct(byFlaga1)) as byFlaga, max(bySendWiecz) as bySendWiecz, max(bySendNat) as "
           "bySendNat, min(byCenaWyslana) as byCenaWyslana, decode(max(lWarSprzRef), -1, max(product_promotion_id), "
           "max(sale_condition_promotion_id)) as lPromocjaRef, max(byBlokada) as byBlokada, max(byStatus) as byStatus, "
           "max(typObslugi) as typObslugi, max(nvl(bWagowy,0)) as bWagowy, max(nvl(nWagaSekcja,0)) as nWagaSekcja, "
           "max(nvl(nWagaPLU,0)) as nWagaPLU, max(nvl(byTyp,0)) as byTyp, max(nvl(bWieleWydan, 0)) as bWieleWydan, "
           "max(nvl(bCenaOtwarta, 0)) as bCenaOtwarta, max(byElEtyk) as byElEtyk, max(nvl(skrNazwa,0)) as skrNazwa, "
           "max(byVAT) as byVAT, max(alternativeVatRate) as alternativeVatRate, max(multiPriceElementSaleLocked) as "
           "multiPriceElementSaleLocked, max(locallySaleBlocked) as locallySaleBlocked, max(DutyFreeZoneRestrictions) "
           "as DutyFreeZoneRestrictions, max(DutyFreeZoneVatRatesHandling) as DutyFreeZoneVatRatesHandling, "
           "max(FinancialTransactionTypeId) as FinancialTransactionTypeId, max(lOpakRef) as lOpakRef, "
           "max(nvl(nStatusAktywnosci,0)) as nStatusAktywnosci, max(nvl(nJmSprz,0)) as nJmSprz, "
           "max(nOkresPrzydatnosci) as nOkresPrzydatnosci, min(dCenaSprzedWar) as dCenaSprzedWar, max(discount) as "
           "discount, min(dCenaSprzedTowar) as dCenaSprzedTowar, max(nvl(nJmPrzelicznik, 0)) as nJmPrzelicznik, "
           "max(nvl(dPrzelicznik, 1)) as dPrzelicznik, max(byWeightType) as byWeightType, max(nPurchaseAgeLimit) as "
           "nPurchaseAgeLimit, max(nSaleAgeLimit) as nSaleAgeLimit, max(bIncreasedRisk) as bIncreasedRisk, "
           "max(bSelfServiceNotAllowed) as bSelfServiceNotAllowed, max(nWeightTolerance) as nWeightTolerance, "
           "max(nSecurityWeight) as nSecurityWeight, max(VatSplittableProductId) as VatSplittableProductId, "
           "max(VatSplittableValuePercentage) as VatSplittableValuePercentage, max(OnSiteVatRateId) as "
           "OnSiteVatRateId, max(PKWiU) as PKWiU, min(lTowarGrupujacyRef) as lTowarGrupujacyRef, max(njm) as njm, "
           "max(brandId) as brandId, max(alternativePricesAllowed) as alternativePricesAllowed, "
           "decode(max(lWarSprzRef), -1, max(currentAlternativePrices), max(conditionAlternativePrices)) as "
           "alternativePrices,";
    sql += "\n       decode(sign(min(dCenaSprzedTowar)), 1, 0, 1) \n       * decode(sign(min(dCenaSprzedWar)), 1, 0, 1) "
           "\n       as bBrakCeny ";
    sql += "\n from \n (select pluData.* from (" + s1 + "\n union " + s2 + "\n union " + s3 + ") pluData";
    sql += severalPrices ? "\n ) group by sPLU, lTowarRef " : "\n ) group by sPLU ";
    sql += "\n ) dane,\n skladsurowcowytowaru sklad,\n brand b,\n jmiar jm\n where dane.ltowarref = "
           "sklad.ltowarref(+)\n and dane.brandid = b.id (+)\n and dane.ltowarref = jm.ltowarref(+) \n and dane.njm = "
           "jm.njm(+) ";
    if (!includePriceless) sql += "\n    and (byStatus = 3 \n         or bBrakCeny = 0) ";
    sql += "\n    and ((dane.ltowarref in (" + products + ")))";
    sql += "\n order by ";
    if (includePriceless) sql += "\n   bBrakCeny * decode(byStatus, 3, 0, 1), ";
    sql += "\n   sNazwa,\n   dane.lTowarRef,\n   byStatus desc,\n   sPlu";
    return sql;
}

TEST_P(ModuleStatementsTest, PluEngineMarksAndListsTheDaysPlus) {
    execute("update PLU set byStatus = 1\n where byStatus = 2\n    AND lTowarRef in\n    (\n        SELECT\n"
            "            lTowarRef\n        FROM WarSprz w\n        WHERE byCenaWyslana = 0\n          AND DataOd <= " + day +
            "\n          AND DataDo >= " + day + "\n        UNION ALL\n        SELECT\n            lTowarRef\n"
            "        FROM Towar\n        WHERE bySendNat = 1\n           OR bySendWiecz = 1\n    )");
    execute("update PLU set byStatus = 1\n where byStatus = 2\n and lPluRef in\n   (\n      select lPluRef from\n"
            "      (\n       select p.lPluRef as lPluRef\n         from WarSprz w, PLU_ALL_VIEW p, Towar t where\n"
            "         p.lTowarRef = w.lTowarRef and p.lTowarRef = t.lTowarRef\n         and p.byStatus in (2, 1, 3)"
            "\n         and w.lWarSprzRef = (\n            select max(lWarSprzRef) from warSprz where\n"
            "            byCenaWyslana = 0\n            and DataOd <= " + day + "\n            and DataDo >= " + day +
            "\n            and lTowarRef = p.lTowarref\n         ) \n      union\n         select p.lPluRef as lPluRef\n"
            "         from PLU_ALL_VIEW p, Towar t\n         where t.lTowarRef = p.lTowarRef\n         and p.byStatus = 2"
            "\n         and (bySendNat = 1\n              or bySendWiecz = 1) \n      )\n      group by lPLURef\n   )");
    execute("update Towar set bySendNat = 1  where bySendNat = 0    and lTowarRef in   (      select lTowarRef from "
            "     (\t       select p.lTowarRef as lTowarRef         from WarSprz w, PLU_ALL_VIEW p, Towar t where "
            "        p.lTowarRef = w.lTowarRef and p.lTowarRef = t.lTowarRef         and p.byStatus in (2, 1, 3)"
            "         and p.lTowarGrupujacyRef is not null         and w.lWarSprzRef = (            select "
            "max(lWarSprzRef) from warSprz where            byCenaWyslana = 0            and DataOd <= " + day +
            "            and DataDo >= " + day + "            and lTowarRef = p.lTowarref         )       union   "
            "       select t.lTowarRef            from PLU_ALL_VIEW p, Towar t           where (byStatus in (3,1) or "
            "byBlokada = 1)           and p.lTowarRef = t.lTowarRef            and p.lTowarGrupujacyRef is not null "
            "     )      group by lTowarRef   )");

    std::string products;
    for (OpenedQuery due("select distinct lTowarRef from PLU where byStatus in (1, 3) order by lTowarRef", *session_); due;
         due.next())
        products += (products.empty() ? "" : ", ") + due["lTowarRef"].asString();
    for (bool severalPrices : {false, true})
        for (bool includePriceless : {false, true}) {
            OpenedQuery dataset(productDataset(severalPrices, includePriceless, products), *session_);
            ASSERT_TRUE(dataset) << severalPrices << includePriceless;
            for (const char* column : {"sSklad", "Marka", "baseUnitInMeasureUnit", "bBrakCeny", "byFlaga", "skrNazwa"})
                EXPECT_NO_THROW(dataset[column]) << column;
        }
}

TEST_P(ModuleStatementsTest, RecordProcessingWritesBackAndLooksUp) {
    EXPECT_EQ(1, rows("select * from towar where ltowarref = 5 for update nowait"));
    EXPECT_EQ(1, rows("select dStan stockQuantity from stn where lTowarRef = 5 and data = lastStnDate(5)"));

    PreparedQuery code("select lPluRef, byStatus from PLU where lTowarRef = :lTowarRef", *session_);
    code.Params["lTowarRef"] = 5;
    code.execute();
    ASSERT_TRUE(code);
    Command plu("update PLU set byStatus = :byStatus  where lPLURef = :lPLURef    and nvl(byBlokada, 0) <> 1"
                "    and byStatus  = :OLDbyStatus",
                *session_);
    plu.Params["byStatus"] = 2;
    plu.Params["lPLURef"] = code["lPluRef"].asInt64();
    plu.Params["OLDbyStatus"] = code["byStatus"].asInt64();
    plu.execute();

    Command towar("update towar set bySendWiecz = :bySendWiecz,    bySendNat = :bySendNat,    dCenaSprzed = "
                  ":dCenaSprzed,    lPromocjaRef = :lPromocjaRef  where lTowarRef = :lTowarRef ",
                  *session_);
    towar.Params["bySendWiecz"] = 0;
    towar.Params["bySendNat"] = 0;
    towar.Params["dCenaSprzed"] = 4.99;
    towar.Params["lPromocjaRef"] = std::optional<std::int64_t>();
    towar.Params["lTowarRef"] = 5;
    EXPECT_EQ(1, towar.execute());

    Command condition("update warsprz set byCenaWyslana = :byCenaWyslana  where lWarSprzRef = :lWarSprzRef    and "
                      "dCenaSprzed = :OLDdCenaSprzed",
                      *session_);
    condition.Params["byCenaWyslana"] = 1;
    condition.Params["lWarSprzRef"] = 1;
    condition.Params["OLDdCenaSprzed"] = 1.0;
    condition.execute();

    Command params("\n update Product_Current_Sale_Params set\n \tsale_price = :sale_price\n \t, "
                   "simplified_promotion_id = :simplified_promotion_id\n \t, alternative_prices = :alternative_prices\n"
                   " where product_id = :product_id",
                   *session_);
    params.Params["sale_price"] = 4.99;
    params.Params["simplified_promotion_id"] = std::optional<std::int64_t>();
    params.Params["alternative_prices"] = std::string();
    params.Params["product_id"] = 5;
    EXPECT_EQ(1, params.execute());

    EXPECT_GT(rows("select sPLU from PLU where lTowarRef=5  and byStatus in (1, 2) order by NVL(byBlokada, 0)"), 0);
    EXPECT_GT(rows("\n select\n   ProductId\n , ProductSetId\n from\n ProductProductSetLink\n where Deleted = 0"), 0);
    EXPECT_GT(rows("\n select tp.ltowarref predecessor_id, ts.ltowarref successor_id\n from towar tp, towar ts\n"
                   " where tp.successor_id = ts.ltowarref"),
              0);
    EXPECT_GT(rows("select towarMaster.lTowarRef as lMasterTowarRef,        zest.lTowarRef as lSkladnikTowarRef,    "
                   "    zest.dIlosc as dIlosc,        zest.dSkladnikCenaSprzed as dSkladnikCenaSprzed   from Zestaw "
                   "zest, Towar towarMaster, ProductActivityStatus pas  where towarMaster.lTowarRef = "
                   "zest.lMasterTowarRef  \tand towarMaster.nStatusAktywnosci = pas.productActivityStatusId    and "
                   "towarMaster.byTyp = 8   and pas.SaleBlocked = 0 order by lMasterTowarRef"),
              0);
    EXPECT_GT(rows("select ProductId, SectionNumber, NumberOnScale from DeletedProductScaleNumber"), 0);
    EXPECT_GT(rows("select * from prezent\n"), 0);
}

TEST_P(ModuleStatementsTest, SendAllQueriesListTheValidPlus) {
    const std::string tail =
        "\n       Towar t, \n       Brand b, \n       skladsurowcowytowaru sklad, \n       jmiar jm,\n       "
        "Product_Current_Sale_Params pcsp\n    where p.ltowarref = sklad.ltowarref(+)\n\t     and b.id (+) = "
        "t.brandid\n      and p.lTowarRef = t.lTowarRef\n      and p.lTowarRef = pcsp.product_id\n      and "
        "nvl(p.byBlokada, 0) <> 1\n      and (\n        (byStatus < 3\n          and nvl(t.dCenaSprzed, 0) <> 0)\n"
        "        or byStatus in (3, 4)) /* do usunięcia, usunięte */\n      and p.lTowarRef = t.lTowarRef \n      and "
        "p.lTowarRef = jm.lTowarRef(+) \n      and p.njm = jm.njm(+) \n    order by sNazwa, byStatus desc ";
    const std::string columns =
        "select sklad.ssklad as ssklad, p.lPluRef, p.lTowarRef, t.sNazwa, t.sArtIndex, t.sGrIndex, t.byRabatowy, "
        "t.dCenaSprzed, t.lPromocjaRef, t.bySendWiecz, t.bySendNat, p.sPLU, p.typObslugi, p.byStatus, "
        "nvl(p.byBlokada, 0) as byBlokada, t.bWagowy, t.nWagaSekcja, t.nWagaPLU, t.byTyp, t.bWieleWydan, "
        "t.bCenaOtwarta, t.byElEtyk, t.skrNazwa, t.byVAT, t.alternativeVatRate, t.multiPriceElementSaleLocked, "
        "t.locally_sale_blocked as locallySaleBlocked, t.bWieleCen, t.DutyFreeZoneRestrictions, "
        "t.DutyFreeZoneVatRatesHandling, t.FinancialTransactionTypeId, t.lOpakRef, t.nJmSprz, t.nOkresPrzydatnosci, "
        "t.nStatusAktywnosci, p.percentageDiscount as discount, jm.dPrzelicznikJm2base as baseUnitInMeasureUnit, "
        "b.name as Marka, t.nJmPrzelicznik, t.dPrzelicznik, t.byWeightType, t.nPurchaseAgeLimit, t.nSaleAgeLimit, "
        "t.bIncreasedRisk, t.bSelfServiceNotAllowed, t.nWeightTolerance, t.nSecurityWeight, "
        "t.VatSplittableProductId, t.VatSplittableValuePercentage, t.OnSiteVatRateId, t.sPKWiU as PKWiU, "
        "t.alternative_Prices_Allowed as alternativePricesAllowed, pcsp.alternative_Prices as alternativePrices,";
    const int single = rows(columns + "\n       null as lTowarGrupujacyRef\n    from PLU p," + tail);
    EXPECT_GT(single, 0);
    // Elements of several-price products come on top of the rows of their own codes.
    EXPECT_GE(rows(columns + "\n       p.lTowarGrupujacyRef as lTowarGrupujacyRef\n    from PLU_ALL_VIEW p,  " + tail),
              single);

    EXPECT_GT(rows("select\t  p.lPluRef as lPluRef,\t  p.lTowarRef as lTowarRef,\t  t.sNazwa as sNazwa,\t  "
                   "t.dCenaSprzed as dCenaSprzed,\t  p.sPLU as sPLU,\t  p.byStatus as byStatus,\t  nvl(p.byBlokada, 0) "
                   "as byBlokada,\t  p.byHardTrStat as byHardTrStat,\t  t.skrNazwa as skrNazwa,\t  t.byVAT as byVAT,  "
                   "   t.nJmSprz as nJmSprz,     t.nStatusAktywnosci as nStatusAktywnosci from PLU p, Towar t where "
                   "p.lTowarRef = t.lTowarRef\t  and nvl(p.byBlokada, 0) <> 1    and ( (byStatus < 3\t         and "
                   "t.dCenaSprzed is not null\t         and t.dCenaSprzed <> 0)        or byStatus = 3)"),
              0);
}

TEST_P(ModuleStatementsTest, PriceCheckerNumbersAndLabelsFindTheirRows) {
    Command merge("\n merge into price_checker_plu pcp \n using\n (\n \tselect\n \t\t:plu_id plu_id\n \t\t, "
                  ":id_on_device id_on_device\n \tfrom dual\n ) dataset\n on (pcp.id_on_device = dataset.id_on_device)\n"
                  " when matched then\n \tupdate set\n \t\tpcp.plu_id = dataset.plu_id\n when not matched then\n"
                  " \tinsert\n \t(\n \t\tpcp.plu_id\n \t\t, pcp.id_on_device\n \t)\n \tvalues\n \t(\n \t\tdataset.plu_id\n"
                  " \t\t, dataset.id_on_device\n \t)",
                  *session_);
    for (auto [plu, number] : {std::pair{10, 1}, std::pair{11, 2}, std::pair{12, 1}}) {
        merge.Params["plu_id"] = plu;
        merge.Params["id_on_device"] = number;
        merge.execute();
    }
    EXPECT_EQ(12, integerOf(*session_, "select plu_id from price_checker_plu where id_on_device = 1"));
    EXPECT_EQ(3, integerOf(*session_, "select min(nliczba) firstAvailableId from sekwencja s where not exists "
                                      "(select 1 from price_checker_plu pcp where s.nliczba = pcp.id_on_device)"));
    EXPECT_EQ(1, rows("\n select min(pcp.id_on_device) id\n from plu p, price_checker_plu pcp\n where p.lPluRef = "
                      "pcp.plu_id\n \tand p.bystatus in (3, 4)"));

    EXPECT_GT(rows("\n SELECT\n plu.lPluRef\n , plu.sPlu\n , plu.byStatus\n , towar.ltowarref\n , towar.sartindex\n , "
                   "towar.sgrindex\n , towar.dCenaSprzed\n , towar.dPrzelicznik\n , towar.sNazwa\n , "
                   "nvl(towar.nJmPrzelicznik, 0) nJmPrzelicznik\n , nvl(towar.nJmSprz, 0) nJmSprz\n , "
                   "warsprz.lPromoRef lPromocjaRef\n, brand.name Marka\n, towar.byElEtyk\n FROM plu, stn, towar, "
                   "warsprz, brand\n WHERE plu.LTOWARREF = stn.LTOWARREF AND stn.data = towar.dLastStnDate\n AND "
                   "towar.DLASTSTNDATE >= " + std::to_string(today - 60) + " /*arg1*/ and towar.DLASTSTNDATE <= " + day +
                   " /*arg2*/\n AND towar.LTOWARREF = plu.LTOWARREF AND towar.BYELETYK = 1\n AND brand.id (+) = "
                   "towar.brandid\n AND warsprz.LTOWARREF(+) = plu.LTOWARREF AND warsprz.DATAOD(+) <= " + day +
                   " /*arg2*/\n AND warsprz.DATADO(+) >= " + day + " /*arg2*/"),
              0);

    execute("insert into tempraporttowar (LTOWARREF) select lPluRef from PLU where lTowarRef <= 50");
    EXPECT_GT(rows("\n SELECT plu.lPluRef, s.dStan, nvl(ws.dataOd, -9999999) dSaleDateFrom,\n nvl(ws.dataDo, -9999999) "
                   "dSaleDateTo, f.sNazwa, f.sKrNazwa\n FROM stn s,\n (\n select ws.*\n from warsprz ws,\n (\n select "
                   "distinct p.ltowarref\n from plu p, tempraporttowar trt\n where p.LPLUREF = trt.LTOWARREF\n ) t\n "
                   "where t.LTOWARREF = ws.LTOWARREF\n and " + day + " between ws.DATAOD and ws.DATADO\n and "
                   "ws.LPROMOREF is not null\n ) ws, firma f, towar t, plu, tempraporttowar trt\n WHERE t.lTowarRef = "
                   "plu.lTowarRef AND s.lTowarRef(+) = t.lTowarRef\n AND s.data(+) = t.dLastStnDate AND plu.lTowarRef = "
                   "ws.lTowarRef(+)\n AND t.lGlownyDostawcaRef = f.lFirmaRef(+)\n AND plu.lPluRef = trt.LTOWARREF"),
              0);
}

TEST_P(ModuleStatementsTest, DeviceConfigurationReadsLocksAndEdits) {
    EXPECT_GT(rows("select\n  nNrTypuUrz,\n  -1 nNrSekcji,\n  -1 nNrKolvenia,\n  -1 lUrzadzenieRef,\n  -1 nLiczbaSekcji\n"
                   "from Urzadzenie\n\nunion\n\nselect\n  nNrTypuUrz,\n  nNrSekcji,\n  -1 nNrKolvenia,\n  -1 "
                   "lUrzadzenieRef,\n  (select count(distinct nNrSekcji)\n   from Urzadzenie u2\n   where "
                   "u2.nNrTypuUrz=u.nNrTypuUrz) nLiczbaSekcji\nfrom Urzadzenie u\n\nunion\n\nselect\n  nNrTypuUrz,\n  "
                   "nNrSekcji,\n  nNrKolvenia,\n  lUrzadzenieRef,\n  -1 nLiczbaSekcji\nfrom Urzadzenie\norder by "
                   "nNrTypuUrz, nNrSekcji, nNrKolvenia"),
              10);
    TSessionHolder& session = *session_;
    session.StartTransaction();
    EXPECT_EQ(2, rows("select *\nfrom Urzadzenie\nwhere nNrTypuUrz=1 and nNrSekcji=1\n"
                      "for update of bWlaczone, bDostepne, bRozszerzonaTransmisja nowait"));
    EXPECT_GT(rows("select *\nfrom ParamUrz p\nwhere lUrzadzenieRef in\n(select lUrzadzenieRef\nfrom Urzadzenie\nwhere "
                   "nNrTypuUrz=1 and nNrSekcji=1\n)order by nParamId\nfor update of sWartoscParam nowait\n"),
              0);
    EXPECT_EQ(1, rows("\nselect 1 from urzadzenie u\nwhere\n  u.nNrTypuUrz = 0\n  and u.nNrSekcji = 0\n  and "
                      "u.nNrKolvenia = 2\n  and u.lUrzadzenieRef <> 1"));

    Command insertDevice("insert into Urzadzenie\n  (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia,\n   "
                         "bWlaczone, bDostepne, bRozszerzonaTransmisja)\nvalues\n  (:lUrzadzenieRef, :nNrTypuUrz, "
                         ":nNrSekcji, :nNrKolvenia,\n   :bWlaczone, :bDostepne, :bRozszerzonaTransmisja)",
                         session);
    insertDevice.Params["lUrzadzenieRef"] = 900001;
    insertDevice.Params["nNrTypuUrz"] = 0;
    insertDevice.Params["nNrSekcji"] = 0;
    insertDevice.Params["nNrKolvenia"] = 5;
    insertDevice.Params["bWlaczone"] = 1;
    insertDevice.Params["bDostepne"] = 1;
    insertDevice.Params["bRozszerzonaTransmisja"] = 0;
    insertDevice.execute();
    Command insertParameter("insert into ParamUrz\n  (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam)\nvalues\n"
                            "  (:lParamUrzRef, :lUrzadzenieRef, :nParamId, :sWartoscParam)",
                            session);
    insertParameter.Params["lParamUrzRef"] = 900002;
    insertParameter.Params["lUrzadzenieRef"] = 900001;
    insertParameter.Params["nParamId"] = 1;
    insertParameter.Params["sWartoscParam"] = "0";
    insertParameter.execute();
    Command updateParameter("update ParamUrz\nset\n  sWartoscParam=:sWartoscParam\nwhere\n  lParamUrzRef=:OLD_lParamUrzRef",
                            session);
    updateParameter.Params["sWartoscParam"] = "1";
    updateParameter.Params["OLD_lParamUrzRef"] = 900002;
    EXPECT_EQ(1, updateParameter.execute());
    session.Commit();

    PreparedQuery parameter("\n select pu.swartoscparam parameterValue\n from paramurz pu\n where pu.lurzadzenieref = "
                            ":deviceId\n and pu.nparamid = :parameterId",
                            session);
    parameter.Params["deviceId"] = 900001;
    parameter.Params["parameterId"] = 1;
    parameter.execute();
    ASSERT_TRUE(parameter);
    EXPECT_EQ("1", parameter["parameterValue"].asString());
    EXPECT_EQ(1, rows("select sWartoscParam\nfrom ParamUrz\nwhere lUrzadzenieRef = 900001\n  and nParamId = 1"));

    Command deleteDevice("delete from Urzadzenie\nwhere\n  lUrzadzenieRef=:OLD_lUrzadzenieRef", session);
    deleteDevice.Params["OLD_lUrzadzenieRef"] = 900001;
    EXPECT_EQ(1, deleteDevice.execute());
}

TEST_P(ModuleStatementsTest, SalesVerificationFindsReceiptsAndTotals) {
    EXPECT_EQ(today - 7, integerOf(*session_, "select coalesce(min(pn.data), 0) receipt_date from paragnag pn"));
    EXPECT_EQ(4, rows("\n\tselect\n\t\tsv.receiptcount receipt_count\n\t\t, sv.saleDate sale_date\n\t\t, sv.salevalue "
                      "receipt_value\n\tfrom\n\t\tsaleverification sv\n\twhere\n\t\tsv.cashregisternumber = 1\n\t\tand "
                      "sv.saleDate in (" + std::to_string(today - 1) + ", " + std::to_string(today - 2) + ", " +
                      std::to_string(today - 4) + ", " + std::to_string(today - 5) + ")"));
}

SHOPDB_ON_EACH_ENGINE(ModuleStatementsTest);

}  // namespace
}  // namespace ShopDbTest
