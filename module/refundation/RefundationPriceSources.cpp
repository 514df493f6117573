#include "refundation/RefundationPriceSources.h"

#include <cmath>
#include <set>

#include "business/CompanyDirectory.h"
#include "core/Errors.h"
#include "frame/Configuration.h"
#include "zentools/SysdateGetter.h"

namespace Devices {

namespace {

using Source = PromotionRefundation::Source;

const char* const kConditionsHead =
    "\n select wz.dcenazak purchase_price, wz.dataod begin_date\n from warzak wz\n where wz.ltowarref = :product_id\n"
    " and wz.dataod <= :current_date\n and wz.datado >= :begin_date\n and wz.lwarzakcentrref is not null\n and ";
const char* const kConditionsTail = "\n order by wz.dataod desc";

const char* const kPredictionSql =
    "\n select purchasepricegetter.predictProductPurchasePrice(\n \tt.ltowarref\n \t, :current_date\n \t, :sale_price\n"
    " \t, coalesce(t.nmarza, margin.getProductMargin(t.ltowarref))\n \t, t.byvat\n \t, t.lglownydostawcaref\n"
    " \t, t.bytyp\n \t, :algorithm) purchase_price\n from towar t where t.ltowarref = :product_id";

Korvel::TKey refundationKey(const char* group, const char* name) {
    return Kolvenia::Config::key({"Parametry programu", "Refundacja promocji", group, name});
}

int headOfficeIndexLength() {
    return Kolvenia::Config::key({"Parametry programu", "Struktura organizacyjna", "Poziomy hierarchii",
                                  "Centrala główna", "Towary", "Indeksy", "Długość"})
        .GetVal<int>();
}

std::set<std::int64_t> refundedSuppliers(const TSessionHolder& session) {
    const auto attribute = refundationKey("Dostawcy", "Nazwa atrybutu").GetVal<std::string>();
    const auto value = refundationKey("Dostawcy", "Wymagana wartość").GetVal<std::string>();
    auto suppliers = Business::CompanyDirectory(session).findByAttribute(attribute, value);
    if (suppliers.empty())
        throw Core::PlacedRuntimeError("Dla włączonego mechanizmu refundacji nie oznaczono dostawców refundowanych.",
                                       CORE_SRC_INFO("RefundationPurchasePriceGetter::RefundationPurchasePriceGetter"));
    return suppliers;
}

std::string supplierCondition(const std::set<std::int64_t>& suppliers) {
    std::string condition = "wz.lodfirmaref in (";
    for (auto supplier = suppliers.begin(); supplier != suppliers.end(); ++supplier)
        condition += (supplier == suppliers.begin() ? "" : ", ") + std::to_string(*supplier);
    return condition + ")";
}

DBKernel::Sql::PreparedQuery conditionsQuery(const TSessionHolder& session, const std::set<std::int64_t>& suppliers,
                                             int today) {
    const int history = refundationKey("Warunki zakupu", "Długość historii").GetVal<int>();
    DBKernel::Sql::PreparedQuery query(kConditionsHead + supplierCondition(suppliers) + kConditionsTail, session);
    query.Params["current_date"] = today;
    query.Params["begin_date"] = today - history;
    return query;
}

DBKernel::Sql::PreparedQuery predictionQuery(const TSessionHolder& session, int today) {
    const auto algorithm = Kolvenia::Config::key({"Parametry programu", "FrontOffice", "Przetwarzanie sprzedazy",
                                                  "Algorytm prognozowania ceny zakupu"})
                               .GetVal<std::string>();
    DBKernel::Sql::PreparedQuery query(kPredictionSql, session);
    query.Params["algorithm"] = algorithm;
    query.Params["current_date"] = today;
    return query;
}

// Indexes may hold letters beyond ASCII; their length is counted in characters.
std::size_t characterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
    return count;
}

Core::Decimal<4> fourDecimals(double price) {
    return Core::Decimal<4>::fromUnits(std::llround(price * static_cast<double>(Core::Decimal<4>::scale())));
}

}  // namespace

RefundationPriceSources::RefundationPriceSources(TSessionHolder session)
    : headOfficeIndexLength_(headOfficeIndexLength()),
      today_(Zentools::SysdateGetter::getDate(session)),
      conditions_(conditionsQuery(session, refundedSuppliers(session), today_)),
      lastSupply_(session),
      prediction_(predictionQuery(session, today_)) {}

OptPromotionRefundation RefundationPriceSources::find(std::int64_t productId, const std::string& productIndex,
                                                      Core::Price salePrice) {
    if (auto price = fromRefundedSupplierConditions(productId, productIndex)) return price;
    if (auto price = fromLastSupply(productId)) return price;
    return fromPrediction(productId, salePrice);
}

OptPromotionRefundation RefundationPriceSources::fromRefundedSupplierConditions(std::int64_t productId,
                                                                                const std::string& productIndex) {
    if (characterCount(productIndex) != static_cast<std::size_t>(headOfficeIndexLength_)) return std::nullopt;
    conditions_.Params["product_id"] = productId;
    conditions_.execute();
    if (!conditions_) return std::nullopt;
    return PromotionRefundation{fourDecimals(conditions_["purchase_price"].asDouble()),
                                conditions_["begin_date"].asInt(), Source::RefundedSupplierConditions};
}

OptPromotionRefundation RefundationPriceSources::fromLastSupply(std::int64_t productId) {
    const auto supply = lastSupply_.getLastSupply(productId);
    if (!supply) return std::nullopt;
    return PromotionRefundation{fourDecimals(supply->price), supply->date, Source::LastSupply};
}

OptPromotionRefundation RefundationPriceSources::fromPrediction(std::int64_t productId, Core::Price salePrice) {
    prediction_.Params["product_id"] = productId;
    prediction_.Params["sale_price"] = salePrice.asDouble();
    prediction_.execute();
    if (!prediction_ || prediction_["purchase_price"].isNull()) return std::nullopt;
    return PromotionRefundation{fourDecimals(prediction_["purchase_price"].asDouble()), std::nullopt,
                                Source::PredictedPrice};
}

}  // namespace Devices
