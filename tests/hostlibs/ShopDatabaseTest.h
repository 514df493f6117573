// Tests that run once on SQLite and once on PostgreSQL, each on a fresh database that
// holds the shop schema and is the host's default session.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"

namespace HostLibsTest {

using TestSupport::Engine;

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
    std::optional<TestSupport::EngineDatabase> database_;
};

}  // namespace HostLibsTest
