// Reading rows through the database kernel costs little over the engine itself:
// 1,000,000 rows of ten typed columns, read by name through the kernel, against a plain
// sqlite3 loop that reads the same query by column position into the same C++ types.
// Also: the cost of the statement log when it is switched on, and on PostgreSQL the cost
// of the savepoint that lets a statement inside a transaction fail alone.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "db/Command.h"
#include "db/Query.h"
#include "db/SessionHolder.h"
#include "db/StatementLog.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"

namespace {

constexpr int rowCount = 1'000'000;
const char* const selectAll = "select id, code, name, price, qty, vat, weight, flag, unit, ref from bench_rows";

// One database for the whole run, filled once.
const std::string& databaseUrl() {
    static TestSupport::TempDir directory;
    static const std::string url = [] {
        const std::string url = "sqlite:" + (directory / "bench.db").string();
        TSessionHolder session(url, DBKernel::OpenMode::CreateIfMissing);
        DBKernel::Sql::Command(
            "create table bench_rows (id integer primary key, code varchar(13), name varchar(40), "
            "price double precision, qty integer, vat integer, weight double precision, "
            "flag integer, unit varchar(4), ref integer)",
            session)
            .execute();
        session.StartTransaction();
        DBKernel::Sql::Command insert(
            "insert into bench_rows values (:id, :code, :name, :price, :qty, :vat, :weight, "
            ":flag, :unit, :ref)",
            session);
        for (int i = 1; i <= rowCount; ++i) {
            insert.Params["id"] = i;
            insert.Params["code"] = std::to_string(5900000000000LL + i);
            insert.Params["name"] = "Produkt numer " + std::to_string(i);
            insert.Params["price"] = i % 1000 / 10.0;
            insert.Params["qty"] = i % 50;
            insert.Params["vat"] = i % 4;
            insert.Params["weight"] = i % 7 * 0.125;
            insert.Params["flag"] = i % 2;
            insert.Params["unit"] = i % 3 ? "szt" : "kg";
            insert.Params["ref"] = i * 3;
            insert.execute();
        }
        session.Commit();
        return url;
    }();
    return url;
}

void kernelFetch(benchmark::State& state) {
    TSessionHolder session(databaseUrl());
    for (auto _ : state) {
        std::int64_t integers = 0;
        double reals = 0;
        std::size_t textLength = 0;
        for (DBKernel::Sql::OpenedQuery q(selectAll, session); q; q.next()) {
            integers +=
                q["id"].asInt64() + q["qty"].asInt64() + q["vat"].asInt64() + q["flag"].asInt64() + q["ref"].asInt64();
            reals += q["price"].asDouble() + q["weight"].asDouble();
            const std::string code = q["code"].asString(), name = q["name"].asString(), unit = q["unit"].asString();
            textLength += code.size() + name.size() + unit.size();
        }
        benchmark::DoNotOptimize(integers);
        benchmark::DoNotOptimize(reals);
        benchmark::DoNotOptimize(textLength);
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(kernelFetch)->Unit(benchmark::kMillisecond);

std::string textAt(sqlite3_stmt* statement, int column) {
    return std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

void plainSqliteFetch(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(databaseUrl().substr(7).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v3(db, selectAll, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    for (auto _ : state) {
        std::int64_t integers = 0;
        double reals = 0;
        std::size_t textLength = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            integers += sqlite3_column_int64(statement, 0) + sqlite3_column_int64(statement, 4) +
                        sqlite3_column_int64(statement, 5) + sqlite3_column_int64(statement, 7) +
                        sqlite3_column_int64(statement, 9);
            reals += sqlite3_column_double(statement, 3) + sqlite3_column_double(statement, 6);
            const std::string code = textAt(statement, 1), name = textAt(statement, 2), unit = textAt(statement, 8);
            textLength += code.size() + name.size() + unit.size();
        }
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(integers);
        benchmark::DoNotOptimize(reals);
        benchmark::DoNotOptimize(textLength);
    }
    sqlite3_finalize(statement);
    sqlite3_close_v2(db);
    state.SetItemsProcessed(state.iterations() * rowCount);
}
BENCHMARK(plainSqliteFetch)->Unit(benchmark::kMillisecond);

// One small prepared query executed again and again, with the statement log on or off.
void repeatedExecution(benchmark::State& state) {
    TSessionHolder session(databaseUrl());
    DBKernel::Sql::PreparedQuery q("select name from bench_rows where id = :id", session);
    DBKernel::StatementLog::setEnabled(state.range(0) != 0);
    std::int64_t id = 0;
    for (auto _ : state) {
        q.Params["id"] = id++ % rowCount + 1;
        q.execute();
        benchmark::DoNotOptimize(q["name"].asString());
    }
    DBKernel::StatementLog::setEnabled(false);
    DBKernel::StatementLog::clear();
}
BENCHMARK(repeatedExecution)->Arg(0)->Arg(1)->ArgName("log");

// One small insert, outside a transaction and inside one (under a savepoint).
void postgresInsert(benchmark::State& state) {
    const auto database = TestSupport::PostgresCluster::instance().createDatabase();
    TSessionHolder session(database.url());
    DBKernel::Sql::Command("create table journal (n integer)", session).execute();
    DBKernel::Sql::Command insert("insert into journal values (:n)", session);
    if (state.range(0)) session.StartTransaction();
    int n = 0;
    for (auto _ : state) {
        insert.Params["n"] = ++n;
        insert.execute();
    }
    if (state.range(0)) session.Commit();
}
BENCHMARK(postgresInsert)->Arg(0)->Arg(1)->ArgName("inTransaction");

}  // namespace

BENCHMARK_MAIN();
