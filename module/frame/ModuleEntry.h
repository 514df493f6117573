// The module's entry and the registration of all its units.
#pragma once

#include "core/Registration.h"

namespace Kolvenia {

// Calls every unit's registration function in the module's fixed order, then queues
// the module initialisation function.
// Host contract: the registration function, the initialisation function and the entry.
void registerObjects(Core::ModuleRegistrationList& list);

// Run by the host once all modules are registered: loads the configured cash-register
// transmission module (its normalised name + ".dll") when one is named.
void initializeModule();

}  // namespace Kolvenia

extern "C" __attribute__((visibility("default"))) int DllEntryPoint(void* instance, unsigned long reason,
                                                                    void* reserved);
