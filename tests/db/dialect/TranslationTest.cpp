// Translated texts, construct by construct, for both engines.
#include <gtest/gtest.h>

#include "OracleTexts.h"
#include "db/Dialect.h"

namespace DBKernel::Dialect {
namespace {

std::string sqlite(const std::string& sql) { return translate(sql, Engine::SQLite).sql; }
std::string postgres(const std::string& sql) { return translate(sql, Engine::PostgreSQL).sql; }

void expectRefused(const std::string& sql, Engine engine, const std::string& messagePart) {
    try {
        translate(sql, engine);
        ADD_FAILURE() << "translated: " << sql;
    } catch (const TranslationError& error) {
        EXPECT_NE(std::string(error.what()).find(messagePart), std::string::npos) << error.what();
    }
}

void expectRefusedByBoth(const std::string& sql, const std::string& messagePart) {
    expectRefused(sql, Engine::SQLite, messagePart);
    expectRefused(sql, Engine::PostgreSQL, messagePart);
}

TEST(Binds, NumberedByFirstAppearanceOncePerNameOutsideLiteralsAndComments) {
    const std::string sql = "select :A, :b, :a, x::int from t where s = ':a' -- :c\n and y = :B /* :d */";
    const Translation lite = translate(sql, Engine::SQLite);
    EXPECT_EQ(lite.sql, "select ?1, ?2, ?1, x::int from t where s = ':a' -- :c\n and y = ?2 /* :d */");
    EXPECT_EQ(lite.parameterNames, (std::vector<std::string>{"a", "b"}));
    const Translation pg = translate(sql, Engine::PostgreSQL);
    EXPECT_EQ(pg.sql, "select $1, $2, $1, x::int from t where s = ':a' -- :c\n and y = $2 /* :d */");
    EXPECT_EQ(pg.parameterNames, lite.parameterNames);
    EXPECT_EQ(pg.lock, LockRequest::None);
}

TEST(Binds, TextsWithoutOracleConstructsPassUnchanged) {
    for (const std::string& sql :
         {std::string("\n select pu.swartoscparam parameterValue\n from paramurz pu\n where pu.lurzadzenieref = 5"),
          OracleTexts::markPluStatement(45000, "PLU"),
          std::string("select coalesce(min(pn.data), 0) receipt_date from paragnag pn"),
          std::string("select min(nliczba) firstAvailableId from sekwencja s where not exists (select 1 from "
                      "price_checker_plu pcp where s.nliczba = pcp.id_on_device)")}) {
        EXPECT_EQ(sqlite(sql), sql);
    }
    const std::string plain = "select sum(distinct(a)), sign(b), c || 'x' from t group by d having count(*) > 1";
    EXPECT_EQ(sqlite(plain), plain);
    EXPECT_EQ(postgres(plain), plain);
}

TEST(OuterJoins, MarkedConditionsBecomeTheJoinsOnClause) {
    const std::string sql = "select * from a, b where a.x = b.y (+) and b.z(+) = 1 and a.k = 2";
    EXPECT_EQ(sqlite(sql), "select * from a left join b on a.x = b.y and b.z = 1 where a.k = 2");
    EXPECT_EQ(postgres(sql), sqlite(sql));
    EXPECT_EQ(sqlite("select b.y from shop.towar t, shop.brand b where b.id(+) = t.brandid order by 1"),
              "select b.y from shop.towar t left join shop.brand b on b.id = t.brandid order by 1");
    EXPECT_EQ(sqlite("select * from a, b where a.x = b.x(+) and b.d(+) between 1 and 5 and a.y between 2 and 3"),
              "select * from a left join b on a.x = b.x and b.d between 1 and 5 where a.y between 2 and 3");
}

// PostgreSQL's comma binds looser than JOIN; SQLite keeps commas so the planner may
// reorder the inner tables.
TEST(OuterJoins, InnerTablesJoinTheEngineWay) {
    const std::string sql = "select * from a, b, c where a.x = b.y(+) and a.id = c.id";
    EXPECT_EQ(sqlite(sql), "select * from a, c left join b on a.x = b.y where a.id = c.id");
    EXPECT_EQ(postgres(sql), "select * from a cross join c left join b on a.x = b.y where a.id = c.id");
}

TEST(OuterJoins, SubqueriesAreRewrittenInTheirOwnScope) {
    EXPECT_EQ(sqlite("select * from t where t.id in (select a.id from a, b where a.x = b.x(+))"),
              "select * from t where t.id in (select a.id from a left join b on a.x = b.x)");
    EXPECT_EQ(sqlite("select * from (select a.id from a, b where a.x = b.x(+)) d, e where d.id = e.id(+)"),
              "select * from (select a.id from a left join b on a.x = b.x) d left join e on d.id = e.id");
}

TEST(OuterJoins, UsesWithoutALeftJoinFormAreRefused) {
    expectRefusedByBoth("select * from a, b where a.x = b.x(+) or a.y = 1", "joined with OR");
    expectRefusedByBoth("select * from a, b where (a.x = b.x(+) or a.y = 1)", "joined with OR");
    expectRefusedByBoth("select * from a, b where a.x = y(+)", "qualified column");
    expectRefusedByBoth("select * from a, b where a.x = z.x(+)", "\"z\" is not in the FROM list");
    expectRefusedByBoth("select * from a, b where a.x(+) = b.x(+)", "more than one table");
    expectRefusedByBoth("select * from b where b.x(+) = 1", "every table");
    expectRefusedByBoth("select * from a, b, c where a.x = b.x(+) and b.y = c.y(+) and c.z = b.z(+)", "cycle");
    expectRefusedByBoth("select * from a join b on a.id = b.id, c where a.x = c.x(+)", "JOIN syntax");
    expectRefusedByBoth("select * from a, b where b.x(+) = (select max(x) from c)", "subquery");
    expectRefusedByBoth("update a set v = 1 where a.x = b.x(+)", "outside the WHERE clause of a query");
    expectRefusedByBoth("select b.x(+) from a, b", "outside the WHERE clause of a query");
}

TEST(Functions, NvlBecomesCoalesceWithPostgresTypingTheNumberLikeTheOtherArgument) {
    const std::string sql = "select nvl(a.x, 0), NVL(0, a.x), nvl(:p, 0), nvl(y, -1.5), nvl(z, 'n') from a";
    EXPECT_EQ(sqlite(sql),
              "select coalesce(a.x, 0), coalesce(0, a.x), coalesce(?1, 0), coalesce(y, -1.5), coalesce(z, 'n') from a");
    EXPECT_EQ(
        postgres(sql),
        "select coalesce(a.x, '0'), coalesce('0', a.x), coalesce($1, 0), coalesce(y, '-1.5'), coalesce(z, 'n') from a");
    expectRefusedByBoth("select nvl(a, b, c) from t", "nvl needs two arguments");
}

TEST(Functions, DecodeBecomesCaseMatchingNullWithNull) {
    EXPECT_EQ(sqlite("select decode(sign(min(p)), 1, 0, -1, 2, 1) from t"),
              "select case sign(min(p)) when 1 then 0 when -1 then 2 else 1 end from t");
    const std::string sql = "select decode(x, 1, 'a', null, 'b', y, 'c') from t";
    EXPECT_EQ(sqlite(sql), "select case when x = 1 then 'a' when x is null then 'b' when (x is y) then 'c' end from t");
    EXPECT_EQ(
        postgres(sql),
        "select case when x = 1 then 'a' when x is null then 'b' when (x is not distinct from y) then 'c' end from t");
    EXPECT_EQ(sqlite("select decode(a + b, c.d, decode(e, 1, 2), 0) from t"),
              "select case when ((a + b) is c.d) then case e when 1 then 2 end else 0 end from t");
    expectRefusedByBoth("select decode(a, 1) from t", "decode needs at least three arguments");
}

TEST(Functions, NumberCastsRoundAsOracleDoes) {
    const std::string sql =
        "select cast(a as number(10)), cast(b as number(10, 2)), cast(c as number), cast(d as varchar(5)) from t";
    EXPECT_EQ(sqlite(sql),
              "select cast(round(a) as integer), round(b, 2), cast(c as numeric), cast(d as varchar(5)) from t");
    EXPECT_EQ(
        postgres(sql),
        "select cast(a as numeric(10)), cast(b as numeric(10, 2)), cast(c as numeric), cast(d as varchar(5)) from t");
}

TEST(Functions, PackageFunctionsAreSchemaFunctionsOnPostgresAndFlatNamesOnSqlite) {
    const std::string sql = "select pkg.fn(t.a), pkg . fn2 (1), t.col, s.pkg.fn(2), lastStnDate(3) from t";
    EXPECT_EQ(sqlite(sql), "select pkg_fn(t.a), pkg_fn2 (1), t.col, s.pkg.fn(2), lastStnDate(3) from t");
    EXPECT_EQ(postgres(sql), sql);
    const std::string insert = "insert into shop.t (a, b) values (1, 2)";
    EXPECT_EQ(sqlite(insert), insert);
}

TEST(Dual, SelectsFromDualLoseTheirFromClause) {
    EXPECT_EQ(sqlite("select 1 from dual"), "select 1");
    EXPECT_EQ(postgres("select :a x from DUAL d where 1 = 1"), "select $1 x where 1 = 1");
    EXPECT_EQ(sqlite("select 1 from dual, t"), "select 1 from dual, t");
}

TEST(RowLocks, SqliteDropsTheClauseAndAsksForTheWriteLock) {
    const Translation nowait = translate(OracleTexts::lockProduct(7), Engine::SQLite);
    EXPECT_EQ(nowait.sql, "select * from towar where ltowarref = 7");
    EXPECT_EQ(nowait.lock, LockRequest::NoWait);
    const Translation wait = translate("select * from t for update of a wait 5", Engine::SQLite);
    EXPECT_EQ(wait.sql, "select * from t");
    EXPECT_EQ(wait.lock, LockRequest::Wait);
    expectRefused("select * from t for update skip locked", Engine::SQLite, "skip locked");
}

TEST(RowLocks, PostgresLocksTablesNotColumns) {
    const Translation columns = translate(OracleTexts::lockDevices("lUrzadzenieRef=5\n"), Engine::PostgreSQL);
    EXPECT_EQ(columns.sql, "select *\nfrom Urzadzenie\nwhere lUrzadzenieRef=5\nfor update nowait");
    EXPECT_EQ(columns.lock, LockRequest::NoWait);
    EXPECT_EQ(postgres("select * from t, u where t.id = u.id for update of t.a, u.b, t.c nowait"),
              "select * from t, u where t.id = u.id for update of t, u nowait");
    EXPECT_EQ(postgres("select * from t for update"), "select * from t for update");
    EXPECT_EQ(translate("select * from t for update", Engine::PostgreSQL).lock, LockRequest::Wait);
    expectRefused("select * from t for update wait 3", Engine::PostgreSQL, "wait n");
    expectRefusedByBoth("select * from t where id in (select id from u for update)", "for update");
    expectRefusedByBoth("select a from t union select a from u for update", "for update");
}

TEST(Merge, PriceCheckerMergeBecomesAnUpsertOnSqliteAndAPlainMergeOnPostgres) {
    const Translation lite = translate(OracleTexts::priceCheckerMerge(), Engine::SQLite);
    EXPECT_EQ(lite.sql,
              "insert into price_checker_plu as pcp (plu_id, id_on_device) values (?1, ?2) "
              "on conflict (id_on_device) do update set plu_id = ?1");
    EXPECT_EQ(lite.parameterNames, (std::vector<std::string>{"plu_id", "id_on_device"}));
    const Translation pg = translate(OracleTexts::priceCheckerMerge(), Engine::PostgreSQL);
    EXPECT_EQ(pg.sql,
              "merge into price_checker_plu pcp using (select 1) dataset on (pcp.id_on_device = $1) "
              "when matched then update set plu_id = $2 when not matched then insert (plu_id, id_on_device) "
              "values ($2, $1)");
    EXPECT_EQ(pg.parameterNames, (std::vector<std::string>{"id_on_device", "plu_id"}));
}

TEST(Merge, InsertOnlyMergesIgnoreExistingRows) {
    const std::string sql =
        "merge into t using (select :k k, nvl(:v, 0) v from dual) s on (t.k = s.k) "
        "when not matched then insert (t.k, t.v) values (s.k, s.v)";
    EXPECT_EQ(sqlite(sql), "insert into t (k, v) values (?1, coalesce(?2, 0)) on conflict (k) do nothing");
    EXPECT_EQ(postgres(sql),
              "merge into t using (select 1) s on (t.k = $1) when not matched then insert (k, v) "
              "values ($1, coalesce($2, 0))");
}

TEST(Merge, MergesWithoutAnUpsertFormAreRefused) {
    const std::string updateOnly =
        "merge into t using (select 1 k from dual) s on (t.k = s.k) when matched then update set t.v = 2";
    expectRefused(updateOnly, Engine::SQLite, "WHEN NOT MATCHED");
    EXPECT_EQ(postgres(updateOnly), "merge into t using (select 1) s on (t.k = 1) when matched then update set v = 2");
    expectRefusedByBoth("merge into t using u s on (t.k = s.k) when matched then update set t.v = 1", "source");
    expectRefusedByBoth("merge into t using (select k from u) s on (t.k = s.k) when matched then update set t.v = 1",
                        "source");
    expectRefused(
        "merge into t using (select 1 k from dual) s on (t.k > s.k) when not matched then insert (t.k) values (s.k)",
        Engine::SQLite, "equalities");
    expectRefused(
        "merge into t using (select 1 k from dual) s on (t.k = s.k) when not matched then insert (t.k) values (2)",
        Engine::SQLite, "\"k\" the value of its ON condition");
    expectRefusedByBoth(
        "merge into t using (select 1 k from dual) s on (t.k = s.k) when matched then update set t.v = 1 "
        "delete where t.v = 0",
        "WHERE or DELETE");
    expectRefusedByBoth(
        "merge into t using (select 1 k from dual) s on (t.k = s.k) when matched then update set u.v = 1",
        "not a column of the target");
}

TEST(PostgresOnly, SubqueriesInFromGetAnAlias) {
    const std::string sql =
        "select * from (select 1 x from dual), (select 2 y from dual) named, (select 3 z from dual) "
        "where x in (select 1 from dual)";
    EXPECT_EQ(postgres(sql),
              "select * from (select 1 x) unnamed_subquery, (select 2 y) named, (select 3 z) "
              "unnamed_subquery_2 where x in (select 1)");
    EXPECT_EQ(sqlite(sql), "select * from (select 1 x), (select 2 y) named, (select 3 z) where x in (select 1)");
}

// PostgreSQL types set operators pair by pair from the left.
TEST(PostgresOnly, UntypedNullColumnsOfAUnionAreNestedToTakeTheirType) {
    const std::string typedEarly = "select null a from t union select 1 from u union select null from v";
    EXPECT_EQ(postgres(typedEarly), typedEarly);
    const std::string typedLate =
        "select null a, 1 b from t union select null, 2 from u union select 3, null from v order by 1";
    EXPECT_EQ(postgres(typedLate),
              "select null a, 1 b from t union (select null, 2 from u union select 3, null from v) order by 1");
    EXPECT_EQ(sqlite(typedLate), typedLate);
    expectRefused("select null a, 1 b from t union select null, null from u union select 3, null from v",
                  Engine::PostgreSQL, "cast them");
    expectRefused("select null a from t union all select null from u union select 3 from v", Engine::PostgreSQL,
                  "cast them");
}

TEST(PostgresOnly, QuotedNamesReachTheEngineInLowerCase) {
    const std::string sql = "insert into \"Operacje\" (\"sKlucz\", sOpis) values (:k, 'Wysłanie \"PLU\"')";
    EXPECT_EQ(postgres(sql), "insert into \"operacje\" (\"sklucz\", sOpis) values ($1, 'Wysłanie \"PLU\"')");
    EXPECT_EQ(sqlite(sql), "insert into \"Operacje\" (\"sKlucz\", sOpis) values (?1, 'Wysłanie \"PLU\"')");
}

}  // namespace
}  // namespace DBKernel::Dialect
