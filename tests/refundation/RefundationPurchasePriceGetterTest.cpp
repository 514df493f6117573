#include "ShopDatabaseTest.h"
#include "config/Setup.h"
#include "core/Errors.h"
#include "core/Singleton.h"
#include "db/StatementLog.h"
#include "refundation/RefundationPurchasePriceGetter.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "zentools/SysdateGetter.h"

namespace {

using Devices::OptPromotionRefundation;
using Devices::PromotionRefundation;
using Devices::RefundationPurchasePriceGetter;
using Source = PromotionRefundation::Source;

const std::string kConditionsSql =
    "\n select wz.dcenazak purchase_price, wz.dataod begin_date\n from warzak wz\n where wz.ltowarref = :product_id\n "
    "and wz.dataod <= :current_date\n and wz.datado >= :begin_date\n and wz.lwarzakcentrref is not null\n and "
    "wz.lodfirmaref in (1, 3)\n order by wz.dataod desc";
const std::string kPredictionSql =
    "\n select purchasepricegetter.predictProductPurchasePrice(\n \tt.ltowarref\n \t, :current_date\n \t, "
    ":sale_price\n \t, coalesce(t.nmarza, margin.getProductMargin(t.ltowarref))\n \t, t.byvat\n \t, "
    "t.lglownydostawcaref\n \t, t.bytyp\n \t, :algorithm) purchase_price\n from towar t where t.ltowarref = "
    ":product_id";

void configure(bool enabled) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\">\n"
        " <key name=\"Refundacja promocji\">\n"
        "  <key name=\"Włączona\" type=\"bool\" value=\"" +
        std::string(enabled ? "true" : "false") + "\"/>\n" +
        (enabled ? "  <key name=\"Dostawcy\"><key name=\"Nazwa atrybutu\" type=\"string\" value=\"Refundacja\"/>"
                   "<key name=\"Wymagana wartość\" type=\"string\" value=\"TAK\"/></key>\n"
                   "  <key name=\"Warunki zakupu\"><key name=\"Długość historii\" type=\"int\" value=\"30\"/></key>\n"
                   " </key>\n"
                   " <key name=\"Struktura organizacyjna\"><key name=\"Poziomy hierarchii\"><key name=\"Centrala "
                   "główna\"><key name=\"Towary\"><key name=\"Indeksy\"><key name=\"Długość\" type=\"int\" "
                   "value=\"6\"/></key></key></key></key></key>\n"
                   " <key name=\"FrontOffice\"><key name=\"Przetwarzanie sprzedazy\"><key name=\"Algorytm "
                   "prognozowania ceny zakupu\" type=\"string\" value=\"MARZA\"/></key></key>\n"
                 : " </key>\n") +
        "</key></configuration>");
}

PromotionRefundation refundation(std::int64_t units, std::optional<int> startDay, Source source) {
    return PromotionRefundation{Core::Decimal<4>::fromUnits(units), startDay, source};
}

// With the mechanism off nothing else is read: no key, no statement, not even a table.
TEST(RefundationOff, PreparesNothingAndAnswersEmpty) {
    configure(false);
    TestSupport::TempDir directory;
    TSessionHolder emptyDatabase("sqlite:" + (directory / "empty.db").string(), DBKernel::OpenMode::CreateIfMissing);
    DBKernel::StatementLog::setEnabled(true);
    DBKernel::StatementLog::clear();

    RefundationPurchasePriceGetter getter(emptyDatabase);
    EXPECT_EQ(getter.get(1, "100001", Core::Price::fromUnits(1000)), std::nullopt);
    EXPECT_EQ(getter.get(2, "", Core::Price()), std::nullopt);
    EXPECT_TRUE(DBKernel::StatementLog::entries().empty());
    DBKernel::StatementLog::setEnabled(false);
}

class RefundationTest : public HostLibsTest::ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        configure(true);
        today = Zentools::SysdateGetter::getDate(session());
        exec(
            "insert into Firma (lFirmaRef, sNazwa) values (1, 'Mleczarnia Łąka'), (2, 'Piekarnia Kłos'), "
            "(3, 'Hurtownia Zbyszko')");
    }

    void markRefundedSuppliers() const {
        exec(
            "insert into FirmaAtrybut (lFirmaRef, sNazwa, sWartosc) values "
            "(1, 'Refundacja', 'TAK'), (2, 'Refundacja', 'NIE'), (3, 'Refundacja', 'TAK')");
    }
    void addProduct(int id, const std::string& index, const std::string& margin = "20") const {
        exec("insert into Towar (lTowarRef, sNazwa, sArtIndex, byVAT, nMarza) values (" + std::to_string(id) +
             ", 'Towar " + std::to_string(id) + "', '" + index + "', 1, " + margin + ")");
    }
    // Purchase condition of a supplier, valid from today + from to today + to.
    void addCondition(int id, int product, int supplier, const std::string& price, int from, int to,
                      bool fromHeadOffice = true) const {
        exec(
            "insert into warzak (lWarZakRef, lTowarRef, lOdFirmaRef, dCenaZak, DataOd, DataDo, lWarZakCentrRef) "
            "values (" +
            std::to_string(id) + ", " + std::to_string(product) + ", " + std::to_string(supplier) + ", " + price +
            ", " + std::to_string(today + from) + ", " + std::to_string(today + to) + ", " +
            (fromHeadOffice ? std::to_string(id) : "null") + ")");
    }
    void addSupply(int id, int product, const std::string& price, int day) const {
        exec("insert into Dostawa (lDostawaRef, lTowarRef, lFirmaRef, data, dIlosc, dCenaZak) values (" +
             std::to_string(id) + ", " + std::to_string(product) + ", 2, " + std::to_string(today + day) + ", 10, " +
             price + ")");
    }

    int today = 0;
};

TEST_P(RefundationTest, NoRefundedSupplierWhileOnIsAnError) {
    exec("insert into FirmaAtrybut (lFirmaRef, sNazwa, sWartosc) values (1, 'Refundacja', 'NIE'), (2, 'Inny', 'TAK')");
    EXPECT_EQ(TestSupport::errorOf<Core::PlacedRuntimeError>([&] { RefundationPurchasePriceGetter getter(session()); }),
              "Dla włączonego mechanizmu refundacji nie oznaczono dostawców refundowanych.");
}

TEST_P(RefundationTest, HeadOfficeConditionsOfARefundedSupplierComeFirst) {
    markRefundedSuppliers();
    addProduct(101, "100101");
    addCondition(1, 101, 1, "4.56789", -10, 10);    // the newest that counts
    addCondition(2, 101, 3, "3.0", -20, 10);        // older
    addCondition(3, 101, 2, "9.0", -5, 10);         // supplier not refunded
    addCondition(4, 101, 1, "8.0", -2, 10, false);  // not from the head office
    addCondition(5, 101, 1, "7.0", 1, 10);          // not valid yet
    addSupply(1, 101, "5.0", -1);
    addProduct(104, "100104");
    addCondition(6, 104, 3, "2.5", -40, -5);  // ended within the history
    addSupply(2, 104, "5.0", -1);
    addProduct(107, "10010ł");  // six characters, seven bytes
    addCondition(7, 107, 1, "1.25", -3, 3);

    RefundationPurchasePriceGetter getter(session());
    DBKernel::StatementLog::clear();
    EXPECT_EQ(getter.get(101, "100101", Core::Price::fromUnits(999)),
              refundation(45679, today - 10, Source::RefundedSupplierConditions));
    EXPECT_EQ(issuedStatements(), std::vector<std::string>{kConditionsSql});
    EXPECT_EQ(getter.get(104, "100104", Core::Price::fromUnits(999)),
              refundation(25000, today - 40, Source::RefundedSupplierConditions));
    EXPECT_EQ(getter.get(107, "10010ł", Core::Price::fromUnits(999)),
              refundation(12500, today - 3, Source::RefundedSupplierConditions));
}

TEST_P(RefundationTest, OtherwiseTheLastSupplyThenThePrediction) {
    markRefundedSuppliers();
    addProduct(102, "10010");  // not a head-office index: its conditions do not count
    addCondition(1, 102, 1, "4.0", -10, 10);
    addSupply(1, 102, "3.14159", -7);
    addSupply(2, 102, "3.5", -30);
    addProduct(103, "100103");
    addCondition(2, 103, 1, "4.0", -60, -31);  // ended before the history
    addSupply(3, 103, "2.0", -3);
    addProduct(105, "100105");  // neither conditions nor supplies

    RefundationPurchasePriceGetter getter(session());
    DBKernel::StatementLog::clear();
    EXPECT_EQ(getter.get(102, "10010", Core::Price::fromUnits(999)), refundation(31416, today - 7, Source::LastSupply));
    EXPECT_EQ(issuedStatements().size(), 1u);  // the supply lookup only
    EXPECT_EQ(getter.get(103, "100103", Core::Price::fromUnits(999)),
              refundation(20000, today - 3, Source::LastSupply));

    DBKernel::StatementLog::clear();
    // 12.30 gross, less 23 % VAT, less the product's 20 % margin: 8.3333.
    EXPECT_EQ(getter.get(105, "100105", Core::Price::fromUnits(1230)),
              refundation(83333, std::nullopt, Source::PredictedPrice));
    const auto statements = issuedStatements();
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.back(), kPredictionSql);
}

TEST_P(RefundationTest, EveryAnswerIsKeptEmptyOnesToo) {
    markRefundedSuppliers();
    addProduct(101, "100101");
    addCondition(1, 101, 1, "4.5", -10, 10);

    RefundationPurchasePriceGetter getter(session());
    const OptPromotionRefundation first = getter.get(101, "100101", Core::Price::fromUnits(500));
    EXPECT_EQ(getter.get(999, "100999", Core::Price::fromUnits(500)), std::nullopt);  // no such product
    EXPECT_FALSE(issuedStatements().empty());

    exec("delete from warzak");
    EXPECT_EQ(getter.get(101, "100101", Core::Price::fromUnits(500)), first);
    EXPECT_EQ(getter.get(999, "100999", Core::Price::fromUnits(500)), std::nullopt);
    EXPECT_TRUE(issuedStatements().empty());
}

KORVEL_ON_EACH_ENGINE(RefundationTest);

}  // namespace
