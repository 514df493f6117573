// The numbering of PLUs on the Elzab RS price checkers, on each engine: what the table
// holds after each allocation rule, what is answered from memory, and that numbers are
// written in the caller's transaction.
#include <algorithm>

#include "PriceCheckerSetup.h"
#include "db/StatementLog.h"
#include "pricechecker/PriceCheckerPluNumberGetter.h"
#include "support/ErrorOf.h"
#include "support/ShopRows.h"

namespace PriceCheckerTest {
namespace {

using Devices::PriceChecker::PriceCheckerPluNumberGetter;
using Rows = std::vector<std::string>;

class PluNumberingTest : public ShopDatabase {
protected:
    void SetUp() override {
        ShopDatabase::SetUp();
        DBKernel::StatementLog::setEnabled(true);
    }
    void TearDown() override {
        DBKernel::StatementLog::setEnabled(false);
        DBKernel::StatementLog::clear();
        ShopDatabase::TearDown();
    }

    void withMaximum(int maximum) {
        Settings settings;
        settings.maximumNumber = maximum;
        configure(settings, directories);
    }
    void number(int pluRef, int number, int status = 2) {
        TestSupport::addPlu(session(), pluRef, 1, std::to_string(5900000000000 + pluRef), status);
        exec("insert into price_checker_plu (plu_id, id_on_device) values (" + std::to_string(pluRef) + ", " +
             std::to_string(number) + ")");
    }
    Rows table() { return rows("select id_on_device, plu_id from price_checker_plu order by id_on_device"); }
    static long statements(const std::string& part) {
        const auto log = DBKernel::StatementLog::entries();
        return std::count_if(log.begin(), log.end(),
                             [&](const std::string& s) { return s.find(part) != std::string::npos; });
    }
};

TEST_P(PluNumberingTest, NumbersStartAtOneAndAKnownPluIsAnsweredFromMemory) {
    withMaximum(3);
    PriceCheckerPluNumberGetter numbers(session());
    EXPECT_EQ(numbers.getNumber(101), 1);
    EXPECT_EQ(numbers.getNumber(102), 2);
    EXPECT_EQ(numbers.getNumber(103), 3);
    EXPECT_EQ(table(), (Rows{"1 101", "2 102", "3 103"}));

    DBKernel::StatementLog::clear();
    EXPECT_EQ(numbers.getNumber(101), 1);
    EXPECT_EQ(numbers.getNumber(103), 3);
    EXPECT_TRUE(DBKernel::StatementLog::entries().empty());

    // A new getter (the next transmission) knows them from the table.
    PriceCheckerPluNumberGetter next(session());
    EXPECT_EQ(next.getNumber(102), 2);
    EXPECT_EQ(statements("merge into"), 0);
}

TEST_P(PluNumberingTest, PastTheMaximumTheSmallestGapIsFilledFirst) {
    withMaximum(5);
    number(11, 1);
    number(12, 2);
    number(15, 5);
    PriceCheckerPluNumberGetter numbers(session());
    DBKernel::StatementLog::clear();
    EXPECT_EQ(numbers.getNumber(20), 3);  // the counter gave 6: past 5
    EXPECT_EQ(numbers.getNumber(21), 4);
    EXPECT_EQ(statements("firstAvailableId"), 2);
    EXPECT_EQ(table(), (Rows{"1 11", "2 12", "3 20", "4 21", "5 15"}));
}

TEST_P(PluNumberingTest, WithEveryNumberTakenAPluBeingRemovedGivesUpItsNumber) {
    withMaximum(3);
    number(11, 1);
    number(12, 2, 3);  // to be deleted
    number(13, 3, 4);  // deleted
    PriceCheckerPluNumberGetter numbers(session());
    EXPECT_EQ(numbers.getNumber(20), 2);  // the smallest such number first
    EXPECT_EQ(numbers.getNumber(21), 3);
    EXPECT_EQ(table(), (Rows{"1 11", "2 20", "3 21"}));

    // The old PLU lost its number: asked again it needs a new one, and none is left.
    DBKernel::StatementLog::clear();
    EXPECT_EQ(numbers.getNumber(12), std::nullopt);
    EXPECT_EQ(statements("merge into"), 0);
    EXPECT_EQ(table(), (Rows{"1 11", "2 20", "3 21"}));
}

TEST_P(PluNumberingTest, EveryStatementIsIssuedAsTheShopDatabaseExpectsIt) {
    withMaximum(2);
    number(11, 1, 4);
    DBKernel::StatementLog::clear();
    PriceCheckerPluNumberGetter numbers(session());
    EXPECT_EQ(numbers.getNumber(20), 2);  // by the counter
    EXPECT_EQ(numbers.getNumber(21), 1);  // past it: no free number, the deleted PLU's
    const std::string merge =
        "\n merge into price_checker_plu pcp \n using\n (\n \tselect\n \t\t:plu_id plu_id\n \t\t, :id_on_device "
        "id_on_device\n \tfrom dual\n ) dataset\n on (pcp.id_on_device = dataset.id_on_device)\n when matched "
        "then\n \tupdate set\n \t\tpcp.plu_id = dataset.plu_id\n when not matched then\n \tinsert\n \t(\n "
        "\t\tpcp.plu_id\n \t\t, pcp.id_on_device\n \t)\n \tvalues\n \t(\n \t\tdataset.plu_id\n \t\t, "
        "dataset.id_on_device\n \t)";
    EXPECT_EQ(
        DBKernel::StatementLog::entries(),
        (Rows{"select plu_id, id_on_device from price_checker_plu", merge,
              "select min(nliczba) firstAvailableId from sekwencja s where not exists (select 1 from price_checker_plu "
              "pcp where s.nliczba = pcp.id_on_device)",
              "\n select min(pcp.id_on_device) id\n from plu p, price_checker_plu pcp\n where p.lPluRef = pcp.plu_id\n "
              "\tand p.bystatus in (3, 4)",
              merge}));
    EXPECT_EQ(table(), (Rows{"1 21", "2 20"}));
}

TEST_P(PluNumberingTest, ExhaustedNumberingAnswersNoneAndWritesNothing) {
    withMaximum(2);
    number(11, 1);
    number(12, 2);
    exec("delete from sekwencja where nLiczba > 2");  // no free number even past the range
    PriceCheckerPluNumberGetter numbers(session());
    EXPECT_EQ(numbers.getNumber(20), std::nullopt);
    EXPECT_EQ(numbers.getNumber(21), std::nullopt);
    EXPECT_EQ(table(), (Rows{"1 11", "2 12"}));
}

TEST_P(PluNumberingTest, NumbersAreWrittenInTheCallersTransaction) {
    withMaximum(10);
    number(11, 1);
    session().StartTransaction();
    {
        PriceCheckerPluNumberGetter numbers(session());
        EXPECT_EQ(numbers.getNumber(20), 2);
        EXPECT_EQ(numbers.getNumber(21), 3);
    }
    session().Rollback();
    EXPECT_EQ(table(), Rows{"1 11"});

    PriceCheckerPluNumberGetter again(session());
    EXPECT_EQ(again.getNumber(21), 2);
    EXPECT_EQ(table(), (Rows{"1 11", "2 21"}));
}

TEST_P(PluNumberingTest, AMissingMaximumIsAConfigurationError) {
    Settings settings;
    settings.maximumNumber.reset();
    configure(settings, directories);
    const std::string error =
        TestSupport::errorOf<std::logic_error>([&] { PriceCheckerPluNumberGetter numbers(session()); });
    EXPECT_NE(error.find("Maksymalna liczba PLU"), std::string::npos) << error;
}

KORVEL_ON_EACH_ENGINE(PluNumberingTest);

}  // namespace
}  // namespace PriceCheckerTest
