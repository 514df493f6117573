// Tests that run once on SQLite and once on PostgreSQL, each on a fresh database that
// holds the shop schema and is the host's default session.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"

namespace HostLibsTest {

using Engine = DBKernel::Dialect::Engine;

class ShopDatabaseTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    TSessionHolder session() const { return TSessionHolder(true); }
    // Oracle SQL through the kernel.
    void exec(const std::string& sql) const;
    // The statements issued since the last call or exec (the log is on in every test).
    std::vector<std::string> issuedStatements() const;

private:
    std::unique_ptr<TestSupport::TempDir> directory_;
    std::optional<TestSupport::PostgresDatabase> database_;
};

std::string engineName(const ::testing::TestParamInfo<Engine>& info);

}  // namespace HostLibsTest

#define ON_BOTH_ENGINES(Suite)                                                                             \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values(HostLibsTest::Engine::SQLite,              \
                                                                 HostLibsTest::Engine::PostgreSQL),       \
                             HostLibsTest::engineName)
