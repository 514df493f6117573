#include "plu/AllPlusSender.h"

#include "business/ChangeHistory.h"
#include "core/DateTime.h"
#include "core/I18n.h"
#include "composition/CompositionOracleDao.h"
#include "db/DataSet.h"
#include "db/Procedure.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/PluSender.h"
#include "plu/RowValues.h"
#include "plu/SeveralSalePrices.h"
#include "scales/DevicesService.h"

namespace Devices {

namespace {

// Host contract: the query text, byte for byte.
constexpr const char* SelectList =
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
    " t.alternative_Prices_Allowed as alternativePricesAllowed, pcsp.alternative_Prices as alternativePrices,";

constexpr const char* FromAndWhere =
    "\n       Towar t, \n       Brand b, \n       skladsurowcowytowaru sklad, \n       jmiar jm,\n"
    "       Product_Current_Sale_Params pcsp\n    where p.ltowarref = sklad.ltowarref(+)\n\t     and b.id (+) = "
    "t.brandid\n      and p.lTowarRef = t.lTowarRef\n      and p.lTowarRef = pcsp.product_id\n      and "
    "nvl(p.byBlokada, 0) <> 1\n      and (\n        (byStatus < 3\n          and nvl(t.dCenaSprzed, 0) <> 0)\n"
    "        or byStatus in (3, 4)) /* do usunięcia, usunięte */\n      and p.lTowarRef = t.lTowarRef \n      and "
    "p.lTowarRef = jm.lTowarRef(+) \n      and p.njm = jm.njm(+) \n    order by sNazwa, byStatus desc ";

}  // namespace

AllPlusSender::AllPlusSender(TSessionHolder session, std::shared_ptr<const IUrzCollectionModStrategy> strategy)
    : session_(std::move(session)),
      strategy_(strategy ? std::move(strategy) : std::make_shared<CNullUrzCollectionModStrategy>()) {}

std::string AllPlusSender::query(bool severalSalePrices) {
    return std::string(SelectList) +
           (severalSalePrices ? "\n       p.lTowarGrupujacyRef as lTowarGrupujacyRef\n    from PLU_ALL_VIEW p,  "
                              : "\n       null as lTowarGrupujacyRef\n    from PLU p,") +
           FromAndWhere;
}

int AllPlusSender::send(Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    using Core::I18n::translate;
    progress.setText(translate("Przygotowywanie danych..."));
    Db::TDataSet rows(session_);
    rows.SetSQL(query(PluTransmission::severalSalePricesEnabled()));
    TLogHistoriaZmian::logItem("Operacje", "NWYSLANIEWSZYSTKICHPLU", translate("Wysłanie wszystkich PLU do kas"), 3, session_);
    auto context = std::make_shared<PluTransmission::PluTransmissionContext>(
        session_, Core::DateTime::today(), strategy_, std::make_shared<DevicesService>(), nullptr);
    auto sender = std::make_unique<PluTransmission::T_PLUSender>(context, rows);
    DBKernel::Sql::Procedure("ResetPluTransmissionFlags", session_).execute();
    const int size = TPLUTransmissionContainer::configuredPackageSize();
    progress.setText(translate("Trwa wysyłanie..."));
    rows.Open();
    progress.setMaximum(rows.RecordCount());
    int sent = 0;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        sender->SendRecordPLU();
        const auto composition =
            Composition::CompositionOracleDao::getComposition(PluTransmission::integer(rows, "lTowarRef"), session_);
        for (const auto& productSet : composition.getProductSets()) sender->handleProductSet(productSet);
        progress.step(1);
        if (++sent % size == 0) {
            progress.setText(translate("Transmisja pakietu danych..."));
            sender->endPackage();
            sender = std::make_unique<PluTransmission::T_PLUSender>(context, rows);
        }
    }
    sender->endPackage();
    progress.finish();
    return sent;
}

}  // namespace Devices
