// The calculated fields of the PLU rows: the price each row is sent with and the
// texts the operator sees.
#include <boost/format.hpp>

#include "PluDatabase.h"
#include "plu/PLUTransmissionContainer.h"

namespace PluTest {
namespace {

class CalcFieldsTest : public PluDatabaseTest {
protected:
    // The values the calculation reads, for one row made without the shop's tables.
    struct Row {
        std::string plu = "5900000000015";
        int origins = TPLUTransmissionContainer::FromPLU;
        std::string conditionPrice = "null";
        std::string productPrice = "1.5";
        std::string sendNow = "0";
        std::string sendEvening = "0";
        int status = 1;
        std::string blocked = "0";
    };

    void SetUp() override {
        PluDatabaseTest::SetUp();
        engine_.emplace(ETransKindName::Immediate, session());
        rows_.emplace(session());
        for (const char* name : {"sCenaSprzed", "sStatus", "sWyslij", "sFlaga", "sBlokada"})
            rows_->AddField(name, Db::ftString, Db::fkCalculated);
        rows_->AddField("dCenaSprzed", Db::ftFloat, Db::fkCalculated);
        rows_->OnCalcFields = [this](Db::TDataSet* dataSet) { engine_->QueryCalcFields(dataSet); };
    }

    // (Re)opens the dataset over the row; the engine's event calculates it.
    void calculate(const Row& row) {
        rows_->SetSQL((boost::format("select '%1%' as sPLU, %2% as byFlaga, cast(%3% as number) as dCenaSprzedWar, "
                                     "cast(%4% as number) as dCenaSprzedTowar, %5% as bySendNat, %6% as bySendWiecz, "
                                     "%7% as byStatus, %8% as byBlokada from dual") %
                       row.plu % row.origins % row.conditionPrice % row.productPrice % row.sendNow % row.sendEvening %
                       row.status % row.blocked)
                          .str());
        rows_->Open();
    }
    std::string text(const char* name) {
        const Db::TField& field = rows_->FieldByName(name);
        return field.IsNull() ? "<null>" : field.AsString();
    }

    std::optional<TPLUTransmissionContainer> engine_;
    std::optional<Db::TDataSet> rows_;
};

TEST_P(CalcFieldsTest, PriceComesFromTheCodeTheConditionOrTheProduct) {
    const struct {
        const char* code;
        int origins;
        const char* conditionPrice;
        const char* productPrice;
        const char* text;
        const char* price;
    } cases[] = {
        {"2600120123429", 6, "7", "99", "12.34", "<null>"},      // the code carries 012.34
        {"5900000000015", 2, "1", "3.456", "3.46", "3.456"},     // no condition origin: the product's
        {"2712345", 2, "null", "3.456", "3.46", "3.456"},        // a weight code carries no price
        {"2600120123420", 2, "null", "3.456", "3.46", "3.456"},  // not a code: wrong check digit
        {"abc", 2, "null", "3.456", "3.46", "3.456"},
        {"5900000000015", 4, "2.5", "9", "2.50", "2.5"},  // from a condition: the condition's
        {"5900000000015", 2, "null", "null", "brak!", "<null>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " " + std::to_string(c.origins));
        Row row;
        row.plu = c.code;
        row.origins = c.origins;
        row.conditionPrice = c.conditionPrice;
        row.productPrice = c.productPrice;
        calculate(row);
        EXPECT_EQ(text("sCenaSprzed"), c.text);
        EXPECT_EQ(text("dCenaSprzed"), c.price);
    }
}

TEST_P(CalcFieldsTest, DisplayTexts) {
    const struct {
        int origins;
        const char* sendNow;
        const char* sendEvening;
        int status;
        const char* blocked;
        const char* originText;
        const char* sendText;
        const char* statusText;
        const char* blockText;
    } cases[] = {
        {1, "1", "1", 1, "1", " T ", "Nat/Wiecz", "Nowy", "tak"},
        {2, "1", "0", 2, "0", "  P", "Natychmiast", "Zwykły", "nie"},
        {4, "0", "1", 3, "null", "W  ", "Wieczorem", "Do usunięcia", "nie"},
        {3, "0", "0", 4, "2", " TP", "Natychmiast*", "<null>", "nie"},
        {6, "2", "null", 1, "0", "W P", "Natychmiast*", "Nowy", "nie"},  // a flag counts only when it is 1
        {7, "null", "1", 1, "0", "WTP", "Wieczorem", "Nowy", "nie"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.origins);
        Row row;
        row.origins = c.origins;
        row.conditionPrice = "1";
        row.sendNow = c.sendNow;
        row.sendEvening = c.sendEvening;
        row.status = c.status;
        row.blocked = c.blocked;
        calculate(row);
        EXPECT_EQ(text("sFlaga"), c.originText);
        EXPECT_EQ(text("sWyslij"), c.sendText);
        EXPECT_EQ(text("sStatus"), c.statusText);
        EXPECT_EQ(text("sBlokada"), c.blockText);
    }
}

KORVEL_ON_EACH_ENGINE(CalcFieldsTest);

}  // namespace
}  // namespace PluTest
