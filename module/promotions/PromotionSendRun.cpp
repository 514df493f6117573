#include "promotions/PromotionSendRun.h"

#include <optional>

#include "core/ActionContainer.h"
#include "core/Debug.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "db/TransactionScope.h"
#include "frame/Configuration.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "promotions/PromotionSender.h"
#include "promotions/SendPromotionTranslator.h"

namespace Promotion {

namespace {

// Host contract: the petrol-station module's action, run before promotions are read.
constexpr const char* PetrolStationPromotionsAction = "{6230B3D2-2D52-43B6-B85D-8259082ACF9E}";

bool petrolStationSupport() {
    const auto key = Kolvenia::Config::findKey({"Inne", "Obsługa stacji paliw"});
    return key && key->GetVal<bool>();
}

void runPetrolStationAction() {
    Core::Action::CContainer::instance().invoke(PetrolStationPromotionsAction,
                                                std::make_shared<Core::Action::ExecutorInvoker>(),
                                                java::pointer<Core::IUnknown>());
}

std::unique_ptr<IUrzCollectionModStrategy> strategyFor(const std::optional<std::set<int>>& deviceRefs) {
    if (deviceRefs) return std::make_unique<CFromSetUrzCollectionModStrategy>(*deviceRefs);
    return std::make_unique<CNotIntegratedUrzCollectionModStrategy>();
}

void log(const char* text) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(text, CORE_SRC_INFO("sendPromotions"));
}

void translateAndAdd(const Promotion& promotion, PromotionSender& sender) {
    try {
        sender.add(SendPromotionTranslator().translate(promotion));
    } catch (const std::exception& e) {
        // Host contract: the failure text names the promotion by its number.
        throw Core::PlacedRuntimeError(Core::I18n::translate("Błąd podczas wysyłania promocji o numerze ") +
                                           promotion.header().number + ": " + e.what(),
                                       CORE_SRC_INFO("sendPromotions"));
    }
}

}  // namespace

SendRunResult sendPromotions(const SendRunRequest& request) {
    log("sendPromotions start");
    if (petrolStationSupport()) runPetrolStationAction();
    Core::ThreadUserIo::NullProgressIndicator silent;
    Core::ThreadUserIo::ISteppableProgressIndicator& progress = request.progress ? *request.progress : silent;

    TSessionHolder session(true);
    // A caller that holds a transaction on the session commits the marks with its own work.
    DBKernel::TransactionScope transaction(session, DBKernel::TransactionScope::JoinOpen);
    PromotionSender sender(*strategyFor(request.deviceRefs));
    sender.loadGifts(session);
    PromotionOracleDao dao(session);
    const std::vector<PromotionPtr> promotions = request.promotions(dao);
    progress.setMaximum(static_cast<long long>(promotions.size()));

    SendRunResult result;
    for (const PromotionPtr& promotion : promotions) {
        dao.fillElements(*promotion);
        if (isSimplePromotion(*promotion)) {
            ++result.simpleSkipped;
        } else {
            translateAndAdd(*promotion, sender);
            dao.markAsSent(*promotion);
            ++result.sent;
        }
        progress.step(1);
    }
    sender.send();
    progress.step(1);
    transaction.commit();
    progress.finish();
    log("sendPromotions end");
    return result;
}

}  // namespace Promotion
