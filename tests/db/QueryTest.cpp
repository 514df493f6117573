#include <sstream>

#include "EngineTest.h"
#include "db/StatementLog.h"

using namespace DBKernel::Sql;

class QueryTest : public KernelTest {};
KORVEL_ON_EACH_ENGINE(QueryTest);

TEST_P(QueryTest, FieldsReadTypedAndNullsReadAsNeutralValues) {
    createSampleTable();
    OpenedQuery q("select id, name, price, ratio, qty from t order by id");
    ASSERT_TRUE(q);
    EXPECT_EQ(q["ID"].type(), ValueType::Integer);
    EXPECT_EQ(q["id"].asInt64(), 1);
    EXPECT_EQ(q["Name"].asString(), "Chleb żytni");
    EXPECT_DOUBLE_EQ(q["price"].asDouble(), 4.5);
    EXPECT_EQ(q["price"].asString(), "4.5");
    EXPECT_EQ(q["price"].asQuantity(), Core::Quantity::fromUnits(4500));
    EXPECT_EQ(q["ratio"].type(), ValueType::Double);
    EXPECT_EQ(q["ratio"].asString(), "0.25");
    EXPECT_EQ(q["qty"].asString(), "10");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q["price"].asInt64(), 8);  // 7.99 rounds
    EXPECT_FALSE(q["name"].isNull());
    ASSERT_TRUE(q.next());
    for (const char* column : {"name", "price", "ratio", "qty"}) {
        EXPECT_TRUE(q[column].isNull()) << column;
        EXPECT_TRUE(q[column].empty()) << column;
    }
    EXPECT_EQ(q["name"].asString(), "");
    EXPECT_EQ(q["price"].asDouble(), 0.0);
    EXPECT_EQ(q["qty"].asInt64(), 0);
    EXPECT_FALSE(q.next());
    EXPECT_FALSE(q);
    EXPECT_FALSE(q.empty());
}

TEST_P(QueryTest, AggregatesStayNumeric) {
    createSampleTable();
    OpenedQuery q("select count(*) n, sum(qty) total, max(id) top, sum(price) amount, avg(ratio) mean from t");
    EXPECT_EQ(q["n"].type(), ValueType::Integer);
    EXPECT_EQ(q["n"].asString(), "3");
    EXPECT_EQ(q["total"].type(), ValueType::Integer);
    EXPECT_EQ(q["total"].asInt64(), 13);
    EXPECT_EQ(q["top"].asInt64(), 3);
    EXPECT_EQ(q["amount"].type(), ValueType::Double);
    EXPECT_EQ(q["amount"].asString(), "12.49");
    EXPECT_DOUBLE_EQ(q["mean"].asDouble(), 0.875);
}

TEST_P(QueryTest, NumbersAndTextsConvertLikeAnOracleClient) {
    exec("create table n (code varchar(10), amount numeric(12,3))");
    exec("insert into n values ('0042', 12.000)");
    exec("insert into n values ('x1', 2.5)");
    OpenedQuery q("select code, amount from n order by code");
    EXPECT_EQ(q["code"].asInt64(), 42);
    EXPECT_DOUBLE_EQ(q["code"].asDouble(), 42.0);
    EXPECT_EQ(q["amount"].asInt(), 12);
    EXPECT_EQ(q["amount"].asString(), "12");
    q.next();
    EXPECT_EQ(q["amount"].asInt64(), 3);  // half away from zero
    EXPECT_EQ(oraCodeOf([&] { q["code"].asInt64(); }), 1722);
}

TEST_P(QueryTest, ColumnsAndRowsAreCheckedByName) {
    createSampleTable();
    OpenedQuery q("select id from t where id = 99");
    EXPECT_TRUE(q.empty());
    EXPECT_FALSE(q);
    EXPECT_THROW(q["id"].asInt64(), Core::PlacedLogicError);  // no current row
    EXPECT_THROW(q["nosuch"], Core::PlacedLogicError);
}

TEST_P(QueryTest, ColumnsReadInAnyOrderAndSpellingFindTheRightValue) {
    createSampleTable();
    OpenedQuery q("select id, qty, name from t where id < 3 order by id");
    std::string column = "id";
    EXPECT_EQ(q[column].asInt64(), 1);
    column = "qty";  // the same buffer, another name
    EXPECT_EQ(q[column].asInt64(), 10);
    q.next();
    EXPECT_EQ(q["QTY"].asInt64(), 3);  // other order, other spelling
    EXPECT_EQ(q["Id"].asInt64(), 2);
    EXPECT_EQ(q["name"].asString(), "Masło");
    EXPECT_EQ(q["id"].asInt64(), 2);
}

TEST_P(QueryTest, BindsAreByNameCaseInsensitiveAndRepeatable) {
    createSampleTable();
    PreparedQuery q("select count(*) n from t where id >= :Low and id <= :low + :SPAN and name = :name");
    q.Params["LOW"] = 1;
    q.Params["span"] = std::int64_t{1};
    q.Params["NAME"] = std::string("Masło");
    q.execute();
    EXPECT_EQ(q["n"].asInt64(), 1);
    q.Params["name"] = "Chleb żytni";  // the other binds keep their values
    q.execute();
    EXPECT_EQ(q["n"].asInt64(), 1);
    q.Params["low"] = 2;
    q.execute();
    EXPECT_EQ(q["n"].asInt64(), 0);
    EXPECT_THROW(q.Params["unknown"], Core::PlacedLogicError);
}

TEST_P(QueryTest, AParameterNeverAssignedIsAnError) {
    createSampleTable();
    PreparedQuery q("select id from t where id = :id and qty = :qty");
    q.Params["id"] = 1;
    EXPECT_EQ(oraCodeOf([&] { q.execute(); }), 1008);
}

TEST_P(QueryTest, NullBindsStoreNulls) {
    exec("create table b (id integer, n integer, s varchar(10), d double precision)");
    Command insert("insert into b (id, n, s, d) values (:id, :n, :s, :d)");
    insert.Params["id"] = 1;
    insert.Params["n"] = std::optional<int>();
    insert.Params["s"] = std::string();  // an empty text is NULL, as on Oracle
    insert.Params["d"] = std::optional<double>();
    EXPECT_EQ(insert.execute(), 1);
    insert.Params["id"] = 2;
    insert.Params["n"] = std::optional<int>(-7);
    insert.Params["s"] = "x";
    insert.Params["d"] = 2.5f;
    insert.execute();
    insert.Params["id"] = 3;
    insert.Params["n"].clear();
    insert.execute();

    PreparedQuery q("select n, s, d from b where id = :id");
    q.Params["id"] = 1;
    q.execute();
    EXPECT_TRUE(q["n"].isNull());
    EXPECT_TRUE(q["s"].isNull());
    EXPECT_TRUE(q["d"].isNull());
    q.Params["id"] = 2;
    q.execute();
    EXPECT_EQ(q["n"].asInt64(), -7);
    EXPECT_EQ(q["s"].asString(), "x");
    EXPECT_DOUBLE_EQ(q["d"].asDouble(), 2.5);
    q.Params["id"] = 3;
    q.execute();
    EXPECT_TRUE(q["n"].isNull());
    EXPECT_EQ(scalar("select count(*) from b where n is null"), "2");
}

TEST_P(QueryTest, BoundNumbersKeepTheirTypeInTheSelectList) {
    PreparedQuery q("select :whole whole, :fraction fraction, :text text from dual");
    q.Params["whole"] = 5;
    q.Params["fraction"] = 0.5;
    q.Params["text"] = "abc";
    q.execute();
    EXPECT_EQ(q["whole"].type(), ValueType::Integer);
    EXPECT_EQ(q["fraction"].type(), ValueType::Double);
    EXPECT_EQ(q["text"].asString(), "abc");
}

TEST_P(QueryTest, OpenedQueryWalksReopensAndTakesAStream) {
    createSampleTable();
    std::ostringstream sql;
    sql << "select id from t where id <= " << 2 << " order by id";
    OpenedQuery q(sql);
    std::vector<std::int64_t> ids;
    for (; q; q.next()) ids.push_back(q["id"].asInt64());
    EXPECT_EQ(ids, (std::vector<std::int64_t>{1, 2}));
    q.reopen("select name from t where id = 2");
    EXPECT_EQ(q["name"].asString(), "Masło");
    EXPECT_EQ(q.columnCount(), 1);
    EXPECT_THROW(q["id"], Core::PlacedLogicError);
}

TEST_P(QueryTest, PreparedQueryReloadsAndMovesToAnotherSession) {
    createSampleTable();
    PreparedQuery q("select name from t where id = :id");
    q.Params["id"] = 1;
    q.execute();
    EXPECT_EQ(q["name"].asString(), "Chleb żytni");
    q.reload("select qty from t where id = :ref");
    EXPECT_THROW(q.Params["id"], Core::PlacedLogicError);
    q.Params["ref"] = 2;
    q.execute();
    EXPECT_EQ(q["qty"].asInt64(), 3);

    TSessionHolder other(false);
    other.StartTransaction();
    Command("update t set qty = 99 where id = 2", other).execute();
    q.reset(other);  // sees the other session's uncommitted change
    q.Params["ref"] = 2;
    q.execute();
    EXPECT_EQ(q["qty"].asInt64(), 99);
    other.Rollback();
}

TEST_P(QueryTest, CommandsReportRowsAffected) {
    createSampleTable();
    Command update("update t set qty = qty + 1 where id <= :upTo");
    update.Params["upTo"] = 2;
    EXPECT_EQ(update.execute(), 2);
    EXPECT_EQ(update.rowsAffected(), 2);
    update.Params["upTo"] = 0;
    EXPECT_EQ(update.execute(), 0);
    EXPECT_EQ(exec("delete from t where id = 3"), 1);
    EXPECT_EQ(scalar("select sum(qty) from t"), "15");
}

TEST_P(QueryTest, TheStatementLogHoldsTheTextsAsIssued) {
    createSampleTable();
    DBKernel::StatementLog::clear();
    DBKernel::StatementLog::setEnabled(true);
    PreparedQuery q("select nvl(name, '-') from t where id = :id");
    q.Params["id"] = 3;
    q.execute();
    q.execute();
    OpenedQuery("select 1 from dual");
    DBKernel::StatementLog::setEnabled(false);
    exec("delete from t");
    EXPECT_EQ(DBKernel::StatementLog::entries(),
              (std::vector<std::string>{"select nvl(name, '-') from t where id = :id",
                                        "select nvl(name, '-') from t where id = :id", "select 1 from dual"}));
    EXPECT_EQ(q.at(0).asString(), "-");
    DBKernel::StatementLog::clear();
    EXPECT_TRUE(DBKernel::StatementLog::entries().empty());
}

TEST_P(QueryTest, EngineErrorsCarryOracleNumbers) {
    createSampleTable();
    exec("create table u (id integer primary key, name varchar(10) not null)");
    EXPECT_EQ(oraCodeOf([&] { exec("insert into t (id) values (1)"); }), 1);
    EXPECT_EQ(oraCodeOf([&] { exec("insert into u (id) values (1)"); }), 1400);
    EXPECT_EQ(oraCodeOf([&] { OpenedQuery("select * from no_such_table"); }), 942);
    EXPECT_EQ(oraCodeOf([&] { OpenedQuery("select no_such_column from t"); }), 904);
    try {
        exec("insert into t (id) values (2)");
        FAIL();
    } catch (const Oraerror::EOraError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("ORA-00001: ", 0), 0u) << error.what();
        EXPECT_FALSE(error.engineMessage().empty());
    }
}
