// The PLU sender over rows of the real dataset: what the cash registers and the
// external senders get for each kind of row, and that nothing is delivered before the
// package ends.
#include "Transmission.h"
#include "plu/PluSender.h"

namespace PluTx {
namespace {

using PluSenderTest = Transmission;

TEST_P(PluSenderTest, RowsReachEveryRouteAndTheFilesAppearAtThePackageEnd) {
    addCashRegister(3);
    addCashRegister(1);
    addCashRegister(2, false);
    addProduct(Product(1, "Chleb", 3.49));
    addPlu(11, 1, "5900000000015", 1);
    addProduct(Product(2, "Herbata", 7.2));
    addPlu(21, 2, "5900000000016", 1);  // wrong check digit: marked, sent all the same
    addProduct(Product(3, "Kawa", 20.0));
    addPlu(31, 3, "5900000000039", 2, 1);
    addProduct(Product(4, "Mleko", 2.89));
    addPlu(41, 4, "5900000000046", 3);
    addProduct(Product(5, "Ser", 9.99));
    addPlu(51, 5, "2600120123481", 1);  // carries 12.34
    addProduct(Product(6, "Woda", 1.99).withoutVat());
    addPlu(61, 6, "5900000000060", 1);

    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(today());
    ASSERT_EQ(engine.getRecordCount(), 6);
    auto sender = engine.createPluSender();
    Texts wrongCodes, errors;
    Db::TDataSet& rows = engine.getMainQuery();
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const std::string code = rows.FieldByName("sPLU").AsString();
        try {
            sender->SendRecordPLU();
        } catch (const std::exception& e) {
            errors.push_back(code + ": " + e.what());
        }
        if (sender->isWrongPlu()) wrongCodes.push_back(code);
    }
    EXPECT_EQ(errors, Texts{"5900000000060: Towar nie posiada przypisanej stawki VAT."});
    EXPECT_EQ(wrongCodes, Texts{"5900000000016"});
    EXPECT_TRUE(files().empty()) << "delivered before the package end";

    sender->endPackage();
    // No product set was handed: no composition file; the bundle list goes every time.
    EXPECT_EQ(files(), (Texts{fileName('P', 1, 1), fileName('Z', 1, 3)}));
    EXPECT_EQ(cashRegistersOf(fileName('P', 1, 1)), (std::vector<int>{1, 3}));
    // The blocked code gets no record; the deletion is a removal; the price-carrying
    // code's own price wins over the product's.
    EXPECT_EQ(plusIn(fileName('P', 1, 1)),
              (Texts{"5900000000015 1 3.49", "5900000000016 1 7.20", "5900000000046 3 2.89", "2600120123481 1 12.34"}));
    // The external senders get every row that got past the cash registers.
    EXPECT_EQ(takeJournal(), (Texts{"init", "beginSending " + std::to_string(today()), "sendTowar 5900000000015",
                                    "sendTowar 5900000000016", "sendTowar 5900000000039", "sendTowar 5900000000046",
                                    "sendTowar 2600120123481", "endSending"}));
}

KORVEL_ON_EACH_ENGINE(PluSenderTest);

}  // namespace
}  // namespace PluTx
