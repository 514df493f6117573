// The statements that mark and select the PLU records due for sending. Days are whole
// day numbers, written into the text in decimal.
#pragma once

#include <list>
#include <string>

namespace PluTransmission {

// Turns ordinary PLUs (state 2) whose product has an unsent sale-price condition for
// the day or a send flag into new ones (state 1). `table` is "PLU", or the view that
// also lists the codes of grouped products.
std::string markPlusStatement(int day, const std::string& table);

// Flags for immediate sending the grouped products with an unsent condition for the
// day or with a new, deleted or blocked PLU (several-prices mode only).
std::string markGroupedProductsStatement(int day);

struct MainQueryOptions {
    int day = 0;
    bool severalSalePrices = false;
    // Keep rows that have no positive price and are not deletions (sorted last).
    bool includePriceless = false;
};

// One row per PLU code due for sending, with the origins of the need to send
// (byFlaga), the product data and both candidate prices; only the listed products
// when `products` is not empty.
std::string mainQueryStatement(const MainQueryOptions& options, const std::list<int>& products);

}  // namespace PluTransmission
