// The send-PLU window's behaviour over a real shop: the flag commands write the PLU and
// product rows the operator selected (or the current one) and nothing else, and a send
// without installed cash registers refuses before anything changes.
#include <algorithm>

#include "PluDatabase.h"
#include "db/SessionHolder.h"
#include "plu/PluCounters.h"
#include "plu/SendPluForm.h"

namespace PluTest {
namespace {

class SendPluFormTest : public PluDatabaseTest {
protected:
    // Three codes due today: an immediate product, a blocked PLU of an ordinary product
    // and a blocked PLU to be deleted.
    void SetUp() override {
        PluDatabaseTest::SetUp();
        addProduct(Product(1, "Chleb", 3.49).sendingNow());
        addPlu(11, 1, "5900000000015", 2);
        addProduct(Product(2, "Masło", 7.99));
        addPlu(21, 2, "5900000000022", 2, 1);
        addProduct(Product(3, "Mleko", 2.89));
        addPlu(31, 3, "5900000000039", 3, 1);
        // The host's device collections read the shop through its default session.
        DBKernel::setDefaultSession(databaseUrl());
    }
    void TearDown() override {
        DBKernel::resetDefaultSession();
        PluDatabaseTest::TearDown();
    }

    // The row of a PLU code in the window.
    static int rowOf(TSendPluForm& form, const std::string& code) {
        Db::TDataSet& rows = form.rows();
        int row = 0;
        for (rows.First(); !rows.Eof(); rows.Next(), ++row)
            if (rows.FieldByName("sPLU").AsString() == code) return row;
        ADD_FAILURE() << code << " is not in the window";
        return -1;
    }

    int plu(int pluRef, const char* column) {
        return integerOf(std::string("select ") + column + " from PLU where lPluRef = " + std::to_string(pluRef));
    }
    int product(int productId, const char* column) {
        return integerOf(std::string("select ") + column +
                         " from Towar where lTowarRef = " + std::to_string(productId));
    }
};

TEST_P(SendPluFormTest, UnblockingMakesAPluNewAgainUnlessItIsToBeDeleted) {
    TSendPluForm form(session(), kDay);
    const int statusOfTheOther = plu(11, "byStatus");  // the opening marked it new
    form.setSelected({rowOf(form, "5900000000022"), rowOf(form, "5900000000039")});
    form.block(false);
    EXPECT_EQ(plu(21, "byBlokada"), 0);
    EXPECT_EQ(plu(21, "byStatus"), 1);
    EXPECT_EQ(plu(31, "byBlokada"), 0);
    EXPECT_EQ(plu(31, "byStatus"), 3);
    EXPECT_EQ(plu(11, "byStatus"), statusOfTheOther);  // not selected: untouched
    EXPECT_TRUE(form.selected().empty());

    form.setSelected({rowOf(form, "5900000000015")});
    form.block(true);
    EXPECT_EQ(plu(11, "byBlokada"), 1);
    EXPECT_EQ(plu(11, "byStatus"), statusOfTheOther);  // blocking leaves the state
}

TEST_P(SendPluFormTest, ARemovedImmediateMarkBecomesAnEveningMark) {
    TSendPluForm form(session(), kDay);
    form.setSelected({rowOf(form, "5900000000015"), rowOf(form, "5900000000022")});
    form.sendImmediately(false);
    EXPECT_EQ(product(1, "bySendNat"), 0);
    EXPECT_EQ(product(1, "bySendWiecz"), 1);
    EXPECT_EQ(product(2, "bySendNat"), 0);
    EXPECT_EQ(product(2, "bySendWiecz"), 0);  // was not immediate: no evening mark either

    form.setSelected({rowOf(form, "5900000000022")});
    form.sendImmediately(true);
    EXPECT_EQ(product(2, "bySendNat"), 1);
    form.setSelected({rowOf(form, "5900000000039")});
    form.sendInTheEvening();
    EXPECT_EQ(product(3, "bySendWiecz"), 1);
    EXPECT_EQ(product(3, "bySendNat"), 0);
}

KORVEL_ON_EACH_ENGINE(SendPluFormTest);

TEST(OperationSummary, ListsTheNotSentCountersOnlyWhenAnyIsAboveZero) {
    PluTransmission::PluCounters counters;
    counters.processed = 4;
    counters.sent = 4;
    EXPECT_EQ(PluTransmission::operationSummary(counters),
              "Podsumowanie operacji:\n\n   Przetworzono rekordów: 4\n   Wysłano do urządzeń: 4\n");
    counters.transactionErrors = 1;
    EXPECT_EQ(PluTransmission::operationSummary(counters),
              "Podsumowanie operacji:\n\n   Przetworzono rekordów: 4\n   Wysłano do urządzeń: 4\n"
              "   Nie wysłano ze względu na flagi lub brak ceny: 0\n"
              "   Nie wysłano ze względu na błędne przypisania cen z warunków: 0\n"
              "   Nie wysłano ze względu na błędy transakcji: 1\n");
}

}  // namespace
}  // namespace PluTest
