// The communication check: can the transfer directories of every configured device
// server be entered? Run before a transmission, or by hand from the console.
#pragma once

#include "core/Action.h"
#include "core/Registration.h"

namespace Kolvenia::Kasa {

class CheckCommunicationAction : public Core::IAction, public Core::IExecutor {
public:
    // Raises the directory check's error; with an output stream in the arguments,
    // confirms a successful check there.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerCheckCommunicationObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::Kasa
