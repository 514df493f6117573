#include "support/EngineDatabase.h"

namespace TestSupport {

EngineDatabase::EngineDatabase(Engine engine) {
    if (engine == Engine::SQLite) {
        url_ = "sqlite:" + (directory_ / "shop.db").string();
        return;
    }
    postgres_.emplace(PostgresCluster::instance().createDatabase());
    url_ = postgres_->url();
}

std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

}  // namespace TestSupport
