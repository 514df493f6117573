// Registration of the external data senders registry and of sender creators.
#pragma once

#include "core/Registration.h"
#include "external/ExternalDataSenders.h"

namespace Senders {

// Registers a creator with the registry singleton and returns its handle.
Core::RegistrationHandle registerSenderCreator(const char* name, SenderCreator creator);

// Registers the registry singleton (undone when the list goes), then loads the
// petrol-station module "Tankora.dll" when "Inne" -> "Obsługa stacji paliw" is true.
void registerExternalDataSendersObjects(Core::ModuleRegistrationList& list);

}  // namespace Senders
