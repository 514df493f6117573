#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <set>

#include "EngineTest.h"
#include "core/Errors.h"
#include "db/Command.h"
#include "db/GetRef.h"
#include "db/OraError.h"
#include "db/Query.h"
#include "shopdb/Schema.h"
#include "support/ErrorOf.h"

namespace ShopDbTest {
namespace {

using DBKernel::Sql::Command;
using DBKernel::Sql::OpenedQuery;

class SchemaTest : public ShopEngineTest {};

TEST_P(SchemaTest, CreatesOnceAndRecreatesOnlyWhenForced) {
    TSessionHolder session = emptyDatabase();
    EXPECT_FALSE(ShopDb::hasSchema(session));
    ShopDb::createSchema(session);
    EXPECT_TRUE(ShopDb::hasSchema(session));
    Command("insert into Towar (lTowarRef, sNazwa) values (1, 'Masło ekstra 82%')", session).execute();

    EXPECT_EQ(TestSupport::errorOf<Core::PlacedRuntimeError>([&] { ShopDb::createSchema(session); }),
              "Baza danych zawiera już schemat sklepu. Utworzenie go od nowa wymaga wymuszenia "
              "i usuwa wszystkie dane sklepu.");
    EXPECT_EQ(1, integerOf(session, "select count(*) from Towar"));

    ShopDb::createSchema(session, true);
    EXPECT_EQ(0, integerOf(session, "select count(*) from Towar"));
    EXPECT_EQ(100000, integerOf(session, "select count(*) from sekwencja"));
}

TEST_P(SchemaTest, HoldsTheReferenceDataTheModuleLooksUp) {
    TSessionHolder session = shopDatabase();
    EXPECT_EQ(1, integerOf(session, "select min(nLiczba) from sekwencja"));
    EXPECT_EQ(100000, integerOf(session, "select max(nLiczba) from sekwencja"));
    EXPECT_EQ(0, integerOf(session, "select nTyp from DefParamUrz where sNazwa = 'bKasaZintegrowana'"));
    EXPECT_EQ(1, integerOf(session, "select nTyp from DefParamUrz where nParamId = 133"));
    EXPECT_EQ("zw", textOf(session, "select sSymbol from StawkaVat where bZwolniona = 1"));
    EXPECT_EQ("kg", textOf(session, "select sSymbol from JednostkaMiary where nJm = 3"));
    EXPECT_EQ(1, integerOf(session, "select SaleBlocked from ProductActivityStatus where productActivityStatusId = 2"));
}

TEST_P(SchemaTest, ReferenceCounterOnlyMovesForward) {
    TSessionHolder session = shopDatabase();
    const std::int64_t first = GetRef(session);
    EXPECT_GT(GetRef(session), first);
    ShopDb::reserveReferences(session, 5000);
    EXPECT_EQ(5001, GetRef(session));
    ShopDb::reserveReferences(session, 10);
    EXPECT_EQ(5002, GetRef(session));
}

TEST_P(SchemaTest, ParameterRowsAreUniquePerDeviceAndParameter) {
    TSessionHolder session = shopDatabase();
    Command("insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) values (1, 7, 133, '5')",
            session)
        .execute();
    try {
        Command("insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) values (2, 7, 133, '6')",
                session)
            .execute();
        FAIL() << "a second value of one parameter was accepted";
    } catch (const Oraerror::EOraError& error) {
        EXPECT_EQ(1, error.ErrorCode);
    }
}

TEST_P(SchemaTest, ChangeHistoryEntryTakesTheLocalTime) {
    TSessionHolder session = shopDatabase();
    Command entry("insert into \"Operacje\" (sKlucz, sOpis, nTypOperacji) values (:klucz, :opis, 3)", session);
    entry.Params["klucz"] = "NWYSLANIEPLUDOKAS";
    entry.Params["opis"] = "Wysłanie PLU do kas";
    entry.execute();

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double expected = 25569.0 + static_cast<double>(now + local.tm_gmtoff) / 86400.0;  // day 25569 is 1 Jan 1970
    OpenedQuery row("select sKlucz, dDataCzas from Operacje", session);
    ASSERT_TRUE(row);
    EXPECT_EQ("NWYSLANIEPLUDOKAS", row["sKlucz"].asString());
    EXPECT_NEAR(expected, row["dDataCzas"].asDouble(), 60.0 / 86400.0);
}

KORVEL_ON_EACH_ENGINE(SchemaTest);

// Tables and their columns, lower case, as the engine's catalogue lists them.
std::map<std::string, std::set<std::string>> columnsOf(const TSessionHolder& session) {
    std::map<std::string, std::set<std::string>> columns;
    if (session.engine() == Engine::PostgreSQL) {
        OpenedQuery query(
            "select table_name, column_name from information_schema.columns "
            "where table_schema = current_schema()",
            session);
        for (; query; query.next()) columns[query["table_name"].asString()].insert(query["column_name"].asString());
        return columns;
    }
    OpenedQuery query(
        "select lower(m.name) as table_name, lower(c.name) as column_name "
        "from sqlite_master m, pragma_table_info(m.name) c where m.type in ('table', 'view')",
        session);
    for (; query; query.next()) columns[query["table_name"].asString()].insert(query["column_name"].asString());
    return columns;
}

TEST(SchemaScripts, BothEnginesHaveTheSameTablesAndColumns) {
    TestSupport::TempDir directory;
    TSessionHolder sqlite("sqlite:" + (directory / "shop.db").string(), DBKernel::OpenMode::CreateIfMissing);
    TestSupport::PostgresDatabase database = TestSupport::PostgresCluster::instance().createDatabase();
    TSessionHolder postgres(database.url());
    ShopDb::createSchema(sqlite);
    ShopDb::createSchema(postgres);

    auto onSqlite = columnsOf(sqlite);
    onSqlite.erase("korvel_routine");  // PostgreSQL keeps its routines in its catalogue
    onSqlite.erase("korvel_ref");      // and its reference counter is a sequence
    EXPECT_EQ(onSqlite, columnsOf(postgres));
}

}  // namespace
}  // namespace ShopDbTest
