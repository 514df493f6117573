#include "ShopDatabaseTest.h"

#include "db/Command.h"
#include "db/StatementLog.h"
#include "shopdb/Schema.h"

namespace HostLibsTest {

void ShopDatabaseTest::SetUp() {
    std::string url;
    if (GetParam() == Engine::SQLite) {
        directory_ = std::make_unique<TestSupport::TempDir>();
        url = "sqlite:" + (*directory_ / "shop.db").string();
    } else {
        database_.emplace(TestSupport::PostgresCluster::instance().createDatabase());
        url = database_->url();
    }
    DBKernel::setDefaultSession(url, DBKernel::OpenMode::CreateIfMissing);
    ShopDb::createSchema(session());
    DBKernel::StatementLog::setEnabled(true);
    DBKernel::StatementLog::clear();
}

void ShopDatabaseTest::TearDown() {
    DBKernel::StatementLog::setEnabled(false);
    DBKernel::StatementLog::clear();
    DBKernel::resetDefaultSession();
}

void ShopDatabaseTest::exec(const std::string& sql) const {
    DBKernel::Sql::Command(sql, session()).execute();
    DBKernel::StatementLog::clear();
}

std::vector<std::string> ShopDatabaseTest::issuedStatements() const {
    auto statements = DBKernel::StatementLog::entries();
    DBKernel::StatementLog::clear();
    return statements;
}

std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

}  // namespace HostLibsTest
