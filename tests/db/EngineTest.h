// KernelTest, the kernel's conformance fixture: every test of the kernel runs once on
// SQLite and once on PostgreSQL, each on a fresh, empty database that is also the
// default session.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "db/Command.h"
#include "db/OraError.h"
#include "db/Query.h"
#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"

using TestSupport::Engine;

class KernelTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    bool onSqlite() const { return GetParam() == Engine::SQLite; }
    const std::string& url() const { return database_->url(); }
    TSessionHolder session() const { return TSessionHolder(true); }

    // Runs Oracle SQL through the kernel.
    std::int64_t exec(const std::string& sql) const;
    // The first column of the first row, as text.
    std::string scalar(const std::string& sql) const;
    // Engine-native set-up, one script per engine.
    void native(const std::string& sqliteScript, const std::string& postgresScript) const;
    // A table t(id, name, price numeric(10,2), ratio double, qty) with rows 1..3 (see source).
    void createSampleTable() const;

private:
    std::optional<TestSupport::EngineDatabase> database_;
};

// Runs the statement and returns the EOraError code it raises (0 when it raises none).
template <class Statement>
int oraCodeOf(Statement&& statement) {
    try {
        statement();
    } catch (const Oraerror::EOraError& error) {
        return error.ErrorCode;
    }
    return 0;
}
