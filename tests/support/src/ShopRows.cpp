#include "support/ShopRows.h"

#include "db/Command.h"
#include "db/Query.h"

namespace TestSupport {

void addProduct(TSessionHolder& session, const ShopProduct& product) {
    DBKernel::Sql::Command towar(
        "insert into Towar (lTowarRef, sNazwa, skrNazwa, dCenaSprzed, bySendNat, bySendWiecz, lTowarWielocenowyRef, byVAT) "
        "values (:id, :name, :name, :price, :sendNow, :sendEvening, :groupedUnder, :vat)",
        session);
    towar.Params["id"] = product.id;
    towar.Params["name"] = product.name;
    towar.Params["price"] = product.price;
    towar.Params["sendNow"] = product.sendNow;
    towar.Params["sendEvening"] = product.sendEvening;
    towar.Params["groupedUnder"] = product.grouping;
    towar.Params["vat"] = product.vat;
    towar.execute();
    DBKernel::Sql::Command params(
        "insert into Product_Current_Sale_Params (product_id, sale_price) values (:id, :price)", session);
    params.Params["id"] = product.id;
    params.Params["price"] = product.price;
    params.execute();
}

void addPlu(TSessionHolder& session, int pluRef, int productId, const std::string& code, int status,
            std::optional<int> blocked) {
    DBKernel::Sql::Command plu(
        "insert into PLU (lPluRef, sPLU, lTowarRef, byStatus, byBlokada) values (:ref, :code, :product, :status, :blocked)",
        session);
    plu.Params["ref"] = pluRef;
    plu.Params["code"] = code;
    plu.Params["product"] = productId;
    plu.Params["status"] = status;
    plu.Params["blocked"] = blocked;
    plu.execute();
}

void addCondition(TSessionHolder& session, int ref, int productId, std::optional<double> price, int sent, int from,
                  int to) {
    DBKernel::Sql::Command condition(
        "insert into WarSprz (lWarSprzRef, lTowarRef, DataOd, DataDo, dCenaSprzed, byCenaWyslana) "
        "values (:ref, :product, :dataOd, :dataDo, :price, :sent)",
        session);
    condition.Params["ref"] = ref;
    condition.Params["product"] = productId;
    condition.Params["dataOd"] = from;
    condition.Params["dataDo"] = to;
    condition.Params["price"] = price;
    condition.Params["sent"] = sent;
    condition.execute();
}

void addDevice(TSessionHolder& session, const ShopDevice& device) {
    const std::string ref = std::to_string(100 + device.number);
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    std::string columns = "lUrzadzenieRef, nNrTypuUrz, nNrKolvenia, sNazwa";
    std::string values = ref + ", " + std::to_string(device.type) + ", " + std::to_string(device.number) + ", '" +
                         (device.name.empty() ? "Kasa " + std::to_string(device.number) : device.name) + "'";
    if (device.enabled) {
        columns += ", bWlaczone";
        values += ", " + flag(*device.enabled);
    }
    if (device.installed) {
        columns += ", bZainstalowane";
        values += ", " + flag(*device.installed);
    }
    if (device.working) {
        columns += ", bDostepne, bCzynne";
        values += ", " + flag(*device.working) + ", " + flag(*device.working);
    }
    DBKernel::Sql::Command("insert into Urzadzenie (" + columns + ") values (" + values + ")", session).execute();
    if (device.integrated)
        DBKernel::Sql::Command("insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) values (" +
                                   ref + ", " + ref + ", 1, '" + flag(*device.integrated) + "')",
                               session)
            .execute();
}

std::int64_t integerOf(const TSessionHolder& session, const std::string& sql) {
    return DBKernel::Sql::OpenedQuery(sql, session).at(0).asInt64();
}

std::string textOf(const TSessionHolder& session, const std::string& sql) {
    return DBKernel::Sql::OpenedQuery(sql, session).at(0).asString();
}

bool isNull(const TSessionHolder& session, const std::string& sql) {
    return DBKernel::Sql::OpenedQuery(sql, session).at(0).isNull();
}

}  // namespace TestSupport
