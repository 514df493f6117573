// The price a price-carrying PLU code ('S') holds in itself: characters 7-9 are whole
// units, 10-11 hundredths. Such a code is sent with that price whatever the
// product's price is.
#pragma once

#include <optional>
#include <string>

namespace PluTransmission {

// The carried price when `code` parses as a price-carrying code; empty for any other
// code, including one that cannot be parsed at all.
std::optional<double> priceCarriedByCode(const std::string& code);

// A price as the operator sees it: two decimals, '.' as the separator ("12.30").
std::string formatPrice(double price);

}  // namespace PluTransmission
