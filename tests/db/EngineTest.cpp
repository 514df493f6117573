#include "EngineTest.h"

void KernelTest::SetUp() {
    database_.emplace(GetParam());
    DBKernel::setDefaultSession(database_->url(), DBKernel::OpenMode::CreateIfMissing);
}

void KernelTest::TearDown() { DBKernel::resetDefaultSession(); }

std::int64_t KernelTest::exec(const std::string& sql) const { return DBKernel::Sql::Command(sql).execute(); }

std::string KernelTest::scalar(const std::string& sql) const {
    DBKernel::Sql::OpenedQuery query(sql);
    return query ? query.at(0).asString() : "<no row>";
}

void KernelTest::native(const std::string& sqliteScript, const std::string& postgresScript) const {
    session().ExecuteNativeScript(onSqlite() ? sqliteScript : postgresScript);
}

void KernelTest::createSampleTable() const {
    exec(
        "create table t (id integer primary key, name varchar(40), price numeric(10,2), ratio double precision, "
        "qty integer)");
    exec("insert into t values (1, 'Chleb żytni', 4.50, 0.25, 10)");
    exec("insert into t values (2, 'Masło', 7.99, 1.5, 3)");
    exec("insert into t values (3, null, null, null, null)");
}
