// The send-all-PLU action: from the menu it opens the send-all-PLU dialog; started by
// the send-all-data action it sends every valid PLU, without a window, to the devices
// the invoker names, and answers a Core::ActionStatus.
#pragma once

#include "core/Action.h"
#include "core/Registration.h"

namespace Kolvenia::AllPlus {

// Host contract: the class name of dialog-opening actions.
class CFormCreator : public Core::IAction, public Core::IExecutor {
public:
    // Host contract: the dialog's form class and menu item.
    static constexpr const char* formClass = "TdlgSendAllPLU";
    static constexpr const char* menuPath = ".miTransmisje.miPrzeslanieWszystkichPLU";

    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerSendAllPluObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::AllPlus
