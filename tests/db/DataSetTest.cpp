#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "EngineTest.h"
#include "db/DataSet.h"

using namespace DBKernel::Sql;

class DataSetTest : public KernelTest {
protected:
    void SetUp() override {
        KernelTest::SetUp();
        exec("create table p (ref integer primary key, device integer, value varchar(20), status integer)");
        exec("insert into p values (1, 7, 'a', 1)");
        exec("insert into p values (2, 7, 'b', 3)");
        exec("insert into p values (3, 8, 'c', 1)");
    }

    // Parameters of device 7, with a calculated description, written back by update statements.
    void open(Db::TDataSet& ds) const {
        ds.SetSQL("select ref, device, value, status from p where device = :device order by ref");
        ds.ParamByName("DEVICE") = 7;
        ds.AddField("value", Db::ftString);
        ds.AddField("sStatus", Db::ftString, Db::fkCalculated);
        ds.AddField("ref", Db::ftInteger);
        ds.OnCalcFields = [](Db::TDataSet* data) {
            data->FieldByName("sStatus") = data->FieldByName("status").AsInteger() == 3 ? "Do usunięcia" : "Nowy";
        };
        ds.SetUpdateSQL(Db::ukModify, "update p set value = :value, status = :status where ref = :OLD_ref");
        ds.SetUpdateSQL(Db::ukInsert,
                        "insert into p (ref, device, value, status) values (:ref, :device, :value, :status)");
        ds.SetUpdateSQL(Db::ukDelete, "delete from p where ref = :old_ref");
        ds.Open();
    }

    std::string stored() const {
        std::string rows;
        for (OpenedQuery q("select ref, value, status from p order by ref"); q; q.next())
            rows += q["ref"].asString() + q["value"].asString() + q["status"].asString() + " ";
        return rows;
    }
};
KORVEL_ON_EACH_ENGINE(DataSetTest);

TEST_P(DataSetTest, RowsFieldsAndCalculatedFields) {
    Db::TDataSet ds(session());
    open(ds);
    EXPECT_EQ(ds.RecordCount(), 2);
    ASSERT_EQ(ds.FieldCount(), 5);  // declared first, then the query's other columns
    EXPECT_EQ(ds.Fields(0).FieldName(), "value");
    EXPECT_EQ(ds.Fields(1).FieldKind(), Db::fkCalculated);
    std::vector<std::string> seen;
    for (ds.First(); !ds.Eof(); ds.Next())
        seen.push_back(ds.FieldByName("REF").AsString() + ds.FieldByName("value").AsString() +
                       ds.FieldByName("sstatus").AsString());
    EXPECT_EQ(seen, (std::vector<std::string>{"1aNowy", "2bDo usunięcia"}));
    EXPECT_EQ(ds.RecNo(), 2);  // stays on the last row at the end
    EXPECT_THROW(ds.FieldByName("nosuch"), Core::PlacedLogicError);
    EXPECT_THROW(ds.FieldByName("value") = "x", Core::PlacedLogicError);  // not in edit mode
    ds.Close();
    EXPECT_FALSE(ds.Active());
    ds.ParamByName("device") = 8;
    ds.Open();
    EXPECT_EQ(ds.RecordCount(), 1);
}

TEST_P(DataSetTest, CachedEditsAreWrittenByApplyUpdates) {
    Db::TDataSet ds(session());
    open(ds);
    ds.Edit();
    ds.FieldByName("value") = "A";
    ds.FieldByName("status") = 3;
    ds.Post();
    EXPECT_EQ(ds.FieldByName("sStatus").AsString(), "Do usunięcia");  // recalculated
    EXPECT_EQ(ds.FieldByName("value").OldValue(), Value::text("a"));
    ds.Next();
    ds.Delete();
    ds.Append();
    ds.FieldByName("ref") = 4;
    ds.FieldByName("device") = 7;
    ds.FieldByName("value") = "d";
    ds.FieldByName("status") = 1;
    ds.Post();
    EXPECT_TRUE(ds.UpdatesPending());
    EXPECT_EQ(stored(), "1a1 2b3 3c1 ");  // nothing written yet
    ds.ApplyUpdates();
    EXPECT_FALSE(ds.UpdatesPending());
    EXPECT_EQ(stored(), "1A3 3c1 4d1 ");
    EXPECT_FALSE(session().InTransaction());
}

TEST_P(DataSetTest, CancelUpdatesRestoresTheRowsAsRead) {
    Db::TDataSet ds(session());
    open(ds);
    ds.Edit();
    ds.FieldByName("value") = "changed";
    ds.Post();
    ds.Delete();
    ds.Insert();
    ds.FieldByName("ref") = 9;
    ds.Post();
    ds.CancelUpdates();
    EXPECT_FALSE(ds.UpdatesPending());
    std::string rows;
    for (ds.First(); !ds.Eof(); ds.Next()) rows += ds.FieldByName("value").AsString();
    EXPECT_EQ(rows, "ab");
    ds.ApplyUpdates();
    EXPECT_EQ(stored(), "1a1 2b3 3c1 ");
}

TEST_P(DataSetTest, OldValuesAreThoseReadOrLastAppliedWhateverTheEditsBetween) {
    Db::TDataSet ds(session());
    open(ds);
    ds.SetUpdateSQL(Db::ukModify, "update p set value = :value where ref = :old_ref and value = :old_value");
    for (const char* value : {"x", "y"}) {
        ds.Edit();
        ds.FieldByName("value") = value;
        ds.Post();
    }
    EXPECT_EQ(ds.FieldByName("value").OldValue(), Value::text("a"));
    ds.ApplyUpdates();  // finds the row by the value read
    EXPECT_EQ(stored(), "1y1 2b3 3c1 ");
    EXPECT_EQ(ds.FieldByName("value").OldValue(), Value::text("y"));

    ds.Edit();
    ds.FieldByName("value") = "z";
    ds.Post();
    ds.CancelUpdates();  // back to what was applied, not to what was first read
    EXPECT_EQ(ds.FieldByName("value").AsString(), "y");
    ds.Edit();
    ds.FieldByName("value") = "w";
    ds.Post();
    ds.ApplyUpdates();  // finds the row by the value applied
    EXPECT_EQ(stored(), "1w1 2b3 3c1 ");
}

TEST_P(DataSetTest, ARowChangedByAnotherUserStopsTheWholeApply) {
    Db::TDataSet ds(session());
    open(ds);
    ds.Edit();
    ds.FieldByName("value") = "mine";
    ds.Post();
    ds.Next();
    ds.Edit();
    ds.FieldByName("value") = "also mine";
    ds.Post();
    exec("update p set ref = 20 where ref = 2");  // someone else renumbers the second row
    EXPECT_THROW(ds.ApplyUpdates(), Core::PlacedRuntimeError);
    EXPECT_TRUE(ds.UpdatesPending());
    EXPECT_EQ(scalar("select value from p where ref = 1"), "a");  // rolled back with the rest
}

TEST_P(DataSetTest, OnUpdateRecordWritesInsteadOfTheStatements) {
    Db::TDataSet ds(session());
    open(ds);
    std::vector<std::string> applied;
    ds.OnUpdateRecord = [&](Db::TDataSet& data, Db::TUpdateKind kind) {
        applied.push_back(std::to_string(kind) + data.FieldByName("ref").AsString() +
                          data.FieldByName("value").AsString());
        Command update("update p set status = 5 where ref = :ref");
        update.Params["ref"] = data.FieldByName("ref").AsLargeInt();
        update.execute();
    };
    ds.Edit();
    ds.FieldByName("value") = "z";
    ds.Post();
    ds.ApplyUpdates();
    EXPECT_EQ(applied, std::vector<std::string>{"01z"});
    EXPECT_EQ(stored(), "1a5 2b3 3c1 ");
}

TEST_P(DataSetTest, WithoutCachedUpdatesEachPostAndDeleteIsWrittenAtOnce) {
    Db::TDataSet ds(session());
    ds.SetCachedUpdates(false);
    open(ds);
    ds.Edit();
    ds.FieldByName("status") = 2;
    ds.Post();
    EXPECT_EQ(stored(), "1a2 2b3 3c1 ");
    ds.Last();
    ds.Delete();
    EXPECT_EQ(stored(), "1a2 3c1 ");
    EXPECT_FALSE(ds.UpdatesPending());
    EXPECT_EQ(ds.RecordCount(), 1);
}

TEST_P(DataSetTest, ExecSqlRunsACommandWithParameters) {
    Db::TDataSet ds;
    session().AssignSession(ds);
    ds.SetSQL("update p set status = :status where device = :device");
    ds.ParamByName("status") = 2;
    ds.ParamByName("device") = 7;
    ds.ExecSQL();
    EXPECT_EQ(ds.RowsAffected(), 2);
    EXPECT_EQ(stored(), "1a2 2b2 3c1 ");
}

TEST_P(DataSetTest, ACalculationThatFailsLeavesTheStateItInterrupted) {
    Db::TDataSet ds(session());
    open(ds);
    ds.OnCalcFields = [](Db::TDataSet*) { throw std::runtime_error("no description"); };
    ds.Edit();
    ds.FieldByName("value") = "x";
    EXPECT_THROW(ds.Post(), std::runtime_error);
    EXPECT_EQ(ds.State(), Db::dsEdit);
    EXPECT_THROW(ds.FieldByName("sStatus") = "x", Core::PlacedLogicError);  // no longer calculating
}

TEST_P(DataSetTest, ApplyingInsideTheCallersTransactionLeavesTheCommitToIt) {
    TSessionHolder holder = session();
    Db::TDataSet ds(holder);
    open(ds);
    ds.Edit();
    ds.FieldByName("value") = "x";
    ds.Post();
    holder.StartTransaction();
    ds.ApplyUpdates();
    EXPECT_TRUE(holder.InTransaction());
    holder.Rollback();
    EXPECT_EQ(stored(), "1a1 2b3 3c1 ");
}

// Rows are kept packed: every kind of value comes back as read, whichever row was read
// before, and a row longer than a block of rows has one of its own.
TEST_P(DataSetTest, EveryKindOfValueComesBackAsReadWhateverTheRowReadBefore) {
    exec("create table v (id integer primary key, i bigint, d double precision, s varchar(400000))");
    std::string longText;
    while (longText.size() < 300000) longText += "zażółć gęślą jaźń ";
    using Limits = std::numeric_limits<std::int64_t>;
    const std::vector<std::vector<Value>> rows = {
        {Value::integer(Limits::min()), Value::real(0.1), Value::text("")},
        {Value::integer(Limits::max()), Value::real(-1e300), Value::text(longText)},
        {Value::integer(-1), Value::real(2.5e-10), Value::null(ValueType::Text)},
        {Value::null(ValueType::Integer), Value::null(ValueType::Double), Value::text("Łódź")}};
    const char* const names[] = {"i", "d", "s"};
    Command insert("insert into v values (:id, :i, :d, :s)");
    for (std::size_t id = 0; id < rows.size(); ++id) {
        insert.Params["id"] = id;
        for (int field = 0; field < 3; ++field) insert.Params[names[field]] = rows[id][field];
        insert.execute();
    }
    Db::TDataSet ds(session());
    ds.SetSQL("select i, d, s from v order by id");
    for (const Db::TFieldType type : {Db::ftLargeint, Db::ftFloat, Db::ftString})
        ds.AddField(names[ds.FieldCount()], type);
    ds.Open();
    for (std::size_t id : {1, 0, 3, 1, 2, 3}) {
        ds.First();
        for (std::size_t i = 0; i < id; ++i) ds.Next();
        for (int field = 0; field < 3; ++field) {
            const Value& read = ds.Fields(field).value();
            EXPECT_EQ(read, rows[id][field]) << id << field << " " << read.view().asString();
            EXPECT_EQ(read.bindType(), rows[id][field].bindType()) << id << field;  // a NULL keeps its type
            EXPECT_EQ(ds.Fields(field).OldValue(), read);
        }
    }
}

// Enough rows for several blocks of rows: each keeps its own values, as read, as edited
// and as calculated, through edits, deletes, cancels and applies.
TEST_P(DataSetTest, ManyEditedRowsKeepTheirValuesAsReadAndAsEdited) {
    native(
        "insert into p with recursive n(i) as (select 10 union all select i + 1 from n where i < 1509) "
        "select i, 9, printf('%0200d', i), 1 from n",
        "alter table p alter column value type varchar(200); insert into p "
        "select i, 9, lpad(i::text, 200, '0'), 1 from generate_series(10, 1509) i");
    Db::TDataSet ds(session());
    open(ds);  // its calculated field, then the rows of device 9
    ds.OnCalcFields = [](Db::TDataSet* data) {
        const std::string value = data->FieldByName("value").AsString();
        data->FieldByName("sStatus") = value.substr(value.size() - 4);
    };
    ds.SetUpdateSQL(Db::ukModify, "update p set value = :value where ref = :OLD_ref and value = :OLD_value");
    ds.ParamByName("device") = 9;
    ds.Open();
    const auto asRead = [](int ref) {
        return std::string(200 - std::to_string(ref).size(), '0') + std::to_string(ref);
    };
    for (ds.First(); !ds.Eof(); ds.Next()) {
        if (ds.FieldByName("ref").AsInteger() % 3 != 0) continue;
        ds.Edit();
        ds.FieldByName("value") = "edited " + ds.FieldByName("ref").AsString();
        ds.Post();
    }
    ds.First();
    ds.Delete();  // ref 10
    for (ds.Last(); !ds.Bof(); ds.Prior()) {
        const int ref = ds.FieldByName("ref").AsInteger();
        const std::string value = ref % 3 == 0 ? "edited " + std::to_string(ref) : asRead(ref);
        const Value& current = ds.FieldByName("value").value();
        const Value& old = ds.FieldByName("value").OldValue();  // both at once, as the engine compares them
        ASSERT_EQ(current, Value::text(value)) << ref;
        ASSERT_EQ(old, Value::text(asRead(ref))) << ref;
        ASSERT_EQ(ds.FieldByName("sStatus").AsString(), value.substr(value.size() - 4)) << ref;
    }
    ds.CancelUpdates();
    ASSERT_EQ(ds.RecordCount(), 1500);
    for (int ref = 10; !ds.Eof(); ds.Next(), ++ref)
        ASSERT_EQ(ds.FieldByName("sStatus").AsString() + ds.FieldByName("value").AsString(),
                  asRead(ref).substr(196) + asRead(ref));
    ds.Edit();
    ds.FieldByName("value") = "applied";
    ds.Post();
    ds.First();
    ds.Delete();
    ds.ApplyUpdates();  // finds the edited row by its value as read
    EXPECT_EQ(scalar("select count(*) from p where device = 9"), "1499");
    EXPECT_EQ(scalar("select value from p where ref = 1509"), "applied");
    ds.Last();
    EXPECT_EQ(ds.FieldByName("value").OldValue(), Value::text("applied"));
    EXPECT_EQ(ds.FieldByName("sStatus").AsString(), "lied");
}
