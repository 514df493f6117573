// A demonstration shop: products with Polish names, their PLU codes of every kind,
// sale-price conditions, send flags, bundles, compositions, stock, suppliers,
// devices with their parameters and a week of sales (docs/database.md lists it all).
// The same options give the same shop, row for row, on every engine.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "db/SessionHolder.h"

namespace ShopDb {

struct DemoShopOptions {
    std::int64_t products = 1000;
    std::uint64_t seed = 1;
    // The shop's today as a day number (days since 30 December 1899); empty: the
    // local date when the shop is made. Conditions, stock and sales lie around it.
    std::optional<std::int32_t> today;
};

// What one generation wrote.
struct DemoShopSummary {
    std::int64_t products = 0;         // rows of Towar: exactly the requested number
    std::int64_t plus = 0;             // rows of PLU
    std::int64_t priceConditions = 0;  // rows of WarSprz
    std::int64_t bundles = 0;          // split bundles (Towar.byTyp 8)
    std::int64_t devices = 0;          // rows of Urzadzenie
};

class DemoShop {
public:
    // Products made so far and in all; called every few thousand products and at the end.
    using Progress = std::function<void(std::int64_t done, std::int64_t total)>;

    explicit DemoShop(DemoShopOptions options);

    // Fills a database that holds the shop schema and no products, in the session's
    // open transaction or in one of its own. A database with products is refused with
    // a Core::PlacedRuntimeError; a negative product count with a Core::PlacedLogicError.
    DemoShopSummary generate(TSessionHolder session, const Progress& progress = {}) const;

private:
    DemoShopOptions options_;
};

}  // namespace ShopDb
