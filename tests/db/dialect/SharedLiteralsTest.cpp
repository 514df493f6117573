// Which values of a one-off text become binds, and which never may.
#include <gtest/gtest.h>

#include "SharedLiterals.h"

namespace DBKernel::Dialect {
namespace {

TEST(SharedLiterals, ComparedIntegersAfterWhereBecomeBindsNumberedAfterTheTextsOwn) {
    const auto lock = shareLiterals("select * from towar where ltowarref = 17", 0, Engine::SQLite);
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->sql, "select * from towar where ltowarref = ?1");
    EXPECT_EQ(lock->values, (std::vector<std::int64_t>{17}));

    const auto mixed =
        shareLiterals("update t set q = 5 where id = ?1 and (k=40 or k >= 7) and s <> ?2", 2, Engine::SQLite);
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->sql, "update t set q = 5 where id = ?1 and (k=?3 or k >= ?4) and s <> ?2");
    EXPECT_EQ(mixed->values, (std::vector<std::int64_t>{40, 7}));

    const auto pg = shareLiterals("SELECT a FROM t WHERE b = $1 AND c = 123456789012", 1, Engine::PostgreSQL);
    ASSERT_TRUE(pg);
    EXPECT_EQ(pg->sql, "SELECT a FROM t WHERE b = $1 AND c = $2");
    EXPECT_EQ(pg->values, (std::vector<std::int64_t>{123456789012}));
}

TEST(SharedLiterals, ValuesThatShapeTheResultOrAreNotPlainIntegersStay) {
    for (const char* sql : {
             "select 1, a = 2 from t",                       // no where: the select list names its columns
             "select a = 2 from t where b = ?1 order by 1",  // positions and limits are not compared
             "select a from t where b = ?1 limit 5",
             "select a from t where s = '5' and n = \"x = 5\"",     // inside quotes
             "select a from t where r = 1.5 or r = -3 or r = 2e3",  // not a plain non-negative integer
             "select a from t where r = 12abc", "select a from t where t1.a = t2.b",
             "select a from t where b = ?1 -- and c = 5\n",  // comments
             "select a from t where b = ?1 /* c = 5 */",
             "select a from somewhere_else s where s.x = ?1",  // a word that only contains where
             "select a from t where n = 1234567890123456789",  // too long to be sure of its type
         })
        EXPECT_FALSE(shareLiterals(sql, 1, Engine::SQLite)) << sql;
}

TEST(SharedLiterals, OnlyTheValuesDifferBetweenTextsOfOneShape) {
    const auto first = shareLiterals("select x from t where a = 1 and b = 'q''s = 3'", 0, Engine::SQLite);
    const auto second = shareLiterals("select x from t where a = 22 and b = 'q''s = 3'", 0, Engine::SQLite);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->sql, second->sql);
    EXPECT_EQ(first->sql, "select x from t where a = ?1 and b = 'q''s = 3'");
    EXPECT_NE(first->values, second->values);
}

}  // namespace
}  // namespace DBKernel::Dialect
