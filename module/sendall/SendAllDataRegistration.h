// Registers the send-all-data action and its dialog action, in that order.
#pragma once

#include "core/Registration.h"

namespace Kolvenia::SendAll {

void registerSendAllDataObjects(Core::ModuleRegistrationList& list);
void registerSendAllDataDlgObjects(Core::ModuleRegistrationList& list);

}  // namespace Kolvenia::SendAll
