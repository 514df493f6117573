// The shop database's schema: its tables, views, routines, reference data and the
// reference counter of GetRef(), on the engine behind a session (docs/database.md).
#pragma once

#include <cstdint>

#include "db/SessionHolder.h"

namespace ShopDb {

// True when the database already holds the shop schema (its product table Towar).
bool hasSchema(const TSessionHolder& session);

// Creates the schema. A database that already holds it is refused with a
// Core::PlacedRuntimeError unless `force` is set; with `force` every object the
// schema creates is dropped first, with all its data. Runs in the session's open
// transaction, or in one of its own that it commits (and rolls back on failure).
void createSchema(TSessionHolder session, bool force = false);

// Moves the reference counter on, so that GetRef() hands out only values above
// `lastUsed` (a counter already past it stays where it is).
void reserveReferences(TSessionHolder session, std::int64_t lastUsed);

}  // namespace ShopDb
