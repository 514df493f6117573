// Tests that run once on SQLite and once on PostgreSQL, each on a fresh database.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "db/SessionHolder.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"

namespace ShopDbTest {

using DBKernel::Dialect::Engine;

class EngineTest : public ::testing::TestWithParam<Engine> {
protected:
    // A new empty database of the test's engine.
    TSessionHolder emptyDatabase();
    // A new database holding the shop schema.
    TSessionHolder shopDatabase();

private:
    TestSupport::TempDir directory_;
    std::optional<TestSupport::PostgresDatabase> postgres_;
    int databases_ = 0;
};

std::string engineName(const ::testing::TestParamInfo<Engine>& info);

// The first column of the first row of a query.
std::int64_t integerOf(const TSessionHolder& session, const std::string& sql);
std::string textOf(const TSessionHolder& session, const std::string& sql);
bool isNull(const TSessionHolder& session, const std::string& sql);

// A digest of every row of every table the demo shop fills, in key order.
std::uint64_t contentDigest(const TSessionHolder& session);

}  // namespace ShopDbTest

#define SHOPDB_ON_EACH_ENGINE(Suite)                                                                 \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite,                                                         \
                             ::testing::Values(ShopDbTest::Engine::SQLite, ShopDbTest::Engine::PostgreSQL), \
                             ShopDbTest::engineName)
