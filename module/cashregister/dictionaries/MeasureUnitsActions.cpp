#include "cashregister/dictionaries/MeasureUnitsActions.h"

#include "cashregister/dictionaries/DictionarySending.h"
#include "core/I18n.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"

namespace Kolvenia::Dictionaries {

std::string SendMeasureUnitsDialog::getGUID() const { return ActionGuids::SendMeasureUnitsDialog; }

std::string SendMeasureUnitsDialog::run(DictionaryInvocation& invocation) {
    // Host contract: the menu path and the closing message.
    const auto choice =
        invocation.chooseCashRegisters(".miTransmisje.miPrzeslanieJednostekMiar", "SendMeasureUnitsDialog");
    if (choice.cancelled) return {};
    sendMeasureUnits(choice.deviceRefs, invocation.progress());
    return "Pomyślnie wysłano jednostki miar.";
}

std::string SendMeasureUnitsFromSendAllDataDialog::getGUID() const {
    return ActionGuids::SendMeasureUnitsFromSendAllDataDialog;
}

std::string SendMeasureUnitsFromSendAllDataDialog::run(DictionaryInvocation& invocation) {
    // Host contract: the progress text.
    invocation.progress().setText(Core::I18n::translate("Wysyłanie jednostek miar"));
    sendMeasureUnits(invocation.givenCashRegisters(), invocation.progress());
    return {};
}

void registerMeasureUnitsObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerMeasureUnitsObjects");
    list.add(regAction(std::make_shared<SendMeasureUnitsDialog>(), place));
    list.add(regAction(std::make_shared<SendMeasureUnitsFromSendAllDataDialog>(), place));
}

}  // namespace Kolvenia::Dictionaries
