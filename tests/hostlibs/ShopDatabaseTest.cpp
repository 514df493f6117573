#include "ShopDatabaseTest.h"

#include "db/Command.h"
#include "db/StatementLog.h"
#include "shopdb/Schema.h"

namespace HostLibsTest {

namespace {

// The company directory's attributes and own-company columns and the dictionaries of
// financial transaction types and automatic discounts, which the shop schema does not
// hold yet. The same text serves both engines.
const char* const kHostTables = R"(
alter table Firma add column bFirmaWlasna smallint not null default 0;
alter table Firma add column SplittableVatSaleOnSiteAllowed smallint not null default 0;
create table FirmaAtrybut (
    lFirmaRef integer not null,
    sNazwa varchar(60) not null,
    sWartosc varchar(255),
    primary key (lFirmaRef, sNazwa)
);
create table FinancialTransactionType (
    id integer primary key,
    guid varchar(38) not null,
    definition varchar(255)
);
create table AutomaticDiscountType (
    id integer primary key,
    name varchar(60) not null,
    isActive smallint not null default 1
);
create table ProductAutomaticDiscountType (
    ProductId integer not null,
    AutomaticDiscountTypeId integer not null,
    primary key (ProductId, AutomaticDiscountTypeId)
);
)";

}  // namespace

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
    session().ExecuteNativeScript(kHostTables);
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
