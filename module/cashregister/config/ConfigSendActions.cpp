#include "cashregister/config/ConfigSendActions.h"

#include <optional>
#include <ostream>
#include <set>

#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/config/CashRegisterListArgument.h"
#include "core/I18n.h"
#include "core/Singleton.h"
#include "devicedefs/Kolekcje.h"
#include "dialogs/SelectCashRegister.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/SendAllDataActionInvoker.h"
#include "frame/params/DeviceParams.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "tools/PluConfig.h"

namespace Kolvenia::Kasa {

namespace {

using Core::I18n::translate;

CashRegisterServerCommunication::CashRegisterServerCommunicationFactory& factory() {
    return Core::SingletonImplHolder<
        CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance();
}

// Host contract: the menu item of the PLU configuration send.
constexpr const char* PluConfigMenuPath = ".miTransmisje.miPrzeslanieKonfiguracjiPlu";

void writeCashRegisterConfigUsage(std::ostream& out) {
    for (const char* line : {"Akcja wysłanie konfiguracji do kas.", "Przykłady poprawnego uzycia akcji:",
                             "fire <guid_akcji> \"lista_nr_kas\" ", "--> wysłanie konfiguracji do wymienionych kas.",
                             "fire <guid_akcji> all", "--> wysłanie konfiguracji do wszystkich kas.",
                             "fire <guid_akcji>", "--> wysłanie konfiguracji do czynnych i aktywnych kas",
                             "## lista_nr_kas może być oddzielona za pomocą \",\" lub \";\""})
        out << translate(line) << '\n';
}

std::set<int> numbersOf(const TUrzadzenieCollectionPtr& devices) {
    std::set<int> numbers;
    for (std::size_t i = 0; devices && i < devices->size(); ++i) numbers.insert((*devices)[i]->nNrKolvenia);
    return numbers;
}

// The registers the arguments name; empty after writing the complaint and the usage.
std::optional<std::set<int>> cashRegistersNamed(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) return numbersOf(kolekcjaCzynnychKas());
    if (args.size() > 1) {
        out << translate("Nieprawidłowa liczba parametrów.") << '\n';
        writeCashRegisterConfigUsage(out);
        return std::nullopt;
    }
    if (args[0] == "ALL" || args[0] == "all") return numbersOf(kolekcjaKas());
    const auto listed = parseCashRegisterList(args[0]);
    if (!listed) {
        out << translate("Nieprawidłowa lista kas.") << '\n';
        writeCashRegisterConfigUsage(out);
    }
    return listed;
}

// Adds the cash registers of the collection that are not integrated (a register
// without a "bKasaZintegrowana" value ends the send with the parameter's error) and
// sends the host's PLU configuration.
void sendPluConfig(CashRegisterServerCommunication::PluConfigSender& sender, const TUrzadzenieCollection& devices,
                   Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    progress.setMaximum(2);
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const TUrzadzenie& device = *devices[i];
        if (device.nNrTypuUrz == tuKasa && !getParam<bool>(device, "bKasaZintegrowana"))
            sender.addCashRegister(device.nNrKolvenia);
    }
    progress.step(1);
    sender.send(Plu::pluConfig());
    progress.step(1);
    progress.finish();
}

}  // namespace

void sendCashRegisterConfig(const std::set<int>& numbers) {
    const auto sender = factory().createCashRegisterConfigSender();
    for (int number : numbers) {
        sender->addCashRegister(number);
        sender->requestConfiguration(number);
    }
    sender->send();
}

std::string SendCashRegisterConfigAction::getGUID() const { return ActionGuids::SendCashRegisterConfig; }

java::pointer<Core::IUnknown> SendCashRegisterConfigAction::execute(java::pointer<Core::IUnknown> args) {
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    const auto numbers = cashRegistersNamed(args->as<Core::IArgVectorGetter>().getArgVector(), out);
    if (!numbers) return java::make<Core::ActionStatus>(false, translate("Błędne parametry akcji"));
    sendCashRegisterConfig(*numbers);
    return java::make<Core::ActionStatus>(true, std::string());
}

java::pointer<Core::IUnknown> SendPluConfigDlgAction::execute(java::pointer<Core::IUnknown> args) {
    // The action answers for itself: its failures reach the operator in a message box.
    try {
        const auto sender = factory().createPluConfigSender();
        const TUrzadzenieCollectionPtr devices = kolekcjaWlaczonychUrzadzen();
        if (!devices) return java::make<Core::ActionStatus>(true, std::string());
        FormKernel::IBaseForm* parent =
            args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
        const auto chosen = chooseCashRegisters(PluConfigMenuPath, parent, "SendPluConfigDlgAction");
        if (!chosen) return java::make<Core::ActionStatus>(true, std::string());
        CFromSetUrzCollectionModStrategy(*chosen).modify(*devices);
        Core::ThreadUserIo::NullProgressIndicator noProgress;
        sendPluConfig(*sender, *devices, noProgress);
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(e.what());
        return java::make<Core::ActionStatus>(false, e.what());
    }
    const std::string sent = translate("Wysłano konfigurację PLU.");
    FormKernel::messageBoxes()->information(sent);
    return java::make<Core::ActionStatus>(true, sent);
}

java::pointer<Core::IUnknown> SendPluConfigAction::execute(java::pointer<Core::IUnknown> args) {
    const auto sender = factory().createPluConfigSender();
    const TUrzadzenieCollectionPtr devices = kolekcjaZainstalowanychKas();
    if (!devices) return java::make<Core::ActionStatus>(true, std::string());
    Core::ThreadUserIo::NullProgressIndicator noProgress;
    Core::ThreadUserIo::ISteppableProgressIndicator* progress = &noProgress;
    if (args && args->is<SendAllDataActionInvoker>()) {
        const auto& invoker = args->as<SendAllDataActionInvoker>();
        if (invoker.deviceRefs()) CFromSetUrzCollectionModStrategy(*invoker.deviceRefs()).modify(*devices);
        progress = &invoker.progress();
    }
    sendPluConfig(*sender, *devices, *progress);
    return java::make<Core::ActionStatus>(true, std::string());
}

void registerSendCashRegisterConfigObjects(Core::ModuleRegistrationList& list) {
    list.add(regAction(std::make_shared<SendCashRegisterConfigAction>(),
                       CORE_SRC_INFO("registerSendCashRegisterConfigObjects")));
}

void registerSendPluConfigObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerSendPluConfigObjects");
    list.add(regActionCreator(
        ActionGuids::SendPluConfigDialog, [] { return std::make_shared<SendPluConfigDlgAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::SendPluConfig, [] { return std::make_shared<SendPluConfigAction>(); }, place));
}

}  // namespace Kolvenia::Kasa
