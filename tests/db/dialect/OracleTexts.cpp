#include "OracleTexts.h"

#include <list>

#include "plu/AllPlusSender.h"
#include "plu/PluDataSetSql.h"

namespace OracleTexts {

std::string pluMainQuery(int day, bool severalPrices, bool includePriceless, const std::vector<int>& products) {
    return PluTransmission::mainQueryStatement({day, severalPrices, includePriceless},
                                               std::list<int>(products.begin(), products.end()));
}

std::string sendAllPluQuery(bool severalPrices) { return Devices::AllPlusSender::query(severalPrices); }

std::string markPluStatement(int day, const std::string& table) {
    return PluTransmission::markPlusStatement(day, table);
}

std::string sesLabelsQuery(int saleDate) {
    return "\n SELECT plu.lPluRef, s.dStan, nvl(ws.dataOd, -9999999) dSaleDateFrom,\n nvl(ws.dataDo, -9999999) "
           "dSaleDateTo, f.sNazwa, f.sKrNazwa\n FROM stn s,\n (\n select ws.*\n from warsprz ws,\n (\n select distinct "
           "p.ltowarref\n from plu p, tempraporttowar trt\n where p.LPLUREF = trt.LTOWARREF\n ) t\n where t.LTOWARREF = "
           "ws.LTOWARREF\n and " +
           std::to_string(saleDate) +
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
           "towar.dLastStnDate\n AND towar.DLASTSTNDATE >= " +
           first + " /*arg1*/ and towar.DLASTSTNDATE <= " + last +
           " /*arg2*/\n AND towar.LTOWARREF = plu.LTOWARREF AND towar.BYELETYK = 1\n AND brand.id (+) = towar.brandid\n"
           " AND warsprz.LTOWARREF(+) = plu.LTOWARREF AND warsprz.DATAOD(+) <= " +
           last +
           " /*arg2*/\n AND "
           "warsprz.DATADO(+) >= " +
           last + " /*arg2*/";
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
    return "select *\nfrom Urzadzenie\nwhere " + selection +
           "for update of bWlaczone, bDostepne, bRozszerzonaTransmisja nowait";
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
