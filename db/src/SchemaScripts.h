// The schema scripts, built into the library from db/schema.
#pragma once

#include <string_view>

namespace ShopDb::SchemaScripts {

extern const std::string_view postgresql;  // tables, views and routines on PostgreSQL
extern const std::string_view sqlite;      // the same on SQLite
extern const std::string_view reference;   // reference data, for either engine

}  // namespace ShopDb::SchemaScripts
