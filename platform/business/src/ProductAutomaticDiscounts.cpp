#include "business/ProductAutomaticDiscounts.h"

namespace Business {

namespace {
const char* const kDiscountsSql =
    "select adt.name from ProductAutomaticDiscountType padt, AutomaticDiscountType adt\n"
    " where padt.ProductId = :product_id and adt.id = padt.AutomaticDiscountTypeId and adt.isActive = 1";
}  // namespace

ProductAutomaticDiscounts::ProductAutomaticDiscounts(TSessionHolder session)
    : discounts_(kDiscountsSql, std::move(session)) {}

const std::set<std::string>& ProductAutomaticDiscounts::forProduct(std::int64_t productId) {
    if (const auto known = byProduct_.find(productId); known != byProduct_.end()) return known->second;
    discounts_.Params["product_id"] = productId;
    discounts_.execute();
    std::set<std::string> names;
    for (; discounts_; discounts_.next()) names.insert(discounts_["name"].asString());
    return byProduct_.emplace(productId, std::move(names)).first->second;
}

}  // namespace Business
