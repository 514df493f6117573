#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "EngineTest.h"
#include "core/Errors.h"
#include "db/Command.h"
#include "db/GetRef.h"
#include "db/Query.h"
#include "shopdb/DemoShop.h"
#include "shopdb/Schema.h"
#include "tools/Plu.h"

namespace ShopDbTest {
namespace {

using DBKernel::Sql::OpenedQuery;
using ShopDb::DemoShop;
using ShopDb::DemoShopOptions;

constexpr std::int32_t today = 46000;  // 9 December 2025

DemoShopOptions options(std::int64_t products, std::uint64_t seed) {
    return DemoShopOptions{.products = products, .seed = seed, .today = today};
}

class DemoShopTest : public ShopEngineTest {
protected:
    TSessionHolder demoShop(std::int64_t products, std::uint64_t seed) {
        TSessionHolder session = shopDatabase();
        DemoShop(options(products, seed)).generate(session);
        return session;
    }
};

TEST_P(DemoShopTest, SameSeedGivesTheSameShopAndAnotherSeedAnother) {
    const std::uint64_t first = contentDigest(demoShop(300, 7));
    EXPECT_EQ(first, contentDigest(demoShop(300, 7)));
    EXPECT_NE(first, contentDigest(demoShop(300, 8)));
}

TEST_P(DemoShopTest, CountsMatchTheOptionsAndTheSummary) {
    TSessionHolder session = shopDatabase();
    std::vector<std::pair<std::int64_t, std::int64_t>> progress;
    const auto summary = DemoShop(options(2500, 3)).generate(session, [&](std::int64_t done, std::int64_t total) {
        progress.emplace_back(done, total);
    });

    EXPECT_EQ(2500, summary.products);
    EXPECT_EQ(2500, integerOf(session, "select count(*) from Towar"));
    EXPECT_EQ(2500, integerOf(session,
                              "select count(*) from Towar t, Product_Current_Sale_Params p "
                              "where p.product_id = t.lTowarRef"));
    EXPECT_EQ(summary.plus, integerOf(session, "select count(*) from PLU"));
    EXPECT_EQ(summary.priceConditions, integerOf(session, "select count(*) from WarSprz"));
    EXPECT_EQ(summary.bundles, integerOf(session, "select count(*) from Towar where byTyp = 8"));
    EXPECT_EQ(summary.devices, integerOf(session, "select count(*) from Urzadzenie"));
    EXPECT_GT(summary.bundles, 0);

    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(std::make_pair(std::int64_t{2500}, std::int64_t{2500}), progress.back());
    for (std::size_t i = 1; i < progress.size(); ++i) EXPECT_LT(progress[i - 1].first, progress[i].first);

    // New rows of the back office get references above every demo row.
    const std::int64_t highest =
        integerOf(session,
                  "select max(r) from (select max(lPluRef) r from PLU union all select max(lParamUrzRef) from ParamUrz "
                  "union all select max(lParagRef) from paragnag union all select max(lWarSprzRef) from WarSprz) x");
    EXPECT_GT(GetRef(session), highest);
}

TEST_P(DemoShopTest, RefusesADatabaseThatHasProducts) {
    TSessionHolder session = demoShop(10, 1);
    EXPECT_THROW(DemoShop(options(10, 1)).generate(session), Core::PlacedRuntimeError);
    EXPECT_EQ(10, integerOf(session, "select count(*) from Towar"));
    EXPECT_THROW(DemoShop(options(-1, 1)), Core::PlacedLogicError);
}

TEST_P(DemoShopTest, HoldsEverythingATransmissionMeetsAndTheDevices) {
    TSessionHolder session = demoShop(3000, 11);
    auto count = [&](const std::string& where) { return integerOf(session, "select count(*) from " + where); };
    const std::string day = std::to_string(today);

    // Every kind of row a transmission must handle is there at least once.
    const std::vector<std::string> presentRows = {
        "WarSprz where byCenaWyslana = 0 and DataOd <= " + day + " and DataDo >= " + day,
        "WarSprz where byCenaWyslana = 1", "WarSprz where byCenaWyslana = 0 and dCenaSprzed = 0",
        "Towar where bySendNat = 1", "Towar where bySendWiecz = 1 and bySendNat = 0", "Towar where dCenaSprzed is null",
        "Towar where dCenaSprzed = 0", "PLU where byStatus = 1", "PLU where byStatus = 2", "PLU where byStatus = 3",
        "PLU where byStatus = 4", "PLU where byBlokada = 1",
        "PLU p, jmiar j where j.lTowarRef = p.lTowarRef and j.njm = p.njm", "skladsurowcowytowaru",
        "Towar t, Brand b where b.id = t.brandId", "Towar where successor_id is not null", "DeletedProductScaleNumber",
        "ProductProductSetLink where Deleted = 0",
        "ProductAutomaticDiscountType d, AutomaticDiscountType t where t.id = "
        "d.AutomaticDiscountTypeId and t.isActive = 1",
        "ProductFeature where name = 'Kitchen type'", "FirmaAtrybut where sNazwa = 'Refundacja' and sWartosc = 'TAK'",
        // A product grouped under another sells under the other's codes.
        "PLU_ALL_VIEW v, Towar t where v.lTowarRef = t.lTowarRef and "
        "t.lTowarWielocenowyRef = v.lTowarGrupujacyRef"};
    for (const std::string& present : presentRows) EXPECT_GT(count(present), 0) << present;
    EXPECT_EQ(
        0, count("Zestaw z, Towar t where t.lTowarRef = z.lTowarRef and (t.byTyp <> 0 or z.dSkladnikCenaSprzed <= 0)"));
    EXPECT_EQ(0, count("Towar t where t.dLastStnDate is not null and not exists "
                       "(select 1 from stn s where s.lTowarRef = t.lTowarRef and s.data = t.dLastStnDate)"));
    EXPECT_EQ(1, count("Firma where bFirmaWlasna = 1"));
    EXPECT_EQ(0, count("Towar t, Product_Current_Sale_Params p where p.product_id = t.lTowarRef "
                       "and coalesce(p.sale_price, -1) <> coalesce(t.dCenaSprzed, -1)"));

    EXPECT_EQ(4, count("Urzadzenie where nNrTypuUrz = 0"));
    EXPECT_EQ(1, count("Urzadzenie u, ParamUrz p, DefParamUrz d where p.lUrzadzenieRef = u.lUrzadzenieRef "
                       "and d.nParamId = p.nParamId and d.sNazwa = 'bKasaZintegrowana' and p.sWartoscParam = '1'"));
    EXPECT_EQ(4, count("ParamUrz p, DefParamUrz d where d.nParamId = p.nParamId and d.sNazwa = 'bKasaZintegrowana'"));
    EXPECT_EQ(2, integerOf(session, "select count(distinct nNrSekcji) from Urzadzenie where nNrTypuUrz = 1"));
    EXPECT_EQ(2, count("Urzadzenie u, ParamUrz p where p.lUrzadzenieRef = u.lUrzadzenieRef and u.nNrTypuUrz = 1 "
                       "and p.nParamId = 133"));
    // Of the last week's register-days, one had no sale, one lacks its reported totals
    // and one reported a receipt too many.
    EXPECT_EQ(26, count("saleverification"));
    EXPECT_EQ(1, count("saleverification v where v.receiptCount <> (select count(*) from paragnag p "
                       "where p.nNrKasy = v.cashRegisterNumber and p.data = v.saleDate)"));
    EXPECT_EQ(1, integerOf(session,
                           "select count(distinct nNrKasy * 100000 + data) from paragnag p where not exists "
                           "(select 1 from saleverification v where v.cashRegisterNumber = p.nNrKasy "
                           "and v.saleDate = p.data)"));
}

KORVEL_ON_EACH_ENGINE(DemoShopTest);

TEST(DemoShopEngines, BothEnginesGetTheSameShop) {
    TestSupport::TempDir directory;
    TSessionHolder sqlite("sqlite:" + (directory / "shop.db").string(), DBKernel::OpenMode::CreateIfMissing);
    TestSupport::PostgresDatabase database = TestSupport::PostgresCluster::instance().createDatabase();
    TSessionHolder postgres(database.url());
    for (TSessionHolder* session : {&sqlite, &postgres}) {
        ShopDb::createSchema(*session);
        DemoShop(options(400, 5)).generate(*session);
    }
    EXPECT_EQ(contentDigest(sqlite), contentDigest(postgres));
}

// The GS1 check digit of a run of digits, computed here on its own.
char checkDigitOf(const std::string& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) sum += (digits[digits.size() - 1 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

TEST(DemoShopCodes, EveryCodeKindAppearsWithValidDigits) {
    TestSupport::TempDir directory;
    TSessionHolder session("sqlite:" + (directory / "shop.db").string(), DBKernel::OpenMode::CreateIfMissing);
    ShopDb::createSchema(session);
    DemoShop(options(4000, 21)).generate(session);
    Plu::CodeRules::setCurrent(Plu::CodeRules{});

    std::map<char, std::set<std::size_t>> lengthsByKind;
    OpenedQuery codes(
        "select p.sPLU, t.dCenaSprzed, t.nWagaSekcja, t.nWagaPLU, t.bWagowy "
        "from PLU p, Towar t where t.lTowarRef = p.lTowarRef",
        session);
    for (; codes; codes.next()) {
        const std::string code = codes["sPLU"].asString();
        const Plu::TPlu plu(code);  // raises on a wrong check digit
        lengthsByKind[plu.type()].insert(code.size());
        if (code.size() == 8 || code.size() == 13) {
            EXPECT_EQ(checkDigitOf(code.substr(0, code.size() - 1)), code.back()) << code;
        }
        if (plu.type() == Plu::TPlu::PriceCarrying) {
            EXPECT_EQ(checkDigitOf(code.substr(6, 5)), code[11]) << code;
            const double carried = std::stoi(code.substr(6, 3)) + std::stoi(code.substr(9, 2)) / 100.0;
            EXPECT_LT(carried, codes["dCenaSprzed"].asDouble()) << code;  // a markdown
        }
        if (plu.type() == Plu::TPlu::Weight) {
            EXPECT_EQ(1, codes["bWagowy"].asInt64()) << code;
            EXPECT_EQ(code.substr(0, 2) == "27" ? 1 : 2, codes["nWagaSekcja"].asInt64()) << code;
            EXPECT_EQ(std::stoi(code.substr(2)), codes["nWagaPLU"].asInt64()) << code;
        }
    }
    const std::map<char, std::set<std::size_t>> expected{{Plu::TPlu::Ean, {8, 13}},        {Plu::TPlu::InStore, {13}},
                                                         {Plu::TPlu::Weight, {7}},         {Plu::TPlu::Value, {7}},
                                                         {Plu::TPlu::PriceCarrying, {13}}, {Plu::TPlu::Short, {4}}};
    EXPECT_EQ(expected, lengthsByKind);
}

}  // namespace
}  // namespace ShopDbTest
