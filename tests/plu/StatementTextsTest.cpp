// The engine's statements reach the database exactly as written for the shop's Oracle
// database, and run on both engines.
#include <list>
#include <numeric>
#include <sstream>

#include "PluDatabase.h"
#include "core/Debug.h"
#include "plu/PLUTransmissionContainer.h"

namespace PluTest {
namespace {

std::string day() { return std::to_string(kDay); }

std::string markPlu() {
    return "update PLU set byStatus = 1\n where byStatus = 2\n    AND lTowarRef in\n    (\n        SELECT\n            "
           "lTowarRef\n        FROM WarSprz w\n        WHERE byCenaWyslana = 0\n          AND DataOd <= " +
           day() + "\n          AND DataDo >= " + day() +
           "\n        UNION ALL\n        SELECT\n            lTowarRef\n        FROM Towar\n        WHERE bySendNat = "
           "1\n           OR bySendWiecz = 1\n    )";
}

std::string markPluAllView() {
    const std::string table = "PLU_ALL_VIEW";
    return "update PLU set byStatus = 1\n where byStatus = 2\n and lPluRef in\n   (\n      select lPluRef from\n      "
           "(\n       select p.lPluRef as lPluRef\n         from WarSprz w, " +
           table +
           " p, Towar t where\n         p.lTowarRef = w.lTowarRef and p.lTowarRef = t.lTowarRef\n         and "
           "p.byStatus in (2, 1, 3)\n         and w.lWarSprzRef = (\n            select max(lWarSprzRef) from warSprz "
           "where\n            byCenaWyslana = 0\n            and DataOd <= " +
           day() + "\n            and DataDo >= " + day() +
           "\n            and lTowarRef = p.lTowarref\n         ) \n      union\n         select p.lPluRef as lPluRef\n "
           "        from " +
           table +
           " p, Towar t\n         where t.lTowarRef = p.lTowarRef\n         and p.byStatus = 2\n         and "
           "(bySendNat = 1\n              or bySendWiecz = 1) \n      )\n      group by lPLURef\n   )";
}

std::string markGroupedProducts() {
    return "update Towar set bySendNat = 1  where bySendNat = 0    and lTowarRef in   (      select lTowarRef from      "
           "(\t       select p.lTowarRef as lTowarRef         from WarSprz w, PLU_ALL_VIEW p, Towar t where         "
           "p.lTowarRef = w.lTowarRef and p.lTowarRef = t.lTowarRef         and p.byStatus in (2, 1, 3)         and "
           "p.lTowarGrupujacyRef is not null         and w.lWarSprzRef = (            select max(lWarSprzRef) from "
           "warSprz where            byCenaWyslana = 0            and DataOd <= " +
           day() + "            and DataDo >= " + day() +
           "            and lTowarRef = p.lTowarref         )       union          select t.lTowarRef            from "
           "PLU_ALL_VIEW p, Towar t           where (byStatus in (3,1) or byBlokada = 1)           and p.lTowarRef = "
           "t.lTowarRef            and p.lTowarGrupujacyRef is not null      )      group by lTowarRef   )";
}

// Statement lists are written ';'-separated (columns hold commas) and joined as the
// shop database's text lays them out.
std::string joined(const std::string& columns, const std::string& separator) {
    std::string text;
    std::size_t from = 0;
    for (std::size_t to; (to = columns.find(';', from)) != std::string::npos; from = to + 1)
        text += columns.substr(from, to - from) + separator;
    return text + columns.substr(from);
}

const std::string kProductColumns =
    "t.bWagowy;t.nWagaSekcja;t.nWagaPLU;t.byTyp;t.bWieleWydan;t.bCenaOtwarta;t.byElEtyk;t.skrNazwa;t.byVAT;"
    "t.alternativeVatRate;t.multiPriceElementSaleLocked;t.locally_sale_blocked as locallySaleBlocked;"
    "t.DutyFreeZoneRestrictions;t.DutyFreeZoneVatRatesHandling;t.FinancialTransactionTypeId;t.lOpakRef;t.nJmSprz;"
    "t.nOkresPrzydatnosci;t.nStatusAktywnosci;t.nJmPrzelicznik;t.dPrzelicznik;t.byWeightType;t.nPurchaseAgeLimit;"
    "t.nSaleAgeLimit;t.bIncreasedRisk;t.bSelfServiceNotAllowed;t.nWeightTolerance;t.nSecurityWeight;"
    "t.VatSplittableProductId;t.VatSplittableValuePercentage;t.OnSiteVatRateId;t.sPKWiU as PKWiU;t.brandId;"
    "t.alternative_Prices_Allowed as alternativePricesAllowed";

// The selected columns of one branch: a product's or PLU's own row (origin 1 or 2), or
// a sale-price condition's (origin 4, `fromCondition`).
std::string branchColumns(int origin, bool fromCondition) {
    const auto w = [&](const std::string& own, const std::string& none) { return fromCondition ? own : none; };
    const std::string columns =
        w("w.lWarSprzRef", "-1 as lWarSprzRef") +
        ";t.bWieleCen;p.lPluRef;t.lTowarRef;t.sNazwa;t.sArtIndex;t.sGrIndex;t.byRabatowy;t.dCenaSprzed as "
        "dCenaSprzedTowar;t.bySendWiecz;t.bySendNat;p.sPLU;p.byStatus;nvl(p.byBlokada, 0) as byBlokada;p.typObslugi;"
        "p.njm;" +
        w("w.dCenaSprzed", "null") + " as dCenaSprzedWar;p.percentageDiscount as discount;" +
        w("w.byCenaWyslana", "1 as byCenaWyslana") + ";t.lPromocjaRef as product_promotion_id;" +
        w("w.lPromoRef", "null") + " as sale_condition_promotion_id;" + std::to_string(origin) + " as byFlaga1;" +
        kProductColumns + ";" + w("w.alternative_Prices", "null") + " as conditionAlternativePrices;" +
        w("null", "pcsp.alternative_Prices") + " as currentAlternativePrices";
    return "select " + joined(columns, ",\n        ") + ",";
}
std::string productOrPluColumns(int origin) { return branchColumns(origin, false); }
std::string conditionColumns() { return branchColumns(4, true); }

const std::string kAggregates =
    "max(sNazwa) as sNazwa;max(sArtIndex) as sArtIndex;max(sGrIndex) as sGrIndex;max(byRabatowy) as byRabatowy;"
    "sum(distinct(byFlaga1)) as byFlaga;max(bySendWiecz) as bySendWiecz;max(bySendNat) as bySendNat;"
    "min(byCenaWyslana) as byCenaWyslana;"
    "decode(max(lWarSprzRef), -1, max(product_promotion_id), max(sale_condition_promotion_id)) as lPromocjaRef;"
    "max(byBlokada) as byBlokada;max(byStatus) as byStatus;max(typObslugi) as typObslugi;"
    "max(nvl(bWagowy,0)) as bWagowy;max(nvl(nWagaSekcja,0)) as nWagaSekcja;max(nvl(nWagaPLU,0)) as nWagaPLU;"
    "max(nvl(byTyp,0)) as byTyp;max(nvl(bWieleWydan, 0)) as bWieleWydan;max(nvl(bCenaOtwarta, 0)) as bCenaOtwarta;"
    "max(byElEtyk) as byElEtyk;max(nvl(skrNazwa,0)) as skrNazwa;max(byVAT) as byVAT;"
    "max(alternativeVatRate) as alternativeVatRate;max(multiPriceElementSaleLocked) as multiPriceElementSaleLocked;"
    "max(locallySaleBlocked) as locallySaleBlocked;max(DutyFreeZoneRestrictions) as DutyFreeZoneRestrictions;"
    "max(DutyFreeZoneVatRatesHandling) as DutyFreeZoneVatRatesHandling;"
    "max(FinancialTransactionTypeId) as FinancialTransactionTypeId;max(lOpakRef) as lOpakRef;"
    "max(nvl(nStatusAktywnosci,0)) as nStatusAktywnosci;max(nvl(nJmSprz,0)) as nJmSprz;"
    "max(nOkresPrzydatnosci) as nOkresPrzydatnosci;min(dCenaSprzedWar) as dCenaSprzedWar;max(discount) as discount;"
    "min(dCenaSprzedTowar) as dCenaSprzedTowar;max(nvl(nJmPrzelicznik, 0)) as nJmPrzelicznik;"
    "max(nvl(dPrzelicznik, 1)) as dPrzelicznik;max(byWeightType) as byWeightType;"
    "max(nPurchaseAgeLimit) as nPurchaseAgeLimit;max(nSaleAgeLimit) as nSaleAgeLimit;"
    "max(bIncreasedRisk) as bIncreasedRisk;max(bSelfServiceNotAllowed) as bSelfServiceNotAllowed;"
    "max(nWeightTolerance) as nWeightTolerance;max(nSecurityWeight) as nSecurityWeight;"
    "max(VatSplittableProductId) as VatSplittableProductId;"
    "max(VatSplittableValuePercentage) as VatSplittableValuePercentage;max(OnSiteVatRateId) as OnSiteVatRateId;"
    "max(PKWiU) as PKWiU;min(lTowarGrupujacyRef) as lTowarGrupujacyRef;max(njm) as njm;max(brandId) as brandId;"
    "max(alternativePricesAllowed) as alternativePricesAllowed;"
    "decode(max(lWarSprzRef), -1, max(currentAlternativePrices), max(conditionAlternativePrices)) as "
    "alternativePrices";

enum PriceMode { SinglePrice, SeveralPrices };
enum Listing { PricedOnly, WithPriceless };

// The main statement assembled step by step as the shop database's text gives it;
// `productCondition` is the list condition of the product filter (empty: none).
std::string mainQuery(PriceMode prices, Listing listing, const std::string& productCondition = "") {
    const bool several = prices == SeveralPrices;
    const bool includePriceless = listing == WithPriceless;
    const std::string table = several ? "PLU_ALL_VIEW" : "plu";
    const std::string grouping =
        several ? " lTowarGrupujacyRef as lTowarGrupujacyRef " : " cast(null as number(10)) as lTowarGrupujacyRef ";
    const std::string s1 = productOrPluColumns(1) + grouping + "\n        from towar t,\n        " + table +
                           " p,\n        Product_Current_Sale_Params pcsp\n        where t.lTowarRef = p.lTowarRef\n  "
                           "      and t.lTowarRef = pcsp.product_id\n        and p.byStatus = " +
                           "2" + "\n        and (bySendNat = 1 or bySendWiecz = 1)";
    const std::string s2 =
        productOrPluColumns(2) + grouping + "\n           from towar t,\n           " + table +
        " p,\n           Product_Current_Sale_Params pcsp\n           where t.lTowarRef = "
        "p.lTowarRef\n           and t.lTowarRef = pcsp.product_id\n           and (p.byStatus in (" +
        "3" + "," + "1" + ") or p.byBlokada = 1)";
    const std::string s3 = conditionColumns() + grouping + "\n        from towar t,\n        " + table +
                           " p,\n        warSprz w\n        where t.lTowarRef = p.lTowarRef\n        and t.lTowarRef = "
                           "w.lTowarRef\n        and p.byStatus in (" +
                           "2" + ", " + "1" + ", " + "3" + ")" +
                           "\n        and w.byCenaWyslana = 0\n        and w.DataOd <= " + day() +
                           "\n        and w.DataDo >= " + day();

    std::string sql =
        "\n select dane.*, \n \tsklad.ssklad as ssklad,\n     b.name as Marka,\n     jm.dPrzelicznikJm2base as "
        "baseUnitInMeasureUnit\n from \n (select\n       sPLU,\n       max(bWieleCen) as bWieleCen,\n       "
        "max(lwarsprzref) as lWarSprzRef,\n       max(lPluRef) as lPluRef,";
    sql += several ? "\n       lTowarRef as lTowarRef," : "\n       max(lTowarRef) as lTowarRef,";
    sql += "\n       " + joined(kAggregates, ",\n       ") + ",";
    sql +=
        "\n       decode(sign(min(dCenaSprzedTowar)), 1, 0, 1) \n       * decode(sign(min(dCenaSprzedWar)), 1, 0, 1) "
        "\n       as bBrakCeny ";
    sql += "\n from \n (select pluData.* from (" + s1 + "\n union " + s2 + "\n union " + s3 + ") pluData";
    sql += several ? "\n ) group by sPLU, lTowarRef " : "\n ) group by sPLU ";
    sql +=
        "\n ) dane,\n skladsurowcowytowaru sklad,\n brand b,\n jmiar jm\n where dane.ltowarref = "
        "sklad.ltowarref(+)\n and dane.brandid = b.id (+)\n and dane.ltowarref = jm.ltowarref(+) \n and dane.njm = "
        "jm.njm(+) ";
    if (!includePriceless) sql += "\n    and (byStatus = 3 \n         or bBrakCeny = 0) ";
    if (!productCondition.empty()) sql += "\n    and (" + productCondition + ")";
    sql += "\n order by ";
    if (includePriceless) sql += "\n   bBrakCeny * decode(byStatus, 3, 0, 1), ";
    sql += "\n   sNazwa,\n   dane.lTowarRef,\n   byStatus desc,\n   sPlu";
    return sql;
}

std::string numbers(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i) text += (i == first ? "" : ", ") + std::to_string(i);
    return text;
}

// The statements of the engine itself, without the product library's features read.
std::vector<std::string> engineStatements(std::vector<std::string> statements) {
    std::erase_if(statements,
                  [](const std::string& sql) { return sql.find("from ProductFeature") != std::string::npos; });
    return statements;
}

class StatementTextsTest : public PluDatabaseTest {
protected:
    void SetUp() override {
        PluDatabaseTest::SetUp();
        // One row of every origin, so every branch of the statement runs.
        addProduct(Product(1, "Chleb", 3.5).sendingNow());
        addPlu(11, 1, "5900000000015", 2);
        addProduct(Product(2, "Mleko", 2.9));
        addPlu(21, 2, "5900000000022", 1);
        addCondition(201, 2, 2.5);
        addProduct(Product(3, "Masło", std::nullopt));
        addPlu(31, 3, "5900000000039", 1);
        takeStatements();
    }
};

TEST_P(StatementTextsTest, SinglePriceModeMarksThroughPluAndQueriesPlu) {
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay + 0.75f);
    EXPECT_EQ(engineStatements(takeStatements()),
              (std::vector<std::string>{markPlu(), mainQuery(SinglePrice, PricedOnly)}));
    EXPECT_EQ(engine.getRecordCount(), 2);  // the product without a price is left out
}

TEST_P(StatementTextsTest, SeveralPriceModeMarksGroupedProductsAndQueriesTheView) {
    setSeveralSalePrices(true);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    EXPECT_EQ(engineStatements(takeStatements()), (std::vector<std::string>{markPluAllView(), markGroupedProducts(),
                                                                            mainQuery(SeveralPrices, PricedOnly)}));
}

TEST_P(StatementTextsTest, IncludingPricelessRowsRequeriesOnlyWhenTheSwitchChanges) {
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay);
    takeStatements();
    engine.setIncludePriceless(false);
    EXPECT_TRUE(takeStatements().empty());
    engine.setIncludePriceless(true);
    EXPECT_EQ(engineStatements(takeStatements()),
              (std::vector<std::string>{markPlu(), mainQuery(SinglePrice, WithPriceless)}));
    EXPECT_EQ(engine.getRecordCount(), 3);
    engine.setIncludePriceless(true);
    EXPECT_TRUE(takeStatements().empty());
}

TEST_P(StatementTextsTest, ProductFilterWritesOneInListPerThousandReferences) {
    std::list<int> products(2500);
    std::iota(products.begin(), products.end(), 1);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(kDay, products);
    const std::string threeGroups = "(dane.ltowarref in (" + numbers(1, 1000) + ") or dane.ltowarref in (" +
                                    numbers(1001, 2000) + ") or dane.ltowarref in (" + numbers(2001, 2500) + "))";
    EXPECT_EQ(engineStatements(takeStatements()),
              (std::vector<std::string>{markPlu(), mainQuery(SinglePrice, PricedOnly, threeGroups)}));

    products.resize(1000);
    engine.CreateDataSet(kDay, products);
    EXPECT_EQ(engineStatements(takeStatements()).back(),
              mainQuery(SinglePrice, PricedOnly, "(dane.ltowarref in (" + numbers(1, 1000) + "))"));

    engine.CreateDataSet(kDay, {2});
    EXPECT_EQ(engineStatements(takeStatements()).back(), mainQuery(SinglePrice, PricedOnly, "(dane.ltowarref in (2))"));
    EXPECT_EQ(engine.getRecordCount(), 1);
}

TEST_P(StatementTextsTest, LogsEachStepUnderItsFunctionWhenLoggingIsOn) {
    setSeveralSalePrices(true);
    TestSupport::TempDir directory;
    const auto logFile = directory / "debug.log";
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    Core::Debug::setLogFile(logFile.string());
    engine.CreateDataSet(kDay);
    Core::Debug::setLogFile("");

    std::vector<std::string> engineLines;
    std::istringstream log(TestSupport::readFile(logFile));
    for (std::string line; std::getline(log, line);)
        if (line.find(" TPLUTransmissionContainer::") != std::string::npos)
            engineLines.push_back(line.substr(line.find(" TPLUTransmissionContainer::") + 1));
    EXPECT_EQ(engineLines,
              (std::vector<std::string>{
                  "TPLUTransmissionContainer::CreateDataSet: TPLUTransmissionContainer::CreateDataSet start",
                  "TPLUTransmissionContainer::markPLUFromTowarAnsWars: markPLUFromTowarAnsWars: update plu",
                  "TPLUTransmissionContainer::markTowarFromPLUAnsWars: markTowarFromPLUAnsWars: update towar",
                  "TPLUTransmissionContainer::CreateDataSet: TPLUTransmissionContainer::CreateDataSet end"}));
}

KORVEL_ON_EACH_ENGINE(StatementTextsTest);

}  // namespace
}  // namespace PluTest
