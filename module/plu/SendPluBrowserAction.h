// The menu action that opens the send-PLU window: it builds the window's behaviour for
// today (which marks the day's records in the database) and hands it to the host's
// form kernel. In a host without windows it refuses before touching the database.
#pragma once

#include "core/Action.h"
#include "core/Registration.h"

namespace Kolvenia::SendPlu {

// Host contract: the class name of dialog-opening actions.
class CFormCreator : public Core::IAction, public Core::IExecutor {
public:
    // Host contract: the window's menu item.
    static constexpr const char* menuPath = ".miTransmisje.miPrzeslaniePLU";

    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

}  // namespace Kolvenia::SendPlu

namespace Kolvenia {

// Host contract: the unit's registration function.
void registerSendPLUObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia
