// Statements of the device configuration, exactly as it will issue them, run against a
// demo shop on each engine: the schema must hold every table and column they name.
// (Statements of the subsystems already built are run by those subsystems' tests.)
#include <gtest/gtest.h>

#include <string>

#include "EngineTest.h"
#include "db/Command.h"
#include "db/Query.h"
#include "shopdb/DemoShop.h"

namespace ShopDbTest {
namespace {

using DBKernel::Sql::Command;
using DBKernel::Sql::OpenedQuery;

constexpr int today = 46000;

class ModuleStatementsTest : public ShopEngineTest {
protected:
    void SetUp() override {
        session_ = shopDatabase();
        ShopDb::DemoShop({.products = 400, .seed = 2, .today = today}).generate(*session_);
    }

    // Runs a query and returns its row count.
    int rows(const std::string& sql) {
        int count = 0;
        for (OpenedQuery query(sql, *session_); query; query.next()) ++count;
        return count;
    }

    std::optional<TSessionHolder> session_;
};

TEST_P(ModuleStatementsTest, DeviceConfigurationReadsLocksAndEdits) {
    EXPECT_GT(
        rows("select\n  nNrTypuUrz,\n  -1 nNrSekcji,\n  -1 nNrKolvenia,\n  -1 lUrzadzenieRef,\n  -1 nLiczbaSekcji\n"
             "from Urzadzenie\n\nunion\n\nselect\n  nNrTypuUrz,\n  nNrSekcji,\n  -1 nNrKolvenia,\n  -1 "
             "lUrzadzenieRef,\n  (select count(distinct nNrSekcji)\n   from Urzadzenie u2\n   where "
             "u2.nNrTypuUrz=u.nNrTypuUrz) nLiczbaSekcji\nfrom Urzadzenie u\n\nunion\n\nselect\n  nNrTypuUrz,\n  "
             "nNrSekcji,\n  nNrKolvenia,\n  lUrzadzenieRef,\n  -1 nLiczbaSekcji\nfrom Urzadzenie\norder by "
             "nNrTypuUrz, nNrSekcji, nNrKolvenia"),
        10);
    TSessionHolder& session = *session_;
    session.StartTransaction();
    EXPECT_EQ(2, rows("select *\nfrom Urzadzenie\nwhere nNrTypuUrz=1 and nNrSekcji=1\n"
                      "for update of bWlaczone, bDostepne, bRozszerzonaTransmisja nowait"));
    EXPECT_GT(rows("select *\nfrom ParamUrz p\nwhere lUrzadzenieRef in\n(select lUrzadzenieRef\nfrom Urzadzenie\nwhere "
                   "nNrTypuUrz=1 and nNrSekcji=1\n)order by nParamId\nfor update of sWartoscParam nowait\n"),
              0);
    EXPECT_EQ(1, rows("\nselect 1 from urzadzenie u\nwhere\n  u.nNrTypuUrz = 0\n  and u.nNrSekcji = 0\n  and "
                      "u.nNrKolvenia = 2\n  and u.lUrzadzenieRef <> 1"));

    Command insertDevice(
        "insert into Urzadzenie\n  (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia,\n   "
        "bWlaczone, bDostepne, bRozszerzonaTransmisja)\nvalues\n  (:lUrzadzenieRef, :nNrTypuUrz, "
        ":nNrSekcji, :nNrKolvenia,\n   :bWlaczone, :bDostepne, :bRozszerzonaTransmisja)",
        session);
    insertDevice.Params["lUrzadzenieRef"] = 900001;
    insertDevice.Params["nNrTypuUrz"] = 0;
    insertDevice.Params["nNrSekcji"] = 0;
    insertDevice.Params["nNrKolvenia"] = 5;
    insertDevice.Params["bWlaczone"] = 1;
    insertDevice.Params["bDostepne"] = 1;
    insertDevice.Params["bRozszerzonaTransmisja"] = 0;
    insertDevice.execute();
    Command insertParameter(
        "insert into ParamUrz\n  (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam)\nvalues\n"
        "  (:lParamUrzRef, :lUrzadzenieRef, :nParamId, :sWartoscParam)",
        session);
    insertParameter.Params["lParamUrzRef"] = 900002;
    insertParameter.Params["lUrzadzenieRef"] = 900001;
    insertParameter.Params["nParamId"] = 1;
    insertParameter.Params["sWartoscParam"] = "0";
    insertParameter.execute();
    Command updateParameter(
        "update ParamUrz\nset\n  sWartoscParam=:sWartoscParam\nwhere\n  lParamUrzRef=:OLD_lParamUrzRef", session);
    updateParameter.Params["sWartoscParam"] = "1";
    updateParameter.Params["OLD_lParamUrzRef"] = 900002;
    EXPECT_EQ(1, updateParameter.execute());
    session.Commit();

    EXPECT_EQ(1, rows("select sWartoscParam\nfrom ParamUrz\nwhere lUrzadzenieRef = 900001\n  and nParamId = 1"));

    Command deleteDevice("delete from Urzadzenie\nwhere\n  lUrzadzenieRef=:OLD_lUrzadzenieRef", session);
    deleteDevice.Params["OLD_lUrzadzenieRef"] = 900001;
    EXPECT_EQ(1, deleteDevice.execute());
}

KORVEL_ON_EACH_ENGINE(ModuleStatementsTest);

}  // namespace
}  // namespace ShopDbTest
