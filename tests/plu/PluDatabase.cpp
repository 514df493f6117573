#include "PluDatabase.h"

#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/Query.h"
#include "db/StatementLog.h"
#include "shopdb/Schema.h"

namespace PluTest {

void PluDatabaseTest::SetUp() {
    if (onSqlite()) {
        session_.emplace("sqlite:" + (directory_ / "shop.db").string(), DBKernel::OpenMode::CreateIfMissing);
    } else {
        postgres_.emplace(TestSupport::PostgresCluster::instance().createDatabase());
        session_.emplace(postgres_->url());
    }
    ShopDb::createSchema(*session_);
    setSeveralSalePrices(false);
    DBKernel::StatementLog::setEnabled(true);
    DBKernel::StatementLog::clear();
}

void PluDatabaseTest::TearDown() {
    DBKernel::StatementLog::setEnabled(false);
    DBKernel::StatementLog::clear();
}

void PluDatabaseTest::setSeveralSalePrices(bool enabled) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        std::string("<configuration><key name=\"Inne\"><key name=\"Obsługa wielu cen sprzedaży\" type=\"bool\" value=\"") +
        (enabled ? "true" : "false") + "\"/></key></configuration>");
}

void PluDatabaseTest::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

std::int64_t PluDatabaseTest::integerOf(const std::string& sql) {
    DBKernel::Sql::OpenedQuery query(sql, session());
    return query.at(0).asInt64();
}

std::vector<std::string> PluDatabaseTest::takeStatements() {
    auto statements = DBKernel::StatementLog::entries();
    DBKernel::StatementLog::clear();
    return statements;
}

std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

}  // namespace PluTest
