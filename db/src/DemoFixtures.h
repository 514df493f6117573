// The parts of the demo shop that do not grow with it: brands, suppliers and the
// shop's own company, product sets, gifts, financial transaction types, automatic
// discounts, the devices with their parameters, and the last week's sales.
#pragma once

#include <cstdint>

#include "DemoProducts.h"
#include "DemoTables.h"
#include "Random.h"

namespace ShopDb::DemoFixtures {

void writeDictionaries(DemoTables& tables, Random& random);
// Automatic discount types (1 to this number; the last one inactive).
constexpr int automaticDiscountTypeCount = 4;
// Returns the number of devices written.
std::int64_t writeDevices(DemoTables& tables, ReferenceCounter& references);
void writeSales(DemoTables& tables, Random& random, ReferenceCounter& references, std::int32_t today);

}  // namespace ShopDb::DemoFixtures
