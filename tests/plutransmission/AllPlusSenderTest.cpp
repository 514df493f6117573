// Sending every valid PLU at once, whatever the transmission flags say.
#include <algorithm>

#include "Transmission.h"
#include "plu/AllPlusSender.h"

namespace PluTx {
namespace {

// The query of a shop without grouped products, as the send-all action issues it.
const char* const SendAllQuery =
    "select sklad.ssklad as ssklad, p.lPluRef, p.lTowarRef, t.sNazwa, t.sArtIndex, t.sGrIndex, t.byRabatowy,"
    " t.dCenaSprzed, t.lPromocjaRef, t.bySendWiecz, t.bySendNat, p.sPLU, p.typObslugi, p.byStatus,"
    " nvl(p.byBlokada, 0) as byBlokada, t.bWagowy, t.nWagaSekcja, t.nWagaPLU, t.byTyp, t.bWieleWydan,"
    " t.bCenaOtwarta, t.byElEtyk, t.skrNazwa, t.byVAT, t.alternativeVatRate, t.multiPriceElementSaleLocked,"
    " t.locally_sale_blocked as locallySaleBlocked, t.bWieleCen, t.DutyFreeZoneRestrictions,"
    " t.DutyFreeZoneVatRatesHandling, t.FinancialTransactionTypeId, t.lOpakRef, t.nJmSprz, t.nOkresPrzydatnosci,"
    " t.nStatusAktywnosci, p.percentageDiscount as discount, jm.dPrzelicznikJm2base as baseUnitInMeasureUnit,"
    " b.name as Marka, t.nJmPrzelicznik, t.dPrzelicznik, t.byWeightType, t.nPurchaseAgeLimit, t.nSaleAgeLimit,"
    " t.bIncreasedRisk, t.bSelfServiceNotAllowed, t.nWeightTolerance, t.nSecurityWeight,"
    " t.VatSplittableProductId, t.VatSplittableValuePercentage, t.OnSiteVatRateId, t.sPKWiU as PKWiU,"
    " t.alternative_Prices_Allowed as alternativePricesAllowed, pcsp.alternative_Prices as alternativePrices,"
    "\n       null as lTowarGrupujacyRef\n    from PLU p,"
    "\n       Towar t, \n       Brand b, \n       skladsurowcowytowaru sklad, \n       jmiar jm,\n"
    "       Product_Current_Sale_Params pcsp\n    where p.ltowarref = sklad.ltowarref(+)\n\t     and b.id (+) = "
    "t.brandid\n      and p.lTowarRef = t.lTowarRef\n      and p.lTowarRef = pcsp.product_id\n      and "
    "nvl(p.byBlokada, 0) <> 1\n      and (\n        (byStatus < 3\n          and nvl(t.dCenaSprzed, 0) <> 0)\n"
    "        or byStatus in (3, 4)) /* do usunięcia, usunięte */\n      and p.lTowarRef = t.lTowarRef \n      and "
    "p.lTowarRef = jm.lTowarRef(+) \n      and p.njm = jm.njm(+) \n    order by sNazwa, byStatus desc ";

class AllPlusSenderTest : public Transmission {};

TEST_P(AllPlusSenderTest, SendsUnblockedPricedPlusAndDeletionsThenResetsTheFlags) {
    addCashRegister(1);
    addProduct(Product(1, "Chleb", 3.5).sendingNow());
    addProduct(Product(2, "Bez ceny", std::nullopt));
    addProduct(Product(3, "Cena zero", 0.0));
    addPlu(11, 1, "5901234123457", 2);
    addPlu(12, 1, "2000000000015", 1);
    addPlu(13, 1, "2000000000022", 2, 1);  // blocked
    addPlu(21, 2, "2000000000039", 2);     // no price: left out
    addPlu(22, 2, "2000000000046", 3);     // a deletion goes without a price
    addPlu(31, 3, "2000000000053", 1);     // a price of 0: left out
    addPlu(32, 3, "2000000000060", 4);     // already deleted, sent again
    takeStatements();

    Core::ThreadUserIo::NullProgressIndicator progress;
    EXPECT_EQ(Devices::AllPlusSender(session()).send(progress), 4);

    EXPECT_EQ(files('P'), Texts{fileName('P', 1, 1)});
    Texts sent = plusIn(fileName('P', 1, 1));
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent,
              (Texts{"2000000000015 1 3.50", "2000000000046 3 0.00", "2000000000060 3 0.00", "5901234123457 1 3.50"}));
    const Texts statements = takeStatements();
    EXPECT_EQ(count(statements, SendAllQuery), 1u);
    // The sent PLUs are no longer due; what was left out keeps its state.
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"),
              (Texts{"11 2", "12 2", "13 2", "21 2", "22 4", "31 1", "32 4"}));
    EXPECT_EQ(integerOf("select bySendNat from Towar where lTowarRef = 1"), 0);
    EXPECT_EQ(integerOf("select count(*) from Operacje where sKlucz = 'NWYSLANIEWSZYSTKICHPLU'"), 1);
}

}  // namespace
KORVEL_ON_EACH_ENGINE(AllPlusSenderTest);
}  // namespace PluTx
