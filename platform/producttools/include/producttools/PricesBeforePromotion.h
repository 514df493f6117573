// The price a product had before its current promotion, as price labels must show
// it next to the promotional price.
#pragma once

#include <map>

#include "core/Money.h"
#include "db/SessionHolder.h"

namespace Towar {

// Host contract: for every product with a promotional sale-price condition
// (WarSprz.lPromoRef set) valid on `day`, the lowest sale price the product had in
// the 30 days before that condition began, from the day-by-day history
// (stn.dCenaSprzed); by product reference. Products without such history have no
// entry.
std::map<int, Core::Price> getPricesBeforePromotion(TSessionHolder& session, int day);

}  // namespace Towar
