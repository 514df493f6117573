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
    double price() { return rows_->FieldByName("dCenaSprzed").AsFloat(); }

    std::optional<TPLUTransmissionContainer> engine_;
    std::optional<Db::TDataSet> rows_;
};

TEST_P(CalcFieldsTest, PriceCarryingCodeSendsThePriceInTheCode) {
    Row row;
    row.plu = "2600120123429";
    row.origins = TPLUTransmissionContainer::FromPLU | TPLUTransmissionContainer::FromWarSprz;
    row.conditionPrice = "7";
    row.productPrice = "99";
    calculate(row);
    EXPECT_EQ(text("sCenaSprzed"), "12.34");
    EXPECT_EQ(text("dCenaSprzed"), "<null>");
}

TEST_P(CalcFieldsTest, CodesThatCarryNoPriceTakeTheProductPrice) {
    for (const char* code : {"5900000000015", "2712345", "2600120123420", "abc"}) {
        SCOPED_TRACE(code);
        Row row;
        row.plu = code;
        row.productPrice = "3.456";
        calculate(row);
        EXPECT_EQ(text("sCenaSprzed"), "3.46");
        EXPECT_DOUBLE_EQ(price(), 3.456);
    }
}

TEST_P(CalcFieldsTest, RowFromAConditionTakesTheConditionPrice) {
    Row row;
    row.origins = TPLUTransmissionContainer::FromWarSprz;
    row.conditionPrice = "2.5";
    row.productPrice = "9";
    calculate(row);
    EXPECT_EQ(text("sCenaSprzed"), "2.50");
    EXPECT_DOUBLE_EQ(price(), 2.5);
}

TEST_P(CalcFieldsTest, MissingProductPriceReadsBrak) {
    Row row;
    row.productPrice = "null";
    row.status = 3;
    calculate(row);
    EXPECT_EQ(text("sCenaSprzed"), "brak!");
    EXPECT_EQ(text("dCenaSprzed"), "<null>");
}

TEST_P(CalcFieldsTest, OriginLettersStandInTheirOwnPlaces) {
    const std::pair<int, const char*> cases[] = {{1, " T "}, {2, "  P"}, {4, "W  "}, {3, " TP"}, {6, "W P"}, {7, "WTP"}};
    for (const auto& [origins, letters] : cases) {
        SCOPED_TRACE(origins);
        Row row;
        row.origins = origins;
        row.conditionPrice = "1";
        calculate(row);
        EXPECT_EQ(text("sFlaga"), letters);
    }
}

TEST_P(CalcFieldsTest, SendTimeCountsOnlyFlagsThatAreExactlyOne) {
    const std::pair<const char*, const char*> flags[] = {{"1", "1"}, {"1", "0"},    {"0", "1"},
                                                         {"0", "0"}, {"2", "null"}, {"null", "1"}};
    const char* const expected[] = {"Nat/Wiecz", "Natychmiast", "Wieczorem", "Natychmiast*", "Natychmiast*", "Wieczorem"};
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        SCOPED_TRACE(std::string(flags[i].first) + "/" + flags[i].second);
        Row row;
        row.sendNow = flags[i].first;
        row.sendEvening = flags[i].second;
        calculate(row);
        EXPECT_EQ(text("sWyslij"), expected[i]);
    }
}

TEST_P(CalcFieldsTest, StateAndBlockTexts) {
    const std::pair<int, const char*> rows[] = {{1, "1"}, {2, "0"}, {3, "null"}, {4, "2"}};
    const std::pair<const char*, const char*> expected[] = {
        {"Nowy", "tak"}, {"Zwykły", "nie"}, {"Do usunięcia", "nie"}, {"<null>", "nie"}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].first);
        Row row;
        row.status = rows[i].first;
        row.blocked = rows[i].second;
        calculate(row);
        EXPECT_EQ(text("sStatus"), expected[i].first);
        EXPECT_EQ(text("sBlokada"), expected[i].second);
    }
}

PLU_ON_EACH_ENGINE(CalcFieldsTest);

}  // namespace
}  // namespace PluTest
