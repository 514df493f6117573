// A shop fixture's life: a fresh database with the shop schema as the default session,
// the module with its cash-register plugin loaded on top, and both taken down in the
// order the module needs.
#pragma once

#include <optional>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"

namespace TestSupport {

// Creates the database on the engine, makes it the default session and writes the schema.
void openShop(std::optional<EngineDatabase>& database, std::optional<TSessionHolder>& session, Engine engine);

// Loads the module (which brings the cash-register plugin) and starts its modules.
void loadShopModule();

// Switches the statement log off and empties it, unloads the module while the session is
// still open (its singletons may hold statements of it), then closes the session.
void closeShop(std::optional<TSessionHolder>& session);

}  // namespace TestSupport
