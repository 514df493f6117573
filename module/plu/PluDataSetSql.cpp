#include "plu/PluDataSetSql.h"

#include <boost/format.hpp>
#include <string_view>

#include "plu/PluOrigin.h"

namespace PluTransmission {

namespace {

// A column of the three sub-selects: what the product-flag and PLU-state branches
// select, and what the condition branch selects instead (empty: the same).
struct BranchColumn {
    std::string_view productOrPlu;
    std::string_view condition;
};

// Host contract: the statement texts assembled in this file, byte for byte.
constexpr BranchColumn kColumnsBeforeOrigin[] = {
    {"-1 as lWarSprzRef", "w.lWarSprzRef"},
    {"t.bWieleCen", {}},
    {"p.lPluRef", {}},
    {"t.lTowarRef", {}},
    {"t.sNazwa", {}},
    {"t.sArtIndex", {}},
    {"t.sGrIndex", {}},
    {"t.byRabatowy", {}},
    {"t.dCenaSprzed as dCenaSprzedTowar", {}},
    {"t.bySendWiecz", {}},
    {"t.bySendNat", {}},
    {"p.sPLU", {}},
    {"p.byStatus", {}},
    {"nvl(p.byBlokada, 0) as byBlokada", {}},
    {"p.typObslugi", {}},
    {"p.njm", {}},
    {"null as dCenaSprzedWar", "w.dCenaSprzed as dCenaSprzedWar"},
    {"p.percentageDiscount as discount", {}},
    {"1 as byCenaWyslana", "w.byCenaWyslana"},
    {"t.lPromocjaRef as product_promotion_id", {}},
    {"null as sale_condition_promotion_id", "w.lPromoRef as sale_condition_promotion_id"},
};

constexpr BranchColumn kColumnsAfterOrigin[] = {
    {"t.bWagowy", {}},
    {"t.nWagaSekcja", {}},
    {"t.nWagaPLU", {}},
    {"t.byTyp", {}},
    {"t.bWieleWydan", {}},
    {"t.bCenaOtwarta", {}},
    {"t.byElEtyk", {}},
    {"t.skrNazwa", {}},
    {"t.byVAT", {}},
    {"t.alternativeVatRate", {}},
    {"t.multiPriceElementSaleLocked", {}},
    {"t.locally_sale_blocked as locallySaleBlocked", {}},
    {"t.DutyFreeZoneRestrictions", {}},
    {"t.DutyFreeZoneVatRatesHandling", {}},
    {"t.FinancialTransactionTypeId", {}},
    {"t.lOpakRef", {}},
    {"t.nJmSprz", {}},
    {"t.nOkresPrzydatnosci", {}},
    {"t.nStatusAktywnosci", {}},
    {"t.nJmPrzelicznik", {}},
    {"t.dPrzelicznik", {}},
    {"t.byWeightType", {}},
    {"t.nPurchaseAgeLimit", {}},
    {"t.nSaleAgeLimit", {}},
    {"t.bIncreasedRisk", {}},
    {"t.bSelfServiceNotAllowed", {}},
    {"t.nWeightTolerance", {}},
    {"t.nSecurityWeight", {}},
    {"t.VatSplittableProductId", {}},
    {"t.VatSplittableValuePercentage", {}},
    {"t.OnSiteVatRateId", {}},
    {"t.sPKWiU as PKWiU", {}},
    {"t.brandId", {}},
    {"t.alternative_Prices_Allowed as alternativePricesAllowed", {}},
    {"null as conditionAlternativePrices", "w.alternative_Prices as conditionAlternativePrices"},
    {"pcsp.alternative_Prices as currentAlternativePrices", "null as currentAlternativePrices"},
};

// The per-code aggregates of the main statement, after lTowarRef.
constexpr std::string_view kGroupColumns[] = {
    "max(sNazwa) as sNazwa",
    "max(sArtIndex) as sArtIndex",
    "max(sGrIndex) as sGrIndex",
    "max(byRabatowy) as byRabatowy",
    "sum(distinct(byFlaga1)) as byFlaga",
    "max(bySendWiecz) as bySendWiecz",
    "max(bySendNat) as bySendNat",
    "min(byCenaWyslana) as byCenaWyslana",
    "decode(max(lWarSprzRef), -1, max(product_promotion_id), max(sale_condition_promotion_id)) as lPromocjaRef",
    "max(byBlokada) as byBlokada",
    "max(byStatus) as byStatus",
    "max(typObslugi) as typObslugi",
    "max(nvl(bWagowy,0)) as bWagowy",
    "max(nvl(nWagaSekcja,0)) as nWagaSekcja",
    "max(nvl(nWagaPLU,0)) as nWagaPLU",
    "max(nvl(byTyp,0)) as byTyp",
    "max(nvl(bWieleWydan, 0)) as bWieleWydan",
    "max(nvl(bCenaOtwarta, 0)) as bCenaOtwarta",
    "max(byElEtyk) as byElEtyk",
    "max(nvl(skrNazwa,0)) as skrNazwa",
    "max(byVAT) as byVAT",
    "max(alternativeVatRate) as alternativeVatRate",
    "max(multiPriceElementSaleLocked) as multiPriceElementSaleLocked",
    "max(locallySaleBlocked) as locallySaleBlocked",
    "max(DutyFreeZoneRestrictions) as DutyFreeZoneRestrictions",
    "max(DutyFreeZoneVatRatesHandling) as DutyFreeZoneVatRatesHandling",
    "max(FinancialTransactionTypeId) as FinancialTransactionTypeId",
    "max(lOpakRef) as lOpakRef",
    "max(nvl(nStatusAktywnosci,0)) as nStatusAktywnosci",
    "max(nvl(nJmSprz,0)) as nJmSprz",
    "max(nOkresPrzydatnosci) as nOkresPrzydatnosci",
    "min(dCenaSprzedWar) as dCenaSprzedWar",
    "max(discount) as discount",
    "min(dCenaSprzedTowar) as dCenaSprzedTowar",
    "max(nvl(nJmPrzelicznik, 0)) as nJmPrzelicznik",
    "max(nvl(dPrzelicznik, 1)) as dPrzelicznik",
    "max(byWeightType) as byWeightType",
    "max(nPurchaseAgeLimit) as nPurchaseAgeLimit",
    "max(nSaleAgeLimit) as nSaleAgeLimit",
    "max(bIncreasedRisk) as bIncreasedRisk",
    "max(bSelfServiceNotAllowed) as bSelfServiceNotAllowed",
    "max(nWeightTolerance) as nWeightTolerance",
    "max(nSecurityWeight) as nSecurityWeight",
    "max(VatSplittableProductId) as VatSplittableProductId",
    "max(VatSplittableValuePercentage) as VatSplittableValuePercentage",
    "max(OnSiteVatRateId) as OnSiteVatRateId",
    "max(PKWiU) as PKWiU",
    "min(lTowarGrupujacyRef) as lTowarGrupujacyRef",
    "max(njm) as njm",
    "max(brandId) as brandId",
    "max(alternativePricesAllowed) as alternativePricesAllowed",
    "decode(max(lWarSprzRef), -1, max(currentAlternativePrices), max(conditionAlternativePrices)) as alternativePrices",
};

constexpr std::size_t kReferencesPerInList = 1000;  // Oracle's limit for one in-list

void appendColumns(std::string& sql, const auto& columns, PluOrigin origin) {
    for (const BranchColumn& column : columns) {
        const bool own = origin == UnsentSaleCondition && !column.condition.empty();
        sql += own ? column.condition : column.productOrPlu;
        sql += ",\n        ";
    }
}

// The select list of one branch, ending with a comma before the grouping-product
// expression.
std::string branchColumns(PluOrigin origin) {
    std::string sql = "select ";
    appendColumns(sql, kColumnsBeforeOrigin, origin);
    sql += std::to_string(origin) + " as byFlaga1,\n        ";
    appendColumns(sql, kColumnsAfterOrigin, origin);
    sql.resize(sql.size() - std::string_view("\n        ").size());
    return sql;
}

struct BranchSource {
    const char* table;
    const char* groupingProduct;
};

std::string productFlagsBranch(const BranchSource& source) {
    return branchColumns(ProductSendFlag) + source.groupingProduct + "\n        from towar t,\n        " +
           source.table +
           " p,\n        Product_Current_Sale_Params pcsp\n        where t.lTowarRef = p.lTowarRef\n        and "
           "t.lTowarRef = pcsp.product_id\n        and p.byStatus = 2\n        and (bySendNat = 1 or bySendWiecz = 1)";
}

std::string pluStateBranch(const BranchSource& source) {
    return branchColumns(PluState) + source.groupingProduct + "\n           from towar t,\n           " + source.table +
           " p,\n           Product_Current_Sale_Params pcsp\n           where t.lTowarRef = p.lTowarRef\n           "
           "and t.lTowarRef = pcsp.product_id\n           and (p.byStatus in (3,1) or p.byBlokada = 1)";
}

std::string conditionBranch(const BranchSource& source, int day) {
    return branchColumns(UnsentSaleCondition) + source.groupingProduct + "\n        from towar t,\n        " +
           source.table +
           " p,\n        warSprz w\n        where t.lTowarRef = p.lTowarRef\n        and t.lTowarRef = w.lTowarRef\n"
           "        and p.byStatus in (2, 1, 3)\n        and w.byCenaWyslana = 0\n        and w.DataOd <= " +
           std::to_string(day) + "\n        and w.DataDo >= " + std::to_string(day);
}

std::string productListCondition(const std::list<int>& products) {
    std::string sql = "(dane.ltowarref in (";
    std::size_t written = 0;
    for (int product : products) {
        if (written > 0) sql += written % kReferencesPerInList == 0 ? ") or dane.ltowarref in (" : ", ";
        sql += std::to_string(product);
        ++written;
    }
    return sql + "))";
}

}  // namespace

std::string markPlusStatement(int day, const std::string& table) {
    if (table == "PLU")
        return (boost::format("update PLU set byStatus = 1\n where byStatus = 2\n    AND lTowarRef in\n    (\n        "
                              "SELECT\n            lTowarRef\n        FROM WarSprz w\n        WHERE byCenaWyslana = 0\n"
                              "          AND DataOd <= %1%\n          AND DataDo >= %1%\n        UNION ALL\n        "
                              "SELECT\n            lTowarRef\n        FROM Towar\n        WHERE bySendNat = 1\n"
                              "           OR bySendWiecz = 1\n    )") %
                day)
            .str();
    return (boost::format(
                "update PLU set byStatus = 1\n where byStatus = 2\n and lPluRef in\n   (\n      select lPluRef "
                "from\n      (\n       select p.lPluRef as lPluRef\n         from WarSprz w, %2% p, Towar t "
                "where\n         p.lTowarRef = w.lTowarRef and p.lTowarRef = t.lTowarRef\n         and "
                "p.byStatus in (2, 1, 3)\n         and w.lWarSprzRef = (\n            select max(lWarSprzRef) "
                "from warSprz where\n            byCenaWyslana = 0\n            and DataOd <= %1%\n         "
                "   and DataDo >= %1%\n            and lTowarRef = p.lTowarref\n         ) \n      union\n  "
                "       select p.lPluRef as lPluRef\n         from %2% p, Towar t\n         where t.lTowarRef "
                "= p.lTowarRef\n         and p.byStatus = 2\n         and (bySendNat = 1\n              or "
                "bySendWiecz = 1) \n      )\n      group by lPLURef\n   )") %
            day % table)
        .str();
}

std::string markGroupedProductsStatement(int day) {
    return (boost::format("update Towar set bySendNat = 1  where bySendNat = 0    and lTowarRef in   (      select "
                          "lTowarRef from      (\t       select p.lTowarRef as lTowarRef         from WarSprz w, "
                          "PLU_ALL_VIEW p, Towar t where         p.lTowarRef = w.lTowarRef and p.lTowarRef = "
                          "t.lTowarRef         and p.byStatus in (2, 1, 3)         and p.lTowarGrupujacyRef is not "
                          "null         and w.lWarSprzRef = (            select max(lWarSprzRef) from warSprz where   "
                          "         byCenaWyslana = 0            and DataOd <= %1%            and DataDo >= %1%      "
                          "      and lTowarRef = p.lTowarref         )       union          select t.lTowarRef       "
                          "     from PLU_ALL_VIEW p, Towar t           where (byStatus in (3,1) or byBlokada = 1)    "
                          "       and p.lTowarRef = t.lTowarRef            and p.lTowarGrupujacyRef is not null      ) "
                          "     group by lTowarRef   )") %
            day)
        .str();
}

std::string mainQueryStatement(const MainQueryOptions& options, const std::list<int>& products) {
    const BranchSource source = options.severalSalePrices
                                    ? BranchSource{"PLU_ALL_VIEW", " lTowarGrupujacyRef as lTowarGrupujacyRef "}
                                    : BranchSource{"plu", " cast(null as number(10)) as lTowarGrupujacyRef "};
    std::string sql =
        "\n select dane.*, \n \tsklad.ssklad as ssklad,\n     b.name as Marka,\n     jm.dPrzelicznikJm2base as "
        "baseUnitInMeasureUnit\n from \n (select\n       sPLU,\n       max(bWieleCen) as bWieleCen,\n       "
        "max(lwarsprzref) as lWarSprzRef,\n       max(lPluRef) as lPluRef,";
    // With several prices a code is listed once for each product sold under it.
    sql += options.severalSalePrices ? "\n       lTowarRef as lTowarRef," : "\n       max(lTowarRef) as lTowarRef,";
    for (std::string_view column : kGroupColumns) {
        sql += "\n       ";
        sql += column;
        sql += ',';
    }
    sql +=
        "\n       decode(sign(min(dCenaSprzedTowar)), 1, 0, 1) \n       * decode(sign(min(dCenaSprzedWar)), 1, 0, 1) "
        "\n       as bBrakCeny ";
    sql += "\n from \n (select pluData.* from (" + productFlagsBranch(source) + "\n union " + pluStateBranch(source) +
           "\n union " + conditionBranch(source, options.day) + ") pluData";
    sql += options.severalSalePrices ? "\n ) group by sPLU, lTowarRef " : "\n ) group by sPLU ";
    sql +=
        "\n ) dane,\n skladsurowcowytowaru sklad,\n brand b,\n jmiar jm\n where dane.ltowarref = sklad.ltowarref(+)\n "
        "and dane.brandid = b.id (+)\n and dane.ltowarref = jm.ltowarref(+) \n and dane.njm = jm.njm(+) ";
    if (!options.includePriceless) sql += "\n    and (byStatus = 3 \n         or bBrakCeny = 0) ";
    if (!products.empty()) sql += "\n    and (" + productListCondition(products) + ")";
    sql += "\n order by ";
    if (options.includePriceless) sql += "\n   bBrakCeny * decode(byStatus, 3, 0, 1), ";
    sql += "\n   sNazwa,\n   dane.lTowarRef,\n   byStatus desc,\n   sPlu";
    return sql;
}

}  // namespace PluTransmission
