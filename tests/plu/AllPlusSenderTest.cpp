// Sending every valid PLU at once, whatever the transmission flags say.
#include "TransmissionDatabase.h"
#include "db/StatementLog.h"
#include "plu/AllPlusSender.h"

namespace PluTest {
namespace {

class AllPlusSenderTest : public TransmissionDatabaseTest {};

TEST_P(AllPlusSenderTest, SendsUnblockedPricedPlusAndDeletionsThenResetsTheFlags) {
    addProduct(Product(1, "Chleb", 3.5));
    addProduct(Product(2, "Bez ceny", std::nullopt));
    addProduct(Product(3, "Cena zero", 0.0));
    addPlu(11, 1, "5901234123457", 2);
    addPlu(12, 1, "2000000000015", 1);
    addPlu(13, 1, "2000000000022", 2, 1);  // blocked
    addPlu(21, 2, "2000000000039", 2);     // no price: left out
    addPlu(22, 2, "2000000000046", 3);     // a deletion goes without a price
    addPlu(31, 3, "2000000000053", 1);     // a price of 0: left out
    addPlu(32, 3, "2000000000060", 4);     // already deleted, sent again
    exec("update Towar set bySendNat = 1 where lTowarRef = 1");
    takeStatements();

    Core::ThreadUserIo::NullProgressIndicator progress;
    EXPECT_EQ(Devices::AllPlusSender(session()).send(progress), 4);

    auto codes = sentPluCodes();
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<std::string>{"2000000000015", "2000000000046", "2000000000060", "5901234123457"}));
    const auto statements = takeStatements();
    EXPECT_NE(std::find(statements.begin(), statements.end(), Devices::AllPlusSender::query(false)), statements.end());
    EXPECT_TRUE(std::any_of(statements.begin(), statements.end(),
                            [](const std::string& s) { return s.find("ResetPluTransmissionFlags") != std::string::npos; }));
    EXPECT_EQ(integerOf("select count(*) from Operacje where sKlucz = 'NWYSLANIEWSZYSTKICHPLU'"), 1);
}

}  // namespace
PLU_ON_EACH_ENGINE(AllPlusSenderTest);
}  // namespace PluTest
