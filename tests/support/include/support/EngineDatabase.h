// A fresh, empty database of one engine for one test: an SQLite file in a temporary
// directory (made when first opened), or a new database in the shared PostgreSQL
// cluster (dropped with this object). Suites that run on both engines are instantiated
// with KORVEL_ON_EACH_ENGINE(Suite).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "db/Dialect.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"

namespace TestSupport {

using Engine = DBKernel::Dialect::Engine;

class EngineDatabase {
public:
    explicit EngineDatabase(Engine engine);
    // Open it with DBKernel::OpenMode::CreateIfMissing: the SQLite file does not exist yet.
    const std::string& url() const { return url_; }

private:
    TempDir directory_;
    std::optional<PostgresDatabase> postgres_;
    std::string url_;
};

std::string engineName(const ::testing::TestParamInfo<Engine>& info);

}  // namespace TestSupport

#define KORVEL_ON_EACH_ENGINE(Suite)                                                                          \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite,                                                                  \
                             ::testing::Values(TestSupport::Engine::SQLite, TestSupport::Engine::PostgreSQL), \
                             TestSupport::engineName)
