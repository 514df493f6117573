// Registration of the labels units, each called at its place in the module's order.
#pragma once

#include "core/Registration.h"

namespace Labels {

// The evening and console label exports.
void registerElectronicLabelsActionsObjects(Core::ModuleRegistrationList& list);
// Host contract: the electronic-labels sender creator (external data senders).
void registerElectronicLabelsSenderObjects(Core::ModuleRegistrationList& list);
// The action that opens the stock-export dialog.
void registerElectronicLabelsStockExportDialogObjects(Core::ModuleRegistrationList& list);
// Host contract: the SES labels sender creator (external data senders).
void registerSesLabelsSenderObjects(Core::ModuleRegistrationList& list);

}  // namespace Labels
