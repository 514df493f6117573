// One-off texts share compiled statements by shape; each still reads its own rows, locks
// as its text says and is logged as issued. The caches that keep them are bounded.
#include "EngineTest.h"
#include "PreparedStatement.h"
#include "Session.h"
#include "StatementCache.h"
#include "db/StatementLog.h"

using namespace DBKernel::Sql;

class StatementSharingTest : public KernelTest {
protected:
    static constexpr QuerySettings oneOff{.reuseStatement = false};
    std::string nameOf(int id, TSessionHolder on = TSessionHolder(true)) const {
        OpenedQuery q("select name from t where id = " + std::to_string(id), on, oneOff);
        return q ? q["name"].asString() : "<none>";
    }
};
KORVEL_ON_EACH_ENGINE(StatementSharingTest);

TEST_P(StatementSharingTest, TextsOfOneShapeReadTheirOwnRowsAndAreLoggedAsIssued) {
    createSampleTable();
    DBKernel::StatementLog::clear();
    DBKernel::StatementLog::setEnabled(true);
    EXPECT_EQ(nameOf(2), "Masło");
    EXPECT_EQ(nameOf(1), "Chleb żytni");
    EXPECT_EQ(nameOf(9), "<none>");
    EXPECT_EQ(nameOf(2), "Masło");
    DBKernel::StatementLog::setEnabled(false);
    EXPECT_EQ(DBKernel::StatementLog::entries(),
              (std::vector<std::string>{"select name from t where id = 2", "select name from t where id = 1",
                                        "select name from t where id = 9", "select name from t where id = 2"}));
    DBKernel::StatementLog::clear();

    // Two texts of one shape open at once each keep their statement and their rows.
    OpenedQuery first("select id, qty from t where id >= 1 and qty = 10", session(), oneOff);
    OpenedQuery second("select id, qty from t where id >= 2 and qty = 3", session(), oneOff);
    EXPECT_EQ(first["id"].asInt64(), 1);
    EXPECT_EQ(second["id"].asInt64(), 2);
    EXPECT_FALSE(first.next());
    EXPECT_FALSE(second.next());
}

TEST_P(StatementSharingTest, OwnBindsAndLocksKeepTextsOfOneEngineTextApart) {
    createSampleTable();
    {
        PreparedQuery byA("select count(*) as n from t where qty = 10 or id = :a", session(), oneOff);
        byA.Params["a"] = 3;
        byA.execute();
        EXPECT_EQ(byA["n"].asInt64(), 2);
    }
    PreparedQuery byB("select count(*) as n from t where qty = 3 or id = :b", session(), oneOff);
    EXPECT_EQ(oraCodeOf([&] { byB.execute(); }), 1008);  // its own bind, not the other text's
    byB.Params["b"] = 1;
    byB.execute();
    EXPECT_EQ(byB["n"].asInt64(), 2);

    // The same row read plainly and with a lock: the locking one must still conflict.
    TSessionHolder holder(url());
    holder.StartTransaction();
    OpenedQuery("select * from t where id = 1 for update", holder, oneOff);
    TSessionHolder mine(url());
    mine.StartTransaction();
    EXPECT_EQ(nameOf(1, mine), "Chleb żytni");
    EXPECT_EQ(oraCodeOf([&] { OpenedQuery("select * from t where id = 1 for update nowait", mine, oneOff); }), 54);
    EXPECT_EQ(oraCodeOf([&] { OpenedQuery("select * from t where id = 2 for update nowait", mine, oneOff); }),
              onSqlite() ? 54 : 0);  // SQLite locks the database, PostgreSQL the row
    holder.Rollback();
    mine.Rollback();
}

TEST_P(StatementSharingTest, AStatementCacheHoldsAtMostItsCapacityAndAnswersOnlyItsOwnText) {
    if (!onSqlite()) GTEST_SKIP() << "the cache is the same on both engines";
    createSampleTable();
    auto session = DBKernel::Session::open(url(), DBKernel::OpenMode::Existing);
    auto statementFor = [&](const std::string& text) {
        auto translation = std::make_shared<const DBKernel::Dialect::Translation>(
            DBKernel::Dialect::translate(text, DBKernel::Dialect::Engine::SQLite));
        auto engineStatement = session->connection().prepare(*translation);
        return std::make_unique<DBKernel::PreparedStatement>(std::make_shared<const std::string>(text),
                                                             std::move(translation), std::move(engineStatement));
    };
    DBKernel::StatementCache cache(2);
    cache.put(statementFor("select 1 from dual"));
    cache.put(statementFor("select 2 from dual"));
    ASSERT_NE(cache.take("select 1 from dual"), nullptr);  // now the least recently used is "2"
    cache.put(statementFor("select 1 from dual"));
    cache.put(statementFor("select 3 from dual"));
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.take("select 2 from dual"), nullptr);
    EXPECT_EQ(cache.take("select 4 from dual"), nullptr);
    auto three = cache.take("select 3 from dual");
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(three->text(), "select 3 from dual");
    three->execute({});
    EXPECT_EQ(three->value(0).integer, 3);
    EXPECT_EQ(cache.take("select 3 from dual"), nullptr);  // lent out: not answered twice
}
