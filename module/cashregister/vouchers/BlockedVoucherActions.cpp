#include "cashregister/vouchers/BlockedVoucherActions.h"

#include "cashregister/vouchers/BlockedVouchersSending.h"
#include "core/I18n.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/Configuration.h"

namespace Kolvenia::BlockedVouchers {

namespace {

using Core::I18n::translate;

// Writes the start line, sends, and answers the result text.
std::string sendWithReport(const char* startLine) {
    Zentools::DefaultDbTextLogService report(ReportLogKey, ReportLogTitle);
    report.write(startLine);
    const int count = BlockedVouchersSending(report).run();
    return translate(count == 0 ? "Brak zablokowanych bonów do wysłania." : "Pomyślnie wysłano zablokowane bony.");
}

}  // namespace

java::pointer<Core::IUnknown> ConsoleAction::execute(java::pointer<Core::IUnknown> args) {
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    try {
        const std::string result = sendWithReport("Wysłanie blokad uruchomione z konsoli");
        out << result << '\n';
        return java::make<Core::ActionStatus>(true, result);
    } catch (const std::exception& e) {
        out << e.what() << '\n';
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

bool EveningAction::areExecuteConditionsSatisfied() {
    const auto on = Config::findKey(
        {"Parametry programu", "Odczyt wieczorny", "Akcje", "Wysłanie zablokowanych bonów", "Włączone"});
    return on && on->GetVal<bool>();
}

void EveningAction::executeEveningWork(EveningProcessing::IEveningArgs& args) {
    try {
        args.reportStatus(sendWithReport("Wysłanie blokad uruchomione podczas przetwarzania wieczornego"));
    } catch (const std::exception& e) {
        throw Core::PlacedRuntimeError(translate("Błąd podczas wysyłania zablokowanych bonów:\n") + e.what(),
                                       CORE_SRC_INFO("Kolvenia::BlockedVouchers::EveningAction::executeEveningWork"));
    }
}

java::pointer<Core::IUnknown> DefaultAction::execute(java::pointer<Core::IUnknown>) {
    try {
        const std::string result = sendWithReport("Wysłanie blokad uruchomione z funkcji serwisowej");
        FormKernel::messageBoxes()->information(result);
        return java::make<Core::ActionStatus>(true, result);
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(e.what());
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

void registerBlockedVoucherObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerBlockedVoucherObjects");
    list.add(regActionCreator(
        ActionGuids::BlockedVouchersConsole, [] { return std::make_shared<ConsoleAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::BlockedVouchersEvening, [] { return std::make_shared<EveningAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::BlockedVouchersDefault, [] { return std::make_shared<DefaultAction>(); }, place));
}

}  // namespace Kolvenia::BlockedVouchers
