#include <set>

#include "EngineTest.h"
#include "db/GetRef.h"
#include "db/Procedure.h"
#include "db/StatementLog.h"

using namespace DBKernel::Sql;

// The same procedure and functions written for each engine: PL/pgSQL-free SQL routines
// on PostgreSQL, rows of korvel_routine on SQLite.
class RoutineTest : public KernelTest {
protected:
    void SetUp() override {
        KernelTest::SetUp();
        exec("create table ppa_log (d double precision, kind integer, product integer, note varchar(20) not null)");
        native(R"(
            create table korvel_routine (name text primary key, kind text not null, parameters text not null,
                                         body text not null);
            insert into korvel_routine values ('PPA.appendPpa', 'procedure', 'par_date, par_kind,par_product, par_note',
                'insert into ppa_log values (:par_date, :par_kind, :par_product, nvl(:par_note, ''-''));
                 insert into ppa_log select d, kind + 100, product, note from ppa_log where product = :PAR_PRODUCT and kind = 0');
            insert into korvel_routine values ('lastStnDate', 'function', 'product',
                'select max(d) from ppa_log where product = :product');
            insert into korvel_routine values ('pkg.twice', 'function', 'x', 'select :x * 2 from dual');)",
               R"(
            create schema ppa;
            create procedure ppa.appendppa(par_date double precision, par_kind bigint, par_product bigint,
                                           par_note varchar) language sql as $$
                insert into ppa_log values (par_date, par_kind, par_product, coalesce(par_note, '-'));
                insert into ppa_log select d, kind + 100, product, note from ppa_log where product = par_product and kind = 0
            $$;
            create function laststndate(product bigint) returns double precision language sql as $$
                select max(d) from ppa_log where ppa_log.product = laststndate.product $$;
            create schema pkg;
            create function pkg.twice(x bigint) returns bigint language sql as $$ select x * 2 $$;)");
    }

    void append(double date, int kind, int product, std::optional<std::string> note) const {
        Procedure call("PPA.appendPpa");
        call.param("par_date", Db::ptInput, Db::ftDateTime) = date;
        call.param("PAR_KIND", Db::ptInput, Db::ftInteger) = kind;
        call.param("par_product", Db::ptInput, Db::ftInteger) = product;
        Param& noteParam = call.param("par_note", Db::ptInput, Db::ftString);
        if (note) noteParam = *note;
        call.execute();
    }
};
KORVEL_ON_EACH_ENGINE(RoutineTest);

TEST_P(RoutineTest, AProcedureRunsByNameWithItsParameters) {
    append(45000.5, 1, 7, "auto");
    append(45001, 2, 7, std::nullopt);  // never assigned: the procedure sees NULL
    OpenedQuery q("select d, kind, product, note from ppa_log order by d");
    EXPECT_DOUBLE_EQ(q["d"].asDouble(), 45000.5);
    EXPECT_EQ(q["kind"].asInt64(), 1);
    EXPECT_EQ(q["note"].asString(), "auto");
    q.next();
    EXPECT_EQ(q["note"].asString(), "-");
    EXPECT_FALSE(q.next());
}

TEST_P(RoutineTest, ParametersTakeTheirDeclaredTypes) {
    Procedure call("ppa.APPENDPPA");
    call.param("par_date", Db::ptInput, Db::ftFloat) = std::string("45000.25");
    call.param("par_kind", Db::ptInput, Db::ftInteger) = 3.0;
    call.param("par_product", Db::ptInput, Db::ftLargeint) = std::string("8");
    call.param("par_note", Db::ptInput, Db::ftString) = 12;
    call.execute();
    OpenedQuery q("select d, kind, product, note from ppa_log");
    EXPECT_DOUBLE_EQ(q["d"].asDouble(), 45000.25);
    EXPECT_EQ(q["kind"].type(), ValueType::Integer);
    EXPECT_EQ(q["product"].asInt64(), 8);
    EXPECT_EQ(q["note"].asString(), "12");
    EXPECT_THROW(call.param("result", Db::ptOutput, Db::ftInteger), Core::PlacedLogicError);
}

TEST_P(RoutineTest, AProcedureIsAllOrNothing) {
    append(1, 0, 9, "first");  // kind 0: the body's second statement copies it
    EXPECT_EQ(scalar("select count(*) from ppa_log"), "2");
    exec("create table blocker (id integer)");
    native(
        "create trigger refuse before insert on ppa_log when new.kind = 100 begin select raise(abort, 'refused'); end;",
        "create function refuse() returns trigger language plpgsql as $$ begin "
        "if new.kind = 100 then raise exception 'refused'; end if; return new; end $$; "
        "create trigger refuse before insert on ppa_log for each row execute function refuse();");
    TSessionHolder s = session();
    s.StartTransaction();
    exec("insert into blocker values (1)");
    EXPECT_NE(oraCodeOf([&] { append(2, 5, 9, "second"); }), 0);  // second statement refused
    s.Commit();
    EXPECT_EQ(scalar("select count(*) from ppa_log where kind = 5"), "0");
    EXPECT_EQ(scalar("select count(*) from blocker"), "1");  // the caller's work stays
}

TEST_P(RoutineTest, UnknownProceduresAndParametersAreError6550) {
    EXPECT_EQ(oraCodeOf([&] { Procedure("NoSuchProc").execute(); }), 6550);
    Procedure call("PPA.appendPpa");
    call.param("par_date", Db::ptInput, Db::ftFloat) = 1.0;
    call.param("par_colour", Db::ptInput, Db::ftString) = "red";
    EXPECT_EQ(oraCodeOf([&] { call.execute(); }), 6550);
}

TEST_P(RoutineTest, StoredFunctionsWorkInsideQueries) {
    append(45000, 1, 7, "a");
    append(45003, 1, 7, "b");
    PreparedQuery q("select lastStnDate(:product) last_date, pkg.twice(:product) doubled from dual");
    q.Params["product"] = 7;
    q.execute();
    EXPECT_DOUBLE_EQ(q["last_date"].asDouble(), 45003);
    EXPECT_EQ(q["doubled"].asInt64(), 14);
    q.Params["product"] = 8;
    q.execute();
    EXPECT_TRUE(q["last_date"].isNull());

    TSessionHolder fresh(false);  // registered when the connection opens
    OpenedQuery again("select pkg.twice(21) v from dual", fresh);
    EXPECT_EQ(again["v"].asInt64(), 42);
}

TEST_P(RoutineTest, ProcedureCallsAreLoggedAsTheirOracleCall) {
    DBKernel::StatementLog::clear();
    DBKernel::StatementLog::setEnabled(true);
    append(1, 1, 1, "x");
    DBKernel::StatementLog::setEnabled(false);
    EXPECT_EQ(DBKernel::StatementLog::entries(),
              std::vector<std::string>{"begin PPA.appendPpa(par_date => :par_date, PAR_KIND => :PAR_KIND, "
                                       "par_product => :par_product, par_note => :par_note); end;"});
    DBKernel::StatementLog::clear();
}

class ReferenceTest : public KernelTest {};
KORVEL_ON_EACH_ENGINE(ReferenceTest);

TEST_P(ReferenceTest, GetRefGivesUniqueValuesAcrossSessions) {
    EXPECT_EQ(oraCodeOf([] { GetRef(); }), 942);
    native("create table korvel_ref (last_value integer not null); insert into korvel_ref values (999);",
           "create sequence korvel_ref_seq start with 1000;");
    TSessionHolder other(false);
    std::set<std::int64_t> references;
    std::int64_t previous = 0;
    for (int i = 0; i < 20; ++i) {
        const std::int64_t reference = GetRef(i % 2 ? other : session());
        EXPECT_GT(reference, previous);
        previous = reference;
        references.insert(reference);
    }
    EXPECT_EQ(references.size(), 20u);
    EXPECT_EQ(*references.begin(), 1000);
    TSessionHolder inTransaction = session();
    inTransaction.StartTransaction();
    EXPECT_GT(GetRef(), previous);
    inTransaction.Rollback();
}
