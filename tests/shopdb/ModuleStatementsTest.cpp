// Statements that subsystems still to come issue, exactly as they will issue them,
// run against a demo shop on each engine: the schema must hold every table, view,
// column and routine they name. (The PLU engine's own statements are run by its tests.)
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
using DBKernel::Sql::PreparedQuery;

constexpr int today = 46000;
const std::string day = std::to_string(today);

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
    std::int64_t execute(const std::string& sql) { return Command(sql, *session_).execute(); }

    std::optional<TSessionHolder> session_;
};

TEST_P(ModuleStatementsTest, PriceCheckerNumbersAndLabelsFindTheirRows) {
    Command merge(
        "\n merge into price_checker_plu pcp \n using\n (\n \tselect\n \t\t:plu_id plu_id\n \t\t, "
        ":id_on_device id_on_device\n \tfrom dual\n ) dataset\n on (pcp.id_on_device = dataset.id_on_device)\n"
        " when matched then\n \tupdate set\n \t\tpcp.plu_id = dataset.plu_id\n when not matched then\n"
        " \tinsert\n \t(\n \t\tpcp.plu_id\n \t\t, pcp.id_on_device\n \t)\n \tvalues\n \t(\n \t\tdataset.plu_id\n"
        " \t\t, dataset.id_on_device\n \t)",
        *session_);
    for (auto [plu, number] : {std::pair{10, 1}, std::pair{11, 2}, std::pair{12, 1}}) {
        merge.Params["plu_id"] = plu;
        merge.Params["id_on_device"] = number;
        merge.execute();
    }
    EXPECT_EQ(12, integerOf(*session_, "select plu_id from price_checker_plu where id_on_device = 1"));
    EXPECT_EQ(3, integerOf(*session_,
                           "select min(nliczba) firstAvailableId from sekwencja s where not exists "
                           "(select 1 from price_checker_plu pcp where s.nliczba = pcp.id_on_device)"));
    EXPECT_EQ(1, rows("\n select min(pcp.id_on_device) id\n from plu p, price_checker_plu pcp\n where p.lPluRef = "
                      "pcp.plu_id\n \tand p.bystatus in (3, 4)"));

    EXPECT_GT(rows("\n SELECT\n plu.lPluRef\n , plu.sPlu\n , plu.byStatus\n , towar.ltowarref\n , towar.sartindex\n , "
                   "towar.sgrindex\n , towar.dCenaSprzed\n , towar.dPrzelicznik\n , towar.sNazwa\n , "
                   "nvl(towar.nJmPrzelicznik, 0) nJmPrzelicznik\n , nvl(towar.nJmSprz, 0) nJmSprz\n , "
                   "warsprz.lPromoRef lPromocjaRef\n, brand.name Marka\n, towar.byElEtyk\n FROM plu, stn, towar, "
                   "warsprz, brand\n WHERE plu.LTOWARREF = stn.LTOWARREF AND stn.data = towar.dLastStnDate\n AND "
                   "towar.DLASTSTNDATE >= " +
                   std::to_string(today - 60) + " /*arg1*/ and towar.DLASTSTNDATE <= " + day +
                   " /*arg2*/\n AND towar.LTOWARREF = plu.LTOWARREF AND towar.BYELETYK = 1\n AND brand.id (+) = "
                   "towar.brandid\n AND warsprz.LTOWARREF(+) = plu.LTOWARREF AND warsprz.DATAOD(+) <= " +
                   day + " /*arg2*/\n AND warsprz.DATADO(+) >= " + day + " /*arg2*/"),
              0);

    execute("insert into tempraporttowar (LTOWARREF) select lPluRef from PLU where lTowarRef <= 50");
    EXPECT_GT(
        rows("\n SELECT plu.lPluRef, s.dStan, nvl(ws.dataOd, -9999999) dSaleDateFrom,\n nvl(ws.dataDo, -9999999) "
             "dSaleDateTo, f.sNazwa, f.sKrNazwa\n FROM stn s,\n (\n select ws.*\n from warsprz ws,\n (\n select "
             "distinct p.ltowarref\n from plu p, tempraporttowar trt\n where p.LPLUREF = trt.LTOWARREF\n ) t\n "
             "where t.LTOWARREF = ws.LTOWARREF\n and " +
             day +
             " between ws.DATAOD and ws.DATADO\n and "
             "ws.LPROMOREF is not null\n ) ws, firma f, towar t, plu, tempraporttowar trt\n WHERE t.lTowarRef = "
             "plu.lTowarRef AND s.lTowarRef(+) = t.lTowarRef\n AND s.data(+) = t.dLastStnDate AND plu.lTowarRef = "
             "ws.lTowarRef(+)\n AND t.lGlownyDostawcaRef = f.lFirmaRef(+)\n AND plu.lPluRef = trt.LTOWARREF"),
        0);
}

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

    PreparedQuery parameter(
        "\n select pu.swartoscparam parameterValue\n from paramurz pu\n where pu.lurzadzenieref = "
        ":deviceId\n and pu.nparamid = :parameterId",
        session);
    parameter.Params["deviceId"] = 900001;
    parameter.Params["parameterId"] = 1;
    parameter.execute();
    ASSERT_TRUE(parameter);
    EXPECT_EQ("1", parameter["parameterValue"].asString());
    EXPECT_EQ(1, rows("select sWartoscParam\nfrom ParamUrz\nwhere lUrzadzenieRef = 900001\n  and nParamId = 1"));

    Command deleteDevice("delete from Urzadzenie\nwhere\n  lUrzadzenieRef=:OLD_lUrzadzenieRef", session);
    deleteDevice.Params["OLD_lUrzadzenieRef"] = 900001;
    EXPECT_EQ(1, deleteDevice.execute());
}

TEST_P(ModuleStatementsTest, SalesVerificationFindsReceiptsAndTotals) {
    EXPECT_EQ(today - 7, integerOf(*session_, "select coalesce(min(pn.data), 0) receipt_date from paragnag pn"));
    EXPECT_EQ(4, rows("\n\tselect\n\t\tsv.receiptcount receipt_count\n\t\t, sv.saleDate sale_date\n\t\t, sv.salevalue "
                      "receipt_value\n\tfrom\n\t\tsaleverification sv\n\twhere\n\t\tsv.cashregisternumber = 1\n\t\tand "
                      "sv.saleDate in (" +
                      std::to_string(today - 1) + ", " + std::to_string(today - 2) + ", " + std::to_string(today - 4) +
                      ", " + std::to_string(today - 5) + ")"));
}

KORVEL_ON_EACH_ENGINE(ModuleStatementsTest);

}  // namespace
}  // namespace ShopDbTest
