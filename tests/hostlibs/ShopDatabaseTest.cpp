#include "ShopDatabaseTest.h"

#include "db/Command.h"
#include "db/StatementLog.h"
#include "shopdb/Schema.h"

namespace HostLibsTest {

void ShopDatabaseTest::SetUp() {
    database_.emplace(GetParam());
    DBKernel::setDefaultSession(database_->url(), DBKernel::OpenMode::CreateIfMissing);
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

}  // namespace HostLibsTest
