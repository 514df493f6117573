// A product held by another session while the PLU engine runs: its row counts as a
// transaction error, the rest is sent, and a later run sends it. On PostgreSQL the other
// session holds the product's row; on SQLite, which has no row locks, the write lock.
#include "TransmissionDatabase.h"
#include "db/Query.h"
#include "plu/PLUTransmissionContainer.h"

namespace PluTest {
namespace {

class LockConflictTest : public TransmissionDatabaseTest {
protected:
    void SetUp() override {
        TransmissionDatabaseTest::SetUp();
        for (int id : {1, 2, 3}) {
            addProduct(Product(id, std::string(1, static_cast<char>('A' + id - 1)) + "-towar", 2.5 + id).sendingNow());
            addPlu(10 + id, id, "590123400000" + std::to_string(id), 2);
        }
    }
    // One run of the engine; `beforeRows` is called once the dataset is open (on SQLite
    // a held write lock would stop the marking itself), `afterFirstRow` after the first row.
    PluTransmission::PluCounters transmit(const std::function<void()>& beforeRows = {},
                                          const std::function<void()>& afterFirstRow = {}) {
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(static_cast<float>(kDay));
        if (beforeRows) beforeRows();
        bool first = true;
        engine.SetupTickMethod([&] {
            if (first && afterFirstRow) afterFirstRow();
            first = false;
        });
        Core::ThreadUserIo::NullProgressIndicator progress;
        std::string status;
        EXPECT_TRUE(engine.ProcessDataSet(status, progress)) << status;
        return engine.counters();
    }
};

TEST_P(LockConflictTest, HeldProductIsCountedTheRestIsSentAndALaterRunSendsIt) {
    TSessionHolder other(session().url());
    auto hold = [&] {
        other.StartTransaction();
        DBKernel::Sql::OpenedQuery("select * from towar where ltowarref = 1 for update nowait", other);
    };
    const auto first = transmit(hold, [&] { other.Rollback(); });  // the holder lets go after the first row
    EXPECT_EQ(first.processed, 3u);
    EXPECT_EQ(first.transactionErrors, 1u);
    EXPECT_EQ(first.sent, 2u);
    EXPECT_EQ(integerOf("select byStatus from PLU where lPluRef = 11"), 1);  // still waiting
    EXPECT_EQ(integerOf("select bySendNat from Towar where lTowarRef = 1"), 1);
    EXPECT_EQ(integerOf("select count(*) from PLU where byStatus = 2 and lPluRef in (12, 13)"), 2);

    const auto second = transmit();
    EXPECT_EQ(second.sent, 1u);
    EXPECT_EQ(second.transactionErrors, 0u);
    EXPECT_EQ(integerOf("select byStatus from PLU where lPluRef = 11"), 2);
    EXPECT_EQ(integerOf("select bySendNat from Towar where lTowarRef = 1"), 0);
    EXPECT_EQ(sentPluCodes(), (std::vector<std::string>{"5901234000002", "5901234000003", "5901234000001"}));
}

}  // namespace
PLU_ON_EACH_ENGINE(LockConflictTest);
}  // namespace PluTest
