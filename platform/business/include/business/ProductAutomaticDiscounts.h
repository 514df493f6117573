// The automatic discounts a product takes part in: the names of the active automatic
// discount types (table AutomaticDiscountType) linked to the product (table
// ProductAutomaticDiscountType). Cash registers know the active types only, so the
// inactive ones are left out.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "db/Query.h"

namespace Business {

class ProductAutomaticDiscounts {
public:
    // Prepares the lookup; each product is read on its first lookup and remembered.
    explicit ProductAutomaticDiscounts(TSessionHolder session = TSessionHolder(true));

    // The discount names, empty for a product without any.
    const std::set<std::string>& forProduct(std::int64_t productId);

private:
    DBKernel::Sql::PreparedQuery discounts_;
    std::map<std::int64_t, std::set<std::string>> byProduct_;
};

}  // namespace Business
