#include "hostlists/VatRates.h"

#include "db/Query.h"

namespace Business {

std::vector<VatRate> vatRatesValidOn(int dayNumber, TSessionHolder session) {
    DBKernel::Sql::PreparedQuery query(
        "select byVAT, sSymbol, sLitera, dStawka, bZwolniona from StawkaVat"
        " where DataOd <= :day and (DataDo is null or DataDo >= :day) order by byVAT",
        std::move(session));
    query.Params["day"] = dayNumber;
    query.execute();
    std::vector<VatRate> rates;
    for (; query; query.next())
        rates.push_back({query["byVAT"].asInt(), query["sSymbol"].asString(), query["sLitera"].asString(),
                         query["dStawka"].asDouble(), query["bZwolniona"].asInt() != 0});
    return rates;
}

}  // namespace Business
