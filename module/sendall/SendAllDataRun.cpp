#include "sendall/SendAllDataRun.h"

#include "core/ActionContainer.h"
#include "core/Debug.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "frame/SendAllDataActionInvoker.h"

namespace Kolvenia::SendAll {

using Core::I18n::translate;

namespace {

class SilentObserver : public ISendAllDataProgressObserver {
public:
    void setSteps(int) override {}
    void advance(int) override {}
    void finish() override {}
    void showText(const std::string&) override {}
    bool cancelled() override { return false; }
};

// The chosen devices that are cash registers.
std::set<int> chosenCashRegisters(const std::set<int>& chosen) {
    std::set<int> refs;
    const auto cashRegisters = kolekcjaKas();
    for (std::size_t i = 0; cashRegisters && i < cashRegisters->size(); ++i)
        if (chosen.count((*cashRegisters)[i]->lUrzadzenieRef)) refs.insert((*cashRegisters)[i]->lUrzadzenieRef);
    return refs;
}

void logLine(const std::string& text) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(text, CORE_SRC_INFO("SendAllDataRun::operator()"));
}

}  // namespace

SendAllDataRun::SendAllDataRun(SendAllDataArgs args, DataToSendToDeviceCollectionPtr kinds)
    : all_(std::move(args)),
      kinds_(std::move(kinds)),
      observer_(all_.observer ? all_.observer : std::make_shared<SilentObserver>()) {}

void SendAllDataRun::operator()(const std::function<void()>& ended) {
    logLine("SendAllDataRun start");
    // Host contract: the run's closing texts.
    std::string closing;
    try {
        observer_->setSteps(static_cast<int>(all_.kinds.size()));
        cashRegistersOnly_ = all_;
        cashRegistersOnly_.deviceRefs = chosenCashRegisters(all_.deviceRefs);
        bool cancelled = false;
        sendKinds(cancelled);
        closing = translate(cancelled ? "Wysyłanie przerwane." : "Wysyłanie zakończone.");
    } catch (const std::exception& e) {
        Core::Debug::logException(CORE_SRC_INFO("SendAllDataRun::operator()"), e.what());
        closing = translate("Błąd podczas wysyłania danych.");
        try {
            observer_->showText(e.what());
        } catch (...) {  // an observer that cannot show the cause still gets the closing text
        }
    } catch (...) {
        closing = translate("Błąd podczas wysyłania danych.");
    }
    try {
        observer_->showText(closing);
    } catch (...) {  // the flag must be cleared whatever the observer does
    }
    logLine("SendAllDataRun end: " + closing);
    ended();
    try {
        observer_->finish();
    } catch (...) {  // nothing is left to report it to
    }
}

void SendAllDataRun::sendKinds(bool& cancelled) {
    for (const auto type : all_.kinds) {
        const DataToSendToDeviceDesc* kind = kinds_->find(type);
        if (!kind) continue;  // checked before the run started
        observer_->showText(kind->name);
        sendKind(*kind, kind->sendToScales ? all_ : cashRegistersOnly_);
        observer_->advance(1);
        if (observer_->cancelled()) {
            cancelled = true;
            return;
        }
    }
}

void SendAllDataRun::sendKind(const DataToSendToDeviceDesc& kind, const SendAllDataArgs& kindArgs) {
    auto invoker = std::make_shared<Core::Action::ExecutorInvoker>();
    const auto answer =
        Core::Action::CContainer::instance().invoke(kind.guid, invoker, java::make<SendAllDataActionInvoker>(kindArgs));
    // The module's kind actions answer a failed status instead of raising.
    if (answer && answer->is<Core::ActionStatus>() && !answer->as<Core::ActionStatus>().succeeded())
        throw Core::PlacedRuntimeError(answer->as<Core::ActionStatus>().message(),
                                       CORE_SRC_INFO("SendAllDataRun::sendKind"));
}

}  // namespace Kolvenia::SendAll
