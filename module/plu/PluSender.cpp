#include "plu/PluSender.h"

#include "cashregister/CashRegisterModuleName.h"
#include "cashregister/SplitBundlesSender.h"
#include "core/Debug.h"
#include "core/Errors.h"
#include "core/Singleton.h"
#include "devicedefs/Kolekcje.h"
#include "plu/PriceCarryingCode.h"
#include "plu/ProductDataForFrontOfficeFromDataSet.h"
#include "pricechecker/DirectoryPriceChecker.h"
#include "scales/ScaleXmlFileSender.h"

namespace PluTransmission {

namespace {

void log(const std::string& text) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(text, CORE_SRC_INFO("T_PLUSender::SendRecordPLU"));
}

CashRegisterServerCommunication::CashRegisterServerCommunicationFactory& factory() {
    return Core::SingletonImplHolder<
        CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance();
}

// The directory price checker's route: one PLU file per package.
class PriceCheckerRoute : public IPackageRoute {
public:
    explicit PriceCheckerRoute(std::shared_ptr<const Devices::PriceChecker::DirectoryPriceChecker> checker)
        : checker_(std::move(checker)), package_(*checker_) {}
    void sendRecord(Db::TDataSet& row, Core::Price price) override { package_.send(row, price); }
    void endPackage() override { package_.end(); }

private:
    std::shared_ptr<const Devices::PriceChecker::DirectoryPriceChecker> checker_;
    Devices::PriceChecker::DirectoryPriceCheckerPackage package_;
};

// The scale route: one scale transmission per package, begun when the package's
// sender is made and ended (its files moved to the scale server) at the package end.
class ScaleRoute : public IPackageRoute {
public:
    explicit ScaleRoute(const IUrzCollectionModStrategy& strategy) { scales_.begin(strategy); }
    void sendRecord(Db::TDataSet& row, Core::Price) override {
        if (!record_) record_ = std::make_shared<Devices::ProductDataForFrontOfficeFromDataSet>(row);
        scales_.send(record_);
    }
    void endPackage() override { scales_.end(); }

private:
    Devices::ScaleXmlFileSender scales_;
    Devices::ProductRecordPtr record_;  // follows the dataset's current row
};

}  // namespace

PluTransmissionContext::PluTransmissionContext(TSessionHolder session_, int day_,
                                               std::shared_ptr<const IUrzCollectionModStrategy> strategy_,
                                               Devices::IPluDeletionPredicatePtr deletionPredicate,
                                               Korvel::Products::IProductFeaturesCachePtr productFeatures)
    : session(session_),
      day(day_),
      strategy(std::move(strategy_)),
      senderArgs{session_, deletionPredicate, day_},
      builder(session_, deletionPredicate, std::move(productFeatures)),
      makeScaleRoute([strategy = strategy]() -> IPackageRoutePtr { return std::make_shared<ScaleRoute>(*strategy); }) {
    if (auto checker = Devices::PriceChecker::DirectoryPriceChecker::configured(session_, deletionPredicate)) {
        auto shared = std::make_shared<const Devices::PriceChecker::DirectoryPriceChecker>(std::move(*checker));
        makePriceCheckerRoute = [shared] { return std::make_shared<PriceCheckerRoute>(shared); };
    }
}

const Composition::ProductSetLinks& PluTransmissionContext::productSetLinks() {
    if (!productSetLinks_) productSetLinks_.emplace(session);
    return *productSetLinks_;
}

T_PLUSender::T_PLUSender(std::shared_ptr<PluTransmissionContext> context, Db::TDataSet& rows)
    : context_(std::move(context)),
      rows_(rows),
      productSetLinks_(context_->productSetLinks()),
      pluDataSender_(factory().createPluDataSender()),
      externalSenders_(Core::SingletonImplHolder<Senders::ExternalDataSenders>::instance()) {
    pluDataSender_->init({context_->day});
    if (Kolvenia::Kasa::getCashRegisterModuleName() == Kolvenia::Kasa::XmlBasedServerCommunication)
        compositionDataSender_ = factory().createCompositionDataSender();
    addTargetCashRegisters();
    if (context_->makeScaleRoute) scaleRoute_ = context_->makeScaleRoute();
    if (context_->makePriceCheckerRoute) priceCheckerRoute_ = context_->makePriceCheckerRoute();
    externalSenders_.init(context_->senderArgs);
    externalSenders_.beginSending(context_->day);
}

void T_PLUSender::addTargetCashRegisters() {
    auto registers = Kolvenia::kolekcjaZainstalowanychKas();
    if (!registers) return;
    context_->strategy->modify(*registers);
    for (std::size_t i = 0; i < registers->size(); ++i) {
        const int number = (*registers)[i]->nNrKolvenia;
        pluDataSender_->addCashRegister(number);
        if (compositionDataSender_) compositionDataSender_->addCashRegister(number);
    }
}

void T_PLUSender::SendRecordPLU() {
    const std::string code = rows_.FieldByName("sPLU").AsString();
    log("T_PLUSender::SendRecordPLU - start; plu: " + code);
    log("T_PLUSender::SendRecordPLU - plu ok");
    wrongPlu_ = false;
    try {
        plu_ = code;
    } catch (const Plu::InvalidCode&) {
        log("T_PLUSender::SendRecordPLU - wrong plu");
        wrongPlu_ = true;
    }
    const Core::Price price = readPrice();
    log("T_PLUSender::SendRecordPLU - WyslanieDoKas");
    sendToCashRegisters(price);
    log("T_PLUSender::SendRecordPLU - WyslanieDoWag");
    if (scaleRoute_) scaleRoute_->sendRecord(rows_, price);
    log("T_PLUSender::SendRecordPLU - WyslijDoPriceCheckera");
    if (priceCheckerRoute_) priceCheckerRoute_->sendRecord(rows_, price);
    log("T_PLUSender::SendRecordPLU - ExternalDataSenders");
    externalSenders_.sendTowar(rows_);
}

Core::Price T_PLUSender::readPrice() const {
    const std::string code = rows_.FieldByName("sPLU").AsString();
    try {
        if (!wrongPlu_ && plu_.type() == Plu::TPlu::PriceCarrying)
            return Core::Price::fromDouble(priceCarriedByCode(code).value());
        const Db::TField& price = rows_.FieldByName("dCenaSprzed");
        return Core::Price::fromDouble(price.IsNull() ? 0.0 : price.AsFloat());
    } catch (const std::exception&) {
        log("T_PLUSender::SendRecordPLU - wrong price");
        throw Core::PlacedRuntimeError("Wystąpił błąd podczas pobierania ceny sprzedaży dla PLU '" + code + "'",
                                       CORE_SRC_INFO("T_PLUSender::SendRecordPLU"));
    }
}

void T_PLUSender::sendToCashRegisters(Core::Price price) {
    if (auto record = context_->builder.build(rows_, price, productSetLinks_)) pluDataSender_->add(*record);
}

void T_PLUSender::handleProductSet(const Composition::ProductSet& productSet) {
    if (compositionDataSender_) compositionDataSender_->add(productSet);
}

void T_PLUSender::endPackage() {
    if (priceCheckerRoute_) priceCheckerRoute_->endPackage();
    pluDataSender_->send();
    if (scaleRoute_) scaleRoute_->endPackage();
    if (compositionDataSender_) compositionDataSender_->send();
    externalSenders_.endSending();
    Kolvenia::Kasa::CZestawyRozbijaneSender(context_->splitBundles).send(*context_->strategy);
}

}  // namespace PluTransmission
