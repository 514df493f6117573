// A product held by another session while the PLU engine runs: its row counts as a
// transaction error, the rest is sent, and a later run sends it. On PostgreSQL the other
// session holds the product's row; on SQLite, which has no row locks, the write lock,
// taken once the dataset is open (held before, it would stop the marking itself).
#include <algorithm>

#include "Transmission.h"
#include "db/Query.h"

namespace PluTx {
namespace {

class LockConflictTest : public Transmission {
protected:
    void SetUp() override {
        Transmission::SetUp();
        configure({.packageSize = 1});
        addCashRegister(1);
        for (int id : {1, 2, 3}) {
            addProduct(Product(id, std::string(1, static_cast<char>('A' + id - 1)) + "-towar", 2.5 + id).sendingNow());
            addPlu(10 + id, id, "590123400000" + std::to_string(id), 2);
        }
    }

    // One run; `beforeRows` once the dataset is open, `afterFirstRow` after the first row.
    PluTransmission::PluCounters transmit(const std::function<void()>& beforeRows = {},
                                          const std::function<void()>& afterFirstRow = {}) {
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(static_cast<float>(today()));
        if (beforeRows) beforeRows();
        bool first = true;
        engine.SetupTickMethod([&] {
            if (first && afterFirstRow) afterFirstRow();
            first = false;
        });
        const Run run = process(engine);
        EXPECT_TRUE(run.done) << run.status;
        return engine.counters();
    }

    // The codes of the PLU files that are not among `earlier`, sorted.
    Texts codesInFilesBesides(const Texts& earlier) const {
        Texts codes;
        for (const auto& name : files('P')) {
            if (std::find(earlier.begin(), earlier.end(), name) != earlier.end()) continue;
            for (const auto& record : plusIn(name)) codes.push_back(record.substr(0, record.find(' ')));
        }
        std::sort(codes.begin(), codes.end());
        return codes;
    }
};

TEST_P(LockConflictTest, HeldProductIsCountedTheRestIsSentAndALaterRunSendsIt) {
    TSessionHolder other(false);
    auto hold = [&] {
        other.StartTransaction();
        DBKernel::Sql::OpenedQuery("select * from towar where ltowarref = 1 for update nowait", other);
    };
    const auto first = transmit(hold, [&] { other.Rollback(); });  // the holder lets go after the first row
    EXPECT_EQ(first.processed, 3u);
    EXPECT_EQ(first.transactionErrors, 1u);
    EXPECT_EQ(first.sent, 2u);
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"), (Texts{"11 1", "12 2", "13 2"}));
    EXPECT_EQ(integerOf("select bySendNat from Towar where lTowarRef = 1"), 1);
    const Texts firstFiles = files('P');
    EXPECT_EQ(codesInFilesBesides({}), (Texts{"5901234000002", "5901234000003"}));

    const auto second = transmit();
    EXPECT_EQ(second.sent, 1u);
    EXPECT_EQ(second.transactionErrors, 0u);
    EXPECT_EQ(integerOf("select byStatus from PLU where lPluRef = 11"), 2);
    EXPECT_EQ(integerOf("select bySendNat from Towar where lTowarRef = 1"), 0);
    EXPECT_EQ(codesInFilesBesides(firstFiles), Texts{"5901234000001"});
}

}  // namespace
KORVEL_ON_EACH_ENGINE(LockConflictTest);
}  // namespace PluTx
