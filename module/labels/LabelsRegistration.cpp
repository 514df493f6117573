#include "labels/LabelsRegistration.h"

#include "external/ExternalSendersRegistration.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "labels/ElectronicLabelsSender.h"
#include "labels/LabelsActions.h"
#include "labels/SesLabelsSender.h"

namespace Labels {

namespace Guids = Kolvenia::ActionGuids;

void registerElectronicLabelsActionsObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerElectronicLabelsActionsObjects");
    list.add(Kolvenia::regActionCreator(
        Guids::EveningSendElectronicLabels,
        [] { return std::make_shared<EveningProcessingSendElectronicLabelsAction>(); }, place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendElectronicLabels, [] { return std::make_shared<ActionSendElectronicLabels>(); }, place));
}

void registerElectronicLabelsSenderObjects(Core::ModuleRegistrationList& list) {
    list.add(Senders::registerSenderCreator(Guids::ElectronicLabelsSender,
                                            [] { return std::make_shared<ElectronicLabelsSender>(); }));
}

void registerElectronicLabelsStockExportDialogObjects(Core::ModuleRegistrationList& list) {
    // Host contract: the menu item of the stock-export dialog.
    list.add(Kolvenia::regAction(
        std::make_shared<CFormCreator>(Guids::ElectronicLabelsStockExportDialog, ElectronicLabelsStockExport::formClass,
                                       ".miInne.miFunkSerwis.miElectonicLabelsStockExport",
                                       [] { return std::make_shared<ElectronicLabelsStockExport>(); }),
        CORE_SRC_INFO("registerElectronicLabelsStockExportDialogObjects")));
}

void registerSesLabelsSenderObjects(Core::ModuleRegistrationList& list) {
    list.add(
        Senders::registerSenderCreator(Guids::SesLabelsSender, [] { return std::make_shared<SesLabelsSender>(); }));
}

}  // namespace Labels
