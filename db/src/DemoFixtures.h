// The parts of the demo shop that do not grow with it: brands, suppliers, product
// sets, gifts, the devices with their parameters, and the last week's sales.
#pragma once

#include <cstdint>

#include "DemoProducts.h"
#include "DemoTables.h"
#include "Random.h"

namespace ShopDb::DemoFixtures {

void writeDictionaries(DemoTables& tables, Random& random);
// Returns the number of devices written.
std::int64_t writeDevices(DemoTables& tables, ReferenceCounter& references);
void writeSales(DemoTables& tables, Random& random, ReferenceCounter& references, std::int32_t today);

}  // namespace ShopDb::DemoFixtures
