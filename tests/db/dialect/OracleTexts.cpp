#include "OracleTexts.h"

namespace OracleTexts {

namespace {

const char* kProductColumns =
    " t.bWagowy, t.nWagaSekcja, t.nWagaPLU, t.byTyp, t.bWieleWydan, t.bCenaOtwarta, t.byElEtyk, t.skrNazwa, t.byVAT,"
    " t.alternativeVatRate, t.multiPriceElementSaleLocked, t.locally_sale_blocked as locallySaleBlocked,"
    " t.DutyFreeZoneRestrictions, t.DutyFreeZoneVatRatesHandling, t.FinancialTransactionTypeId, t.lOpakRef, t.nJmSprz,"
    " t.nOkresPrzydatnosci, t.nStatusAktywnosci, t.nJmPrzelicznik, t.dPrzelicznik, t.byWeightType, t.nPurchaseAgeLimit,"
    " t.nSaleAgeLimit, t.bIncreasedRisk, t.bSelfServiceNotAllowed, t.nWeightTolerance, t.nSecurityWeight,"
    " t.VatSplittableProductId, t.VatSplittableValuePercentage, t.OnSiteVatRateId, t.sPKWiU as PKWiU, t.brandId,"
    " t.alternative_Prices_Allowed as alternativePricesAllowed,";

// Column list of the sub-selects; `condition` for the one that reads sale conditions.
std::string columnList(bool condition, int flag) {
    std::string list = "\n select ";
    list += condition ? "w.lWarSprzRef as lWarSprzRef," : "-1 as lWarSprzRef,";
    list += " t.bWieleCen, p.lPluRef, t.lTowarRef, t.sNazwa, t.sArtIndex, t.sGrIndex, t.byRabatowy,"
            " t.dCenaSprzed as dCenaSprzedTowar, t.bySendWiecz, t.bySendNat, p.sPLU, p.byStatus,"
            " nvl(p.byBlokada, 0) as byBlokada, p.typObslugi, p.njm,";
    list += condition ? " w.dCenaSprzed as dCenaSprzedWar," : " null as dCenaSprzedWar,";
    list += " p.percentageDiscount as discount,";
    list += condition ? " w.byCenaWyslana as byCenaWyslana," : " 1 as byCenaWyslana,";
    list += " t.lPromocjaRef as product_promotion_id,";
    list += condition ? " w.lPromoRef as sale_condition_promotion_id," : " null as sale_condition_promotion_id,";
    list += " " + std::to_string(flag) + " as byFlaga1,";
    list += kProductColumns;
    list += condition ? " w.alternative_Prices as conditionAlternativePrices, null as currentAlternativePrices,"
                      : " null as conditionAlternativePrices, pcsp.alternative_Prices as currentAlternativePrices,";
    return list;
}

const char* kAggregates =
    "\n       max(sNazwa) as sNazwa, max(sArtIndex) as sArtIndex, max(sGrIndex) as sGrIndex,"
    " max(byRabatowy) as byRabatowy, sum(distinct(byFlaga1)) as byFlaga, max(bySendWiecz) as bySendWiecz,"
    " max(bySendNat) as bySendNat, min(byCenaWyslana) as byCenaWyslana,"
    " decode(max(lWarSprzRef), -1, max(product_promotion_id), max(sale_condition_promotion_id)) as lPromocjaRef,"
    " max(byBlokada) as byBlokada, max(byStatus) as byStatus, max(typObslugi) as typObslugi,"
    " max(nvl(bWagowy,0)) as bWagowy, max(nvl(nWagaSekcja,0)) as nWagaSekcja, max(nvl(nWagaPLU,0)) as nWagaPLU,"
    " max(nvl(byTyp,0)) as byTyp, max(nvl(bWieleWydan, 0)) as bWieleWydan, max(nvl(bCenaOtwarta, 0)) as bCenaOtwarta,"
    " max(byElEtyk) as byElEtyk, max(nvl(skrNazwa,0)) as skrNazwa, max(byVAT) as byVAT,"
    " max(alternativeVatRate) as alternativeVatRate, max(multiPriceElementSaleLocked) as multiPriceElementSaleLocked,"
    " max(locallySaleBlocked) as locallySaleBlocked, max(DutyFreeZoneRestrictions) as DutyFreeZoneRestrictions,"
    " max(DutyFreeZoneVatRatesHandling) as DutyFreeZoneVatRatesHandling,"
    " max(FinancialTransactionTypeId) as FinancialTransactionTypeId, max(lOpakRef) as lOpakRef,"
    " max(nvl(nStatusAktywnosci,0)) as nStatusAktywnosci, max(nvl(nJmSprz,0)) as nJmSprz,"
    " max(nOkresPrzydatnosci) as nOkresPrzydatnosci, min(dCenaSprzedWar) as dCenaSprzedWar, max(discount) as discount,"
    " min(dCenaSprzedTowar) as dCenaSprzedTowar, max(nvl(nJmPrzelicznik, 0)) as nJmPrzelicznik,"
    " max(nvl(dPrzelicznik, 1)) as dPrzelicznik, max(byWeightType) as byWeightType,"
    " max(nPurchaseAgeLimit) as nPurchaseAgeLimit, max(nSaleAgeLimit) as nSaleAgeLimit,"
    " max(bIncreasedRisk) as bIncreasedRisk, max(bSelfServiceNotAllowed) as bSelfServiceNotAllowed,"
    " max(nWeightTolerance) as nWeightTolerance, max(nSecurityWeight) as nSecurityWeight,"
    " max(VatSplittableProductId) as VatSplittableProductId,"
    " max(VatSplittableValuePercentage) as VatSplittableValuePercentage, max(OnSiteVatRateId) as OnSiteVatRateId,"
    " max(PKWiU) as PKWiU, min(lTowarGrupujacyRef) as lTowarGrupujacyRef, max(njm) as njm, max(brandId) as brandId,"
    " max(alternativePricesAllowed) as alternativePricesAllowed,"
    " decode(max(lWarSprzRef), -1, max(currentAlternativePrices), max(conditionAlternativePrices)) as alternativePrices,";

std::string productFilter(const std::vector<int>& products) {
    std::string condition = "(dane.ltowarref in (";
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (i > 0 && i % 1000 == 0) condition += ") or dane.ltowarref in (";
        else if (i > 0) condition += ", ";
        condition += std::to_string(products[i]);
    }
    return condition + "))";
}

}  // namespace

std::string pluMainQuery(int day, bool severalPrices, bool includePriceless, const std::vector<int>& products) {
    const std::string table = severalPrices ? "PLU_ALL_VIEW" : "plu";
    const std::string grouping =
        severalPrices ? " lTowarGrupujacyRef as lTowarGrupujacyRef " : " cast(null as number(10)) as lTowarGrupujacyRef ";
    const std::string d = std::to_string(day);
    const std::string s1 = columnList(false, 1) + grouping + "\n        from towar t,\n        " + table +
                           " p,\n        Product_Current_Sale_Params pcsp\n        where t.lTowarRef = p.lTowarRef\n"
                           "        and t.lTowarRef = pcsp.product_id\n        and p.byStatus = 2\n"
                           "        and (bySendNat = 1 or bySendWiecz = 1)";
    const std::string s2 = columnList(false, 2) + grouping + "\n           from towar t,\n           " + table +
                           " p,\n           Product_Current_Sale_Params pcsp\n           where t.lTowarRef = p.lTowarRef\n"
                           "           and t.lTowarRef = pcsp.product_id\n           and (p.byStatus in (3,1) or p.byBlokada = 1)";
    const std::string s3 = columnList(true, 4) + grouping + "\n        from towar t,\n        " + table +
                           " p,\n        warSprz w\n        where t.lTowarRef = p.lTowarRef\n"
                           "        and t.lTowarRef = w.lTowarRef\n        and p.byStatus in (2, 1, 3)\n"
                           "        and w.byCenaWyslana = 0\n        and w.DataOd <= " + d + "\n        and w.DataDo >= " + d;
    std::string sql =
        "\n select dane.*, \n \tsklad.ssklad as ssklad,\n     b.name as Marka,\n     jm.dPrzelicznikJm2base as "
        "baseUnitInMeasureUnit\n from \n (select\n       sPLU,\n       max(bWieleCen) as bWieleCen,\n       "
        "max(lwarsprzref) as lWarSprzRef,\n       max(lPluRef) as lPluRef,";
    sql += severalPrices ? "\n       lTowarRef as lTowarRef," : "\n       max(lTowarRef) as lTowarRef,";
    sql += kAggregates;
    sql += "\n       decode(sign(min(dCenaSprzedTowar)), 1, 0, 1) \n       * decode(sign(min(dCenaSprzedWar)), 1, 0, 1) "
           "\n       as bBrakCeny ";
    sql += "\n from \n (select pluData.* from (" + s1 + "\n union " + s2 + "\n union " + s3 + ") pluData";
    sql += severalPrices ? "\n ) group by sPLU, lTowarRef " : "\n ) group by sPLU ";
    sql += "\n ) dane,\n skladsurowcowytowaru sklad,\n brand b,\n jmiar jm\n where dane.ltowarref = sklad.ltowarref(+)\n"
           " and dane.brandid = b.id (+)\n and dane.ltowarref = jm.ltowarref(+) \n and dane.njm = jm.njm(+) ";
    if (!includePriceless) sql += "\n    and (byStatus = 3 \n         or bBrakCeny = 0) ";
    if (!products.empty()) sql += "\n    and (" + productFilter(products) + ")";
    sql += "\n order by ";
    if (includePriceless) sql += "\n   bBrakCeny * decode(byStatus, 3, 0, 1), ";
    sql += "\n   sNazwa,\n   dane.lTowarRef,\n   byStatus desc,\n   sPlu";
    return sql;
}

std::string sendAllPluQuery(bool severalPrices) {
    std::string sql =
        "select sklad.ssklad as ssklad, p.lPluRef, p.lTowarRef, t.sNazwa, t.sArtIndex, t.sGrIndex, t.byRabatowy,"
        " t.dCenaSprzed, t.lPromocjaRef, t.bySendWiecz, t.bySendNat, p.sPLU, p.typObslugi, p.byStatus,"
        " nvl(p.byBlokada, 0) as byBlokada, t.bWagowy, t.nWagaSekcja, t.nWagaPLU, t.byTyp, t.bWieleWydan,"
        " t.bCenaOtwarta, t.byElEtyk, t.skrNazwa, t.byVAT, t.alternativeVatRate, t.multiPriceElementSaleLocked,"
        " t.locally_sale_blocked as locallySaleBlocked, t.bWieleCen, t.DutyFreeZoneRestrictions,"
        " t.DutyFreeZoneVatRatesHandling, t.FinancialTransactionTypeId, t.lOpakRef, t.nJmSprz, t.nOkresPrzydatnosci,"
        " t.nStatusAktywnosci, p.percentageDiscount as discount, jm.dPrzelicznikJm2base as baseUnitInMeasureUnit,"
        " b.name as Marka, t.nJmPrzelicznik, t.dPrzelicznik, t.byWeightType, t.nPurchaseAgeLimit, t.nSaleAgeLimit,"
        " t.bIncreasedRisk, t.bSelfServiceNotAllowed, t.nWeightTolerance, t.nSecurityWeight,"
        " t.VatSplittableProductId, t.VatSplittableValuePercentage, t.OnSiteVatRateId, t.sPKWiU as PKWiU,"
        " t.alternative_Prices_Allowed as alternativePricesAllowed, pcsp.alternative_Prices as alternativePrices,";
    sql += severalPrices ? "\n       p.lTowarGrupujacyRef as lTowarGrupujacyRef\n    from PLU_ALL_VIEW p,  "
                         : "\n       null as lTowarGrupujacyRef\n    from PLU p,";
    sql += "\n       Towar t, \n       Brand b, \n       skladsurowcowytowaru sklad, \n       jmiar jm,\n"
           "       Product_Current_Sale_Params pcsp\n    where p.ltowarref = sklad.ltowarref(+)\n\t     and b.id (+) = "
           "t.brandid\n      and p.lTowarRef = t.lTowarRef\n      and p.lTowarRef = pcsp.product_id\n      and "
           "nvl(p.byBlokada, 0) <> 1\n      and (\n        (byStatus < 3\n          and nvl(t.dCenaSprzed, 0) <> 0)\n"
           "        or byStatus in (3, 4)) /* do usunięcia, usunięte */\n      and p.lTowarRef = t.lTowarRef \n      and "
           "p.lTowarRef = jm.lTowarRef(+) \n      and p.njm = jm.njm(+) \n    order by sNazwa, byStatus desc ";
    return sql;
}

std::string markPluStatement(int day, const std::string& table) {
    const std::string d = std::to_string(day);
    return "update PLU set byStatus = 1\n where byStatus = 2\n and lPluRef in\n   (\n      select lPluRef from\n      (\n"
           "       select p.lPluRef as lPluRef\n         from WarSprz w, " + table + " p, Towar t where\n"
           "         p.lTowarRef = w.lTowarRef and p.lTowarRef = t.lTowarRef\n         and p.byStatus in (2, 1, 3)\n"
           "         and w.lWarSprzRef = (\n            select max(lWarSprzRef) from warSprz where\n"
           "            byCenaWyslana = 0\n            and DataOd <= " + d + "\n            and DataDo >= " + d +
           "\n            and lTowarRef = p.lTowarref\n         ) \n      union\n         select p.lPluRef as lPluRef\n"
           "         from " + table + " p, Towar t\n         where t.lTowarRef = p.lTowarRef\n         and p.byStatus = 2\n"
           "         and (bySendNat = 1\n              or bySendWiecz = 1) \n      )\n      group by lPLURef\n   )";
}

std::string sesLabelsQuery(int saleDate) {
    return "\n SELECT plu.lPluRef, s.dStan, nvl(ws.dataOd, -9999999) dSaleDateFrom,\n nvl(ws.dataDo, -9999999) "
           "dSaleDateTo, f.sNazwa, f.sKrNazwa\n FROM stn s,\n (\n select ws.*\n from warsprz ws,\n (\n select distinct "
           "p.ltowarref\n from plu p, tempraporttowar trt\n where p.LPLUREF = trt.LTOWARREF\n ) t\n where t.LTOWARREF = "
           "ws.LTOWARREF\n and " + std::to_string(saleDate) +
           " between ws.DATAOD and ws.DATADO\n and ws.LPROMOREF is not null\n ) ws, firma f, towar t, plu, "
           "tempraporttowar trt\n WHERE t.lTowarRef = plu.lTowarRef AND s.lTowarRef(+) = t.lTowarRef\n AND s.data(+) = "
           "t.dLastStnDate AND plu.lTowarRef = ws.lTowarRef(+)\n AND t.lGlownyDostawcaRef = f.lFirmaRef(+)\n AND "
           "plu.lPluRef = trt.LTOWARREF";
}

std::string stockChangeQuery(int firstDay, int lastDay) {
    const std::string first = std::to_string(firstDay), last = std::to_string(lastDay);
    return "\n SELECT\n plu.lPluRef\n , plu.sPlu\n , plu.byStatus\n , towar.ltowarref\n , towar.sartindex\n , "
           "towar.sgrindex\n , towar.dCenaSprzed\n , towar.dPrzelicznik\n , towar.sNazwa\n , nvl(towar.nJmPrzelicznik, 0) "
           "nJmPrzelicznik\n , nvl(towar.nJmSprz, 0) nJmSprz\n , warsprz.lPromoRef lPromocjaRef\n, brand.name Marka\n, "
           "towar.byElEtyk\n FROM plu, stn, towar, warsprz, brand\n WHERE plu.LTOWARREF = stn.LTOWARREF AND stn.data = "
           "towar.dLastStnDate\n AND towar.DLASTSTNDATE >= " + first + " /*arg1*/ and towar.DLASTSTNDATE <= " + last +
           " /*arg2*/\n AND towar.LTOWARREF = plu.LTOWARREF AND towar.BYELETYK = 1\n AND brand.id (+) = towar.brandid\n"
           " AND warsprz.LTOWARREF(+) = plu.LTOWARREF AND warsprz.DATAOD(+) <= " + last + " /*arg2*/\n AND "
           "warsprz.DATADO(+) >= " + last + " /*arg2*/";
}

std::string priceCheckerMerge() {
    return "\n merge into price_checker_plu pcp \n using\n (\n \tselect\n \t\t:plu_id plu_id\n \t\t, :id_on_device "
           "id_on_device\n \tfrom dual\n ) dataset\n on (pcp.id_on_device = dataset.id_on_device)\n when matched then\n "
           "\tupdate set\n \t\tpcp.plu_id = dataset.plu_id\n when not matched then\n \tinsert\n \t(\n \t\tpcp.plu_id\n "
           "\t\t, pcp.id_on_device\n \t)\n \tvalues\n \t(\n \t\tdataset.plu_id\n \t\t, dataset.id_on_device\n \t)";
}

std::string lockProduct(int product) {
    return "select * from towar where ltowarref = " + std::to_string(product) + " for update nowait";
}

std::string lockDevices(const std::string& selection) {
    return "select *\nfrom Urzadzenie\nwhere " + selection + "for update of bWlaczone, bDostepne, bRozszerzonaTransmisja nowait";
}

std::string lockDeviceParameters(const std::string& selection) {
    return "select *\nfrom ParamUrz p\nwhere lUrzadzenieRef in\n(select lUrzadzenieRef\nfrom Urzadzenie\nwhere " +
           selection + ")order by nParamId\nfor update of sWartoscParam nowait\n";
}

std::string purchasePricePrediction() {
    return "\n select purchasepricegetter.predictProductPurchasePrice(\n \tt.ltowarref\n \t, :current_date\n \t, "
           ":sale_price\n \t, coalesce(t.nmarza, margin.getProductMargin(t.ltowarref))\n \t, t.byvat\n \t, "
           "t.lglownydostawcaref\n \t, t.bytyp\n \t, :algorithm) purchase_price\n from towar t where t.ltowarref = "
           ":product_id";
}

std::string pluStateUpdate() {
    return "update PLU set byStatus = :byStatus  where lPLURef = :lPLURef    and nvl(byBlokada, 0) <> 1    and byStatus  "
           "= :OLDbyStatus";
}

std::string pluCodesOfProduct() {
    return "select sPLU from PLU where lTowarRef=:lTowarRef  and byStatus in (1, 2) order by NVL(byBlokada, 0)";
}

std::string stockOfProduct() {
    return "select dStan stockQuantity from stn where lTowarRef = :productId and data = lastStnDate(:productId)";
}

}  // namespace OracleTexts
