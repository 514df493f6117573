// The PLU sender: takes the PLU dataset's current row and hands it to every kind of
// device in a fixed order (cash registers, scales, price checker, external senders).
// One sender serves one package of rows, that is one database transaction; its
// package end delivers everything it collected.
#pragma once

#include <memory>
#include <optional>

#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/SplitBundlesSender.h"
#include "composition/ProductSet.h"
#include "composition/ProductSetLinks.h"
#include "db/DataSet.h"
#include "external/ExternalDataSenders.h"
#include "frame/strategies/IUrzCollectionModStrategy.h"
#include "plu/ExportedPluBuilder.h"
#include "tools/Plu.h"

namespace PluTransmission {

// A device route beyond the cash registers (scales, the directory price checker): a
// row with its price, and the end of a package.
class IPackageRoute {
public:
    virtual ~IPackageRoute() = default;
    virtual void sendRecord(Db::TDataSet& row, Core::Price price) = 0;
    virtual void endPackage() = 0;
};
using IPackageRoutePtr = std::shared_ptr<IPackageRoute>;

// What the senders of one transmission share across its packages.
struct PluTransmissionContext {
    PluTransmissionContext(TSessionHolder session, int day, std::shared_ptr<const IUrzCollectionModStrategy> strategy,
                           Devices::IPluDeletionPredicatePtr deletionPredicate,
                           Korvel::Products::IProductFeaturesCachePtr productFeatures);

    TSessionHolder session;
    int day;
    std::shared_ptr<const IUrzCollectionModStrategy> strategy;
    PLUSenderArgs senderArgs;
    ExportedPluBuilder builder;
    // Routes that devices of this shop need, made for each package: the scales always
    // (a route without enabled scales does nothing); none for the price checker until
    // its sender is attached.
    std::function<IPackageRoutePtr()> makeScaleRoute;
    std::function<IPackageRoutePtr()> makePriceCheckerRoute;
    // Sent at every package end; read at the first.
    Kolvenia::Kasa::SplitBundlesReadOnce splitBundles;
    // The same for every package of the run; read by the first sender.
    const Composition::ProductSetLinks& productSetLinks();

private:
    std::optional<Composition::ProductSetLinks> productSetLinks_;
};

// Host contract: the PLU sender's class and its operations.
class T_PLUSender {
public:
    T_PLUSender(std::shared_ptr<PluTransmissionContext> context, Db::TDataSet& rows);

    // Sends the current row. A PLU code that cannot be parsed is logged and marked,
    // not raised; a price that cannot be read raises
    // "Wystąpił błąd podczas pobierania ceny sprzedaży dla PLU '<sPLU>'".
    void SendRecordPLU();
    // Ends every route's package, in order, then sends the split bundles.
    void endPackage();
    // One product set of the current product's composition, for the composition route.
    void handleProductSet(const Composition::ProductSet& productSet);

    bool isWrongPlu() const { return wrongPlu_; }

private:
    Core::Price readPrice() const;
    void sendToCashRegisters(Core::Price price);
    void addTargetCashRegisters();

    std::shared_ptr<PluTransmissionContext> context_;
    Db::TDataSet& rows_;
    Plu::TPlu plu_;
    bool wrongPlu_ = false;
    const Composition::ProductSetLinks& productSetLinks_;
    CashRegisterServerCommunication::PluDataSenderPtr pluDataSender_;
    CashRegisterServerCommunication::CompositionDataSenderPtr compositionDataSender_;
    IPackageRoutePtr scaleRoute_;
    IPackageRoutePtr priceCheckerRoute_;
    Senders::ExternalDataSenders& externalSenders_;
};

}  // namespace PluTransmission
