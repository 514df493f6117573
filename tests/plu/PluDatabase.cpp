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

void PluDatabaseTest::addProduct(const Product& product) {
    DBKernel::Sql::Command towar(
        "insert into Towar (lTowarRef, sNazwa, skrNazwa, dCenaSprzed, bySendNat, bySendWiecz, lTowarWielocenowyRef, byVAT) "
        "values (:id, :name, :shortName, :price, :sendNow, :sendEvening, :groupedUnder, 1)",
        session());
    towar.Params["id"] = product.id;
    towar.Params["name"] = product.name;
    towar.Params["shortName"] = product.name;
    towar.Params["price"] = product.price;
    towar.Params["sendNow"] = product.sendNow;
    towar.Params["sendEvening"] = product.sendEvening;
    towar.Params["groupedUnder"] = product.grouping;
    towar.execute();
    DBKernel::Sql::Command params("insert into Product_Current_Sale_Params (product_id, sale_price) values (:id, :price)",
                                  session());
    params.Params["id"] = product.id;
    params.Params["price"] = product.price;
    params.execute();
}

void PluDatabaseTest::addPlu(int pluRef, int productId, const std::string& code, int status, std::optional<int> blocked) {
    DBKernel::Sql::Command plu(
        "insert into PLU (lPluRef, sPLU, lTowarRef, byStatus, byBlokada) values (:ref, :code, :product, :status, :blocked)",
        session());
    plu.Params["ref"] = pluRef;
    plu.Params["code"] = code;
    plu.Params["product"] = productId;
    plu.Params["status"] = status;
    plu.Params["blocked"] = blocked;
    plu.execute();
}

void PluDatabaseTest::addCondition(int ref, int productId, std::optional<double> price, int sent, int from, int to) {
    DBKernel::Sql::Command condition(
        "insert into WarSprz (lWarSprzRef, lTowarRef, DataOd, DataDo, dCenaSprzed, byCenaWyslana) "
        "values (:ref, :product, :dataOd, :dataDo, :price, :sent)",
        session());
    condition.Params["ref"] = ref;
    condition.Params["product"] = productId;
    condition.Params["dataOd"] = from;
    condition.Params["dataDo"] = to;
    condition.Params["price"] = price;
    condition.Params["sent"] = sent;
    condition.execute();
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
