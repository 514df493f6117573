#include "producttools/PricesBeforePromotion.h"

#include "db/Query.h"

namespace Towar {

namespace {
// The period before a promotion over which its former price is the lowest one.
constexpr int kDaysBeforePromotion = 30;
}  // namespace

std::map<int, Core::Price> getPricesBeforePromotion(TSessionHolder& session, int day) {
    DBKernel::Sql::PreparedQuery query(
        "select w.lTowarRef, min(s.dCenaSprzed) as dCenaPrzedPromocja\n"
        "  from WarSprz w, stn s\n"
        " where w.lPromoRef is not null and w.DataOd <= :day and w.DataDo >= :day\n"
        "   and s.lTowarRef = w.lTowarRef and s.data >= w.DataOd - :days and s.data < w.DataOd\n"
        "   and s.dCenaSprzed is not null\n"
        " group by w.lTowarRef",
        session);
    query.Params["day"] = day;
    query.Params["days"] = kDaysBeforePromotion;
    query.execute();
    std::map<int, Core::Price> prices;
    for (; query; query.next())
        prices[query["lTowarRef"].asInt()] = Core::Price::fromDouble(query["dCenaPrzedPromocja"].asDouble());
    return prices;
}

}  // namespace Towar
