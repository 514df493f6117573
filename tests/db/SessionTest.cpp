#include <chrono>
#include <filesystem>
#include <thread>

#include "EngineTest.h"

using namespace DBKernel::Sql;

namespace {

// The message of the error opening the URL raises, or "" when it opens.
std::string openingError(const std::string& url, int expectedCode) {
    try {
        TSessionHolder session(url);
    } catch (const Oraerror::EOraError& error) {
        EXPECT_EQ(error.ErrorCode, expectedCode) << error.what();
        return error.what();
    }
    return "";
}

}  // namespace

TEST(SessionUrl, AUrlWithoutAnEngineIsRefusedNamingIt) {
    for (const std::string url : {"mysql://shop", "/var/shop.db", "sqlite:", "shop"}) {
        const std::string message = openingError(url, 12154);
        EXPECT_NE(message.find("\"" + url + "\""), std::string::npos) << message;
    }
}

TEST(SessionUrl, AMissingSqliteFileIsAnErrorAndIsNotCreated) {
    TestSupport::TempDir directory;
    const auto path = directory / "missing.db";
    const std::string message = openingError("sqlite:" + path.string(), 12541);
    EXPECT_NE(message.find("sqlite:" + path.string()), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(path));

    TSessionHolder created("sqlite:" + path.string(), DBKernel::OpenMode::CreateIfMissing);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(created.engine(), Engine::SQLite);
    TSessionHolder reopened("sqlite://" + path.string());
}

TEST(SessionUrl, AFileThatIsNoDatabaseCannotBeOpened) {
    TestSupport::TempDir directory;
    TestSupport::writeFile(directory / "notes.txt", std::string(4096, 'x'));
    EXPECT_NE(openingError("sqlite:" + (directory / "notes.txt").string(), 12541), "");
}

TEST(SessionUrl, AnUnreachableServerIsAnErrorNamingTheUrlWithoutItsPassword) {
    TestSupport::TempDir directory;  // no server listens here
    const std::string url = "postgresql://shop:secret@/shop?host=" + directory.path().string();
    const std::string message = openingError(url, 12541);
    EXPECT_NE(message.find("postgresql://shop:***@/shop?host=" + directory.path().string()), std::string::npos)
        << message;
    EXPECT_EQ(message.find("secret"), std::string::npos);
}

TEST(SessionUrl, OpeningNeverCreatesAPostgresDatabase) {
    auto& cluster = TestSupport::PostgresCluster::instance();
    const std::string url = cluster.url("no_such_shop");
    EXPECT_NE(openingError(url, 12541).find(url), std::string::npos);
    auto existing = cluster.createDatabase();
    TSessionHolder session(existing.url());
    EXPECT_EQ(session.engine(), Engine::PostgreSQL);
    OpenedQuery databases("select count(*) from pg_database where datname = 'no_such_shop'", session);
    EXPECT_EQ(databases.at(0).asInt64(), 0);
    TSessionHolder viaShortScheme("postgres" + existing.url().substr(std::string("postgresql").size()));
}

TEST(SessionUrl, WithoutADefaultSessionAHolderCannotBeMade) {
    DBKernel::resetDefaultSession();
    EXPECT_FALSE(DBKernel::hasDefaultSession());
    EXPECT_THROW(TSessionHolder(true), Core::PlacedLogicError);
}

class SessionTest : public KernelTest {};
KORVEL_ON_EACH_ENGINE(SessionTest);

TEST_P(SessionTest, DefaultHoldersShareOneSessionAndPrivateOnesDoNot) {
    TSessionHolder first(true), second(true), separate(false);
    EXPECT_TRUE(first.sameSession(second));
    EXPECT_FALSE(first.sameSession(separate));
    EXPECT_EQ(separate.url(), url());
    exec("create table t (id integer)");
    first.StartTransaction();
    Command("insert into t values (1)", second).execute();
    EXPECT_TRUE(second.InTransaction());
    EXPECT_FALSE(separate.InTransaction());
    EXPECT_EQ(OpenedQuery("select count(*) from t", separate).at(0).asInt64(), 0);  // not committed yet
    second.Commit();
    EXPECT_FALSE(first.InTransaction());
    EXPECT_EQ(OpenedQuery("select count(*) from t", separate).at(0).asInt64(), 1);
}

TEST_P(SessionTest, RollbackUndoesAndCommitKeeps) {
    exec("create table t (id integer)");
    TSessionHolder s = session();
    s.StartTransaction();
    EXPECT_THROW(s.StartTransaction(), Core::PlacedLogicError);
    exec("insert into t values (1)");
    s.Rollback();
    EXPECT_FALSE(s.InTransaction());
    s.Rollback();  // nothing open: no error
    EXPECT_EQ(scalar("select count(*) from t"), "0");
    s.StartTransaction();
    exec("insert into t values (2)");
    s.Commit();
    s.Commit();
    EXPECT_EQ(scalar("select count(*) from t"), "1");
}

TEST_P(SessionTest, AHolderThatGoesWithAnOpenTransactionRollsItBack) {
    exec("create table t (id integer)");
    {
        TSessionHolder owner(true);
        owner.StartTransaction();
        TSessionHolder copy = owner;
        Command insert("insert into t values (1)", copy);
        insert.execute();
    }  // the holder, its copy and the command go: the transaction is rolled back
    EXPECT_FALSE(session().InTransaction());
    EXPECT_EQ(scalar("select count(*) from t"), "0");

    TSessionHolder owner(true);
    owner.StartTransaction();
    { TSessionHolder bystander(true); }  // another holder of the session does not own it
    EXPECT_TRUE(owner.InTransaction());
    owner.Commit();
}

TEST_P(SessionTest, AFailingStatementUndoesOnlyItselfInsideATransaction) {
    exec("create table t (id integer primary key)");
    TSessionHolder s = session();
    s.StartTransaction();
    exec("insert into t values (1)");
    EXPECT_EQ(oraCodeOf([&] { exec("insert into t values (1)"); }), 1);
    EXPECT_EQ(oraCodeOf([&] { OpenedQuery("select * from no_such_table"); }), 942);
    exec("insert into t values (2)");
    EXPECT_TRUE(s.InTransaction());
    s.Commit();
    EXPECT_EQ(scalar("select count(*) from t"), "2");
}

TEST_P(SessionTest, StatementsOfOneTextShareAPreparationSafely) {
    exec("create table t (id integer)");
    exec("insert into t values (1)");
    exec("insert into t values (2)");
    // Two live queries of the same text must not share one statement.
    OpenedQuery outer("select id from t order by id");
    OpenedQuery inner("select id from t order by id");
    inner.next();
    EXPECT_EQ(outer["id"].asInt64(), 1);
    EXPECT_EQ(inner["id"].asInt64(), 2);
    for (int i = 0; i < 200; ++i) {  // more texts than the cache holds
        OpenedQuery q("select id + " + std::to_string(i) + " v from t where id = 1");
        ASSERT_EQ(q["v"].asInt64(), 1 + i);
    }
    OpenedQuery again("select id from t order by id");
    EXPECT_EQ(again["id"].asInt64(), 1);
}

TEST(SqliteLog, TheLogIsCopiedIntoTheFileWhileTheWriterKeepsItOpen) {
    TestSupport::TempDir directory;
    const auto path = directory / "shop.db";
    {
        TSessionHolder session("sqlite:" + path.string(), DBKernel::OpenMode::CreateIfMissing);
        session.ExecuteNativeScript("create table filler (payload blob)");
        // Twelve commits of about 4 MB: more log than one checkpoint waits for.
        for (int commit = 0; commit < 12; ++commit)
            session.ExecuteNativeScript(
                "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
                "insert into filler select randomblob(4000) from n");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::filesystem::file_size(path) < 30'000'000 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GE(std::filesystem::file_size(path), 30'000'000u) << "the log was not copied into the file";
    }
    EXPECT_FALSE(std::filesystem::exists(path.string() + "-wal")) << "the last connection ends the log";
    TSessionHolder reopened("sqlite:" + path.string());
    DBKernel::Sql::OpenedQuery rows("select count(*) n from filler", reopened);
    EXPECT_EQ(rows["n"].asInt64(), 12000);
}
