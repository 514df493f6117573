// Tests that run once on SQLite and once on PostgreSQL, each on a fresh database.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <list>
#include <string>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"
#include "support/ShopRows.h"

namespace ShopDbTest {

using TestSupport::Engine;

class ShopEngineTest : public ::testing::TestWithParam<Engine> {
protected:
    // A new empty database of the test's engine.
    TSessionHolder emptyDatabase();
    // A new database holding the shop schema.
    TSessionHolder shopDatabase();

private:
    std::list<TestSupport::EngineDatabase> databases_;  // kept until the test ends
};

using TestSupport::integerOf;
using TestSupport::isNull;
using TestSupport::textOf;

// A digest of every row of every table the demo shop fills, in key order.
std::uint64_t contentDigest(const TSessionHolder& session);

}  // namespace ShopDbTest
