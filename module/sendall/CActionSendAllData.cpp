#include "sendall/CActionSendAllData.h"

#include <boost/format.hpp>
#include <filesystem>

#include "core/ActionContainer.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/Configuration.h"
#include "frame/SendAllDataActionInvoker.h"
#include "sendall/SendAllDataRun.h"

namespace Kolvenia::SendAll {

using Core::I18n::translate;

namespace {

std::mutex sendingLock;
bool sendingInProgress = false;

SendAllDataArgs checkedArgs(const java::pointer<Core::IUnknown>& args) {
    const SendAllDataArgs* given = nullptr;
    if (args && args->is<SendAllDataActionInvoker>()) {
        const auto& carried = args->as<SendAllDataActionInvoker>().sendAllDataArgs();
        if (carried) given = &*carried;
    }
    if (!given || given->deviceRefs.empty() || given->kinds.empty())
        throw Core::PlacedRuntimeError(translate(MissingSendAllDataArgs), CORE_SRC_INFO("CActionSendAllData::execute"));
    return *given;
}

void checkOutputDirectory() {
    const std::string directory =
        Config::directory({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Katalog - wyjście"});
    std::error_code ignored;
    if (!std::filesystem::is_directory(directory, ignored))
        // Host contract: the missing-directory message.
        throw Core::PlacedRuntimeError(
            translate("Nie udało się znaleźć katalogu '") + directory + translate("'\nNależy sprawdzić konfigurację!"),
            CORE_SRC_INFO("CActionSendAllData::execute"));
}

// Every chosen kind must be one the configuration offers, so that a run never stops
// half-way for a code that was mistyped.
void checkKinds(const SendAllDataArgs& args, const DataToSendToDeviceCollection& kinds) {
    for (const auto type : args.kinds)
        if (!kinds.find(type))
            throw Core::PlacedRuntimeError(
                (boost::format(translate("Brak rodzaju danych o kodzie typu operacji %1% w konfiguracji.")) % type)
                    .str(),
                CORE_SRC_INFO("CActionSendAllData::execute"));
}

}  // namespace

CActionSendAllData::RunControl::RunControl() {
    std::lock_guard lock(sendingLock);
    if (sendingInProgress)
        // Host contract: the already-running message.
        throw Core::PlacedRuntimeError(
            translate("Ostatnie wysłanie danych jeszcze się nie zakończyło.\nAkcja anulowana."),
            CORE_SRC_INFO("CActionSendAllData::RunControl::RunControl"));
    sendingInProgress = true;
}

void CActionSendAllData::RunControl::reset() noexcept {
    if (!owner_) return;
    owner_ = false;
    std::lock_guard lock(sendingLock);
    sendingInProgress = false;
}

CActionSendAllData::~CActionSendAllData() {
    if (worker_.joinable()) worker_.join();
}

std::string CActionSendAllData::getGUID() const { return ActionGuids::SendAllData; }

java::pointer<Core::IUnknown> CActionSendAllData::execute(java::pointer<Core::IUnknown> args) {
    // The menu item hands over its window: the operator chooses first, and the dialog
    // action comes back here with the choice.
    if (args && args->is<FormKernel::IBaseForm>() && !args->is<SendAllDataActionInvoker>())
        return Core::Action::CContainer::instance().invoke(ActionGuids::SendAllDataDialog,
                                                           std::make_shared<Core::Action::ExecutorInvoker>(), args);
    try {
        RunControl control;
        const SendAllDataArgs checked = checkedArgs(args);
        checkOutputDirectory();
        start(checked, std::move(control));
        return java::make<Core::ActionStatus>(true, std::string());
    } catch (const std::exception& e) {
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

void CActionSendAllData::start(const SendAllDataArgs& args, RunControl control) {
    auto kinds = DataToSendToDeviceCollection::fromConfiguration();
    checkKinds(args, *kinds);
    if (args.observer) args.observer->showText(translate("Wysyłanie danych..."));
    // The previous run has cleared the flag, so its thread is at most reporting its finish.
    if (worker_.joinable()) worker_.join();
    worker_ = std::thread(
        [run = SendAllDataRun(args, std::move(kinds))](RunControl guard) mutable { run([&guard] { guard.reset(); }); },
        std::move(control));
}

}  // namespace Kolvenia::SendAll
