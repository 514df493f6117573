#include "cashregister/dictionaries/DiscountsActions.h"

#include "cashregister/dictionaries/DictionarySending.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/Configuration.h"

namespace Kolvenia::Dictionaries {

namespace {

const char* const DiscountsSent = "Wysłano typy przecen automatycznych.";

}  // namespace

std::string SendDiscountsFromSendAllDataDialog::run(DictionaryInvocation& invocation) {
    sendAutomaticDiscountTypes(invocation.givenCashRegisters(), invocation.progress());
    return DiscountsSent;
}

std::string SendDiscountsFireAction::run(DictionaryInvocation& invocation) {
    if (const auto* arguments = invocation.arguments(); arguments && !arguments->empty()) {
        if (std::ostream* out = invocation.console())
            // Host contract: the console action's texts.
            *out << Core::I18n::translate("Niepoprawna liczba parametrów") << '\n'
                 << Core::I18n::translate("Poprawne użycie akcji:") << '\n'
                 << Core::I18n::translate("fire <guid_akcji> // wysłanie kompletnej listy aktywnych typów przecen")
                 << '\n';
        throw Core::PlacedRuntimeError(Core::I18n::translate("Niepoprawna lista parametrów."),
                                       CORE_SRC_INFO("SendDiscountsFireAction::execute"));
    }
    sendAutomaticDiscountTypes(std::nullopt, invocation.progress());
    return DiscountsSent;
}

bool EveningProcessingSendDiscounts::areExecuteConditionsSatisfied() {
    const auto enabled = Config::findKey(
        {"Parametry programu", "Odczyt wieczorny", "Akcje", "Wysłanie typów przecen automatycznych", "Włączone"});
    return enabled && enabled->GetVal<bool>();
}

void EveningProcessingSendDiscounts::executeEveningWork(EveningProcessing::IEveningArgs& args) {
    Core::ThreadUserIo::NullProgressIndicator progress;
    sendAutomaticDiscountTypes(std::nullopt, progress);
    args.reportStatus(Core::I18n::translate(DiscountsSent));
}

std::string SendDiscountsFromDiscountsTypeBrowser::run(DictionaryInvocation& invocation) {
    // Host contract: the menu path.
    const auto choice = invocation.chooseCashRegisters(
        ".miSpisy.miDictionaries.miAutomaticDiscountTypesBrowser.miWyslij", "SendDiscountsFromDiscountsTypeBrowser");
    if (choice.cancelled) return {};
    sendAutomaticDiscountTypes(choice.deviceRefs, invocation.progress());
    return DiscountsSent;
}

void registerAutomaticDiscountTypesObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerAutomaticDiscountTypesObjects");
    list.add(regActionCreator(
        ActionGuids::SendDiscountsFromSendAllDataDialog,
        [] { return std::make_shared<SendDiscountsFromSendAllDataDialog>(); }, place));
    list.add(regActionCreator(
        ActionGuids::SendDiscountsFire, [] { return std::make_shared<SendDiscountsFireAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::EveningSendDiscounts, [] { return std::make_shared<EveningProcessingSendDiscounts>(); }, place));
    list.add(regActionCreator(
        ActionGuids::SendDiscountsFromDiscountTypesBrowser,
        [] { return std::make_shared<SendDiscountsFromDiscountsTypeBrowser>(); }, place));
}

}  // namespace Kolvenia::Dictionaries
