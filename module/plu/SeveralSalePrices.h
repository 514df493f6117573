// The shop's several-sale-prices switch: products grouped under another product are
// sold under the grouping product's PLU codes (PLU_ALL_VIEW).
#pragma once

namespace PluTransmission {

// "Inne" -> "Obsługa wielu cen sprzedaży"; false when the key is absent.
bool severalSalePricesEnabled();

}  // namespace PluTransmission
