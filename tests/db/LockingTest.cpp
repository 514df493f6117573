#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "EngineTest.h"

using namespace DBKernel::Sql;

// Another session holds the row (PostgreSQL) or the database's write lock (SQLite, which
// has no row locks); "for update nowait" must fail at once with 54 and leave the
// caller's transaction usable, as the PLU engine counts the row and goes on.
class LockingTest : public KernelTest {
protected:
    void SetUp() override {
        KernelTest::SetUp();
        exec("create table t (id integer primary key, name varchar(10))");
        exec("insert into t values (1, 'a')");
        exec("insert into t values (2, 'b')");
    }
    void holdRowOne(TSessionHolder& other) const {
        other.StartTransaction();
        OpenedQuery("select * from t where id = 1 for update", other);
    }
    static constexpr const char* lockRowOne = "select * from t where id = 1 for update nowait";

    // Whether a backend of this database is seen waiting for a lock within a few seconds
    // (PostgreSQL only). Each look is a transaction of its own: the server keeps one view
    // of the activity for the length of a transaction.
    static bool waitingForALock() {
        TSessionHolder observer(false);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            OpenedQuery waiting(
                "select count(*) as waiting from pg_stat_activity where wait_event_type = 'Lock' "
                "and datname = current_database()",
                observer);
            if (waiting["waiting"].asInt64() > 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
};
KORVEL_ON_EACH_ENGINE(LockingTest);

TEST_P(LockingTest, ARowHeldElsewhereFailsAtOnceWith54) {
    TSessionHolder other(false);
    holdRowOne(other);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(oraCodeOf([&] { OpenedQuery q(lockRowOne); }), 54);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));  // no waiting for the lock
    other.Commit();
    OpenedQuery locked(lockRowOne);
    EXPECT_EQ(locked["name"].asString(), "a");
}

TEST_P(LockingTest, WithoutNowaitTheLockIsWaitedFor) {
    TSessionHolder other(false);
    holdRowOne(other);
    std::promise<void> asking;
    std::atomic<bool> done = false;
    std::string read;
    std::thread waiter([&] {
        TSessionHolder own(url());  // database objects stay on the thread that made them
        asking.set_value();
        OpenedQuery q("select name from t where id = 1 for update", own);
        read = q["name"].asString();
        done = true;
    });
    asking.get_future().wait();
    if (onSqlite()) {
        // Nothing shows an SQLite session waiting for the write lock: give it the time to
        // ask; a waiter that did not wait would be done by then.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    } else {
        EXPECT_TRUE(waitingForALock()) << "the waiter never waited for the row";
    }
    EXPECT_FALSE(done) << "the waiter got the row while another session held it";
    Command("update t set name = 'z' where id = 1", other).execute();
    other.Commit();
    waiter.join();
    EXPECT_EQ(read, "z");
}

TEST_P(LockingTest, TheCallersTransactionGoesOnAfterALockConflict) {
    TSessionHolder other(false);
    TSessionHolder mine = session();
    if (onSqlite()) {
        holdRowOne(other);  // SQLite has no row locks: the other session holds the write lock
        mine.StartTransaction();
        EXPECT_EQ(oraCodeOf([&] { OpenedQuery q(lockRowOne); }), 54);
        other.Rollback();
        OpenedQuery again(lockRowOne);  // the same transaction takes it once it is free
        exec("update t set name = 'x' where id = 2");
        mine.Commit();
    } else {
        holdRowOne(other);
        mine.StartTransaction();
        exec("update t set name = 'x' where id = 2");
        EXPECT_EQ(oraCodeOf([&] { OpenedQuery q(lockRowOne); }), 54);
        OpenedQuery rowTwo("select * from t where id = 2 for update nowait");  // another row is free
        EXPECT_EQ(rowTwo["name"].asString(), "x");
        mine.Commit();
        other.Rollback();
    }
    EXPECT_EQ(scalar("select name from t where id = 2"), "x");
}

TEST_P(LockingTest, AHeldLockDoesNotStopReaders) {
    TSessionHolder other(false);
    holdRowOne(other);
    EXPECT_EQ(scalar("select name from t where id = 1"), "a");
    other.Rollback();
}

// SQLite has one write lock per database: any write waits for nobody and fails at once,
// and the transaction it was in goes on.
TEST(SqliteLocking, WritesFailAtOnceWhileAnotherSessionHoldsTheWriteLock) {
    TestSupport::TempDir directory;
    const std::string url = "sqlite:" + (directory / "shop.db").string();
    TSessionHolder mine(url, DBKernel::OpenMode::CreateIfMissing);
    Command("create table t (id integer, name varchar(10))", mine).execute();
    Command("insert into t values (2, 'b')", mine).execute();
    TSessionHolder other(url);
    other.StartTransaction();
    OpenedQuery("select * from t where id = 2 for update nowait", other);  // takes the write lock
    EXPECT_EQ(oraCodeOf([&] { Command("update t set name = 'y' where id = 2", mine).execute(); }), 54);
    mine.StartTransaction();  // starting one takes no lock yet
    EXPECT_EQ(oraCodeOf([&] { Command("update t set name = 'y' where id = 2", mine).execute(); }), 54);
    EXPECT_TRUE(mine.InTransaction());
    other.Rollback();
    EXPECT_EQ(Command("update t set name = 'y' where id = 2", mine).execute(), 1);
    mine.Commit();
}
