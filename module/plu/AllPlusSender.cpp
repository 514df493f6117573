#include "plu/AllPlusSender.h"

#include <set>
#include <vector>

#include "business/ChangeHistory.h"
#include "composition/CompositionOracleDao.h"
#include "composition/CompositionReadScope.h"
#include "core/DateTime.h"
#include "core/I18n.h"
#include "db/Command.h"
#include "db/DataSet.h"
#include "db/TransactionScope.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/PluSender.h"
#include "plu/RowValues.h"
#include "plu/SeveralSalePrices.h"
#include "products/ProductFeaturesCache.h"
#include "scales/DevicesService.h"
#include "tools/PluStatus.h"

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

// The flags a sent package no longer needs, reset in the package's own transaction: a
// run that fails later leaves every PLU it did not send due for the next transmission.
class PackageFlagsReset {
public:
    void add(int pluRef, int productId) {
        plus_ += (plus_.empty() ? "" : ", ") + std::to_string(pluRef);
        products_ += (products_.empty() ? "" : ", ") + std::to_string(productId);
    }
    void apply(TSessionHolder& session) {
        if (plus_.empty()) return;
        using namespace Plu::Status;
        // New PLUs become ordinary and those to be deleted deleted, as a normal
        // transmission leaves them; the products' send flags are spent.
        changeState(session, New, Ordinary);
        changeState(session, ToDelete, Deleted);
        DBKernel::Sql::Command(
            "update Towar set bySendNat = 0, bySendWiecz = 0 where (bySendNat <> 0 or bySendWiecz <> 0)"
            " and lTowarRef in (" +
                products_ + ")",
            session)
            .execute();
        plus_.clear();
        products_.clear();
    }

private:
    void changeState(TSessionHolder& session, int from, int to) const {
        DBKernel::Sql::Command("update PLU set byStatus = " + std::to_string(to) +
                                   " where byStatus = " + std::to_string(from) + " and lPluRef in (" + plus_ + ")",
                               session)
            .execute();
    }

    std::string plus_;
    std::string products_;
};

Korvel::Products::IProductFeaturesCachePtr productFeaturesOf(Db::TDataSet& rows, const TSessionHolder& session) {
    std::set<int> products;
    for (rows.First(); !rows.Eof(); rows.Next()) products.insert(PluTransmission::integer(rows, "lTowarRef"));
    rows.First();
    return std::make_shared<Korvel::Products::ProductFeaturesCache>(session,
                                                                    std::vector<int>(products.begin(), products.end()));
}

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
    TLogHistoriaZmian::logItem("Operacje", "NWYSLANIEWSZYSTKICHPLU", translate("Wysłanie wszystkich PLU do kas"), 3,
                               session_);
    rows.Open();
    auto context = std::make_shared<PluTransmission::PluTransmissionContext>(
        session_, Core::DateTime::today(), strategy_, std::make_shared<DevicesService>(),
        productFeaturesOf(rows, session_));
    const int size = TPLUTransmissionContainer::configuredPackageSize();
    progress.setText(translate("Trwa wysyłanie..."));
    progress.setMaximum(rows.RecordCount());
    int sent = 0;
    PackageFlagsReset flags;
    DBKernel::TransactionScope transaction(session_, DBKernel::TransactionScope::AdoptOpen);
    Composition::CompositionReadScope compositions(session_);
    auto sender = std::make_unique<PluTransmission::T_PLUSender>(context, rows);
    const auto endPackage = [&] {
        flags.apply(session_);
        sender->endPackage();
    };
    for (rows.First(); !rows.Eof(); rows.Next()) {
        sender->SendRecordPLU();
        const int productId = PluTransmission::integer(rows, "lTowarRef");
        flags.add(PluTransmission::integer(rows, "lPluRef"), productId);
        const auto composition = Composition::CompositionOracleDao::getComposition(productId, session_);
        for (const auto& productSet : composition.getProductSets()) sender->handleProductSet(productSet);
        progress.step(1);
        if (++sent % size == 0) {
            progress.setText(translate("Transmisja pakietu danych..."));
            endPackage();
            transaction.commitAndBegin();
            sender = std::make_unique<PluTransmission::T_PLUSender>(context, rows);
        }
    }
    endPackage();
    transaction.commit();
    progress.finish();
    return sent;
}

}  // namespace Devices
