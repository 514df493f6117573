#include "zentools/PurchasePriceGetter.h"

namespace Zentools {

namespace {

const char* const kLastSupplySql =
    "select d.dCenaZak purchase_price, d.data supply_date\n"
    "  from Dostawa d\n"
    " where d.lTowarRef = :product_id\n"
    "   and d.dCenaZak is not null\n"
    " order by d.data desc, d.lDostawaRef desc";

}  // namespace

PurchasePriceGetter::PurchasePriceGetter(TSessionHolder session) : lastSupply_(kLastSupplySql, std::move(session)) {}

std::optional<LastSupply> PurchasePriceGetter::getLastSupply(std::int64_t productId) {
    lastSupply_.Params["product_id"] = productId;
    lastSupply_.execute();
    if (!lastSupply_) return std::nullopt;
    return LastSupply{lastSupply_["purchase_price"].asDouble(), lastSupply_["supply_date"].asInt()};
}

}  // namespace Zentools
