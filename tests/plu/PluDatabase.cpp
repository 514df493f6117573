#include "PluDatabase.h"

#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/Query.h"
#include "db/StatementLog.h"
#include "shopdb/Schema.h"

namespace PluTest {

void PluDatabaseTest::SetUp() {
    database_.emplace(GetParam());
    session_.emplace(database_->url(), DBKernel::OpenMode::CreateIfMissing);
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
        std::string(
            "<configuration><key name=\"Inne\"><key name=\"Obsługa wielu cen sprzedaży\" type=\"bool\" value=\"") +
        (enabled ? "true" : "false") + "\"/></key></configuration>");
}

void PluDatabaseTest::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

std::vector<std::string> PluDatabaseTest::takeStatements() {
    auto statements = DBKernel::StatementLog::entries();
    DBKernel::StatementLog::clear();
    return statements;
}

}  // namespace PluTest
