// "korvel db init": creates the shop schema in a database and, on request, fills it
// with the demo shop.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace Korvel::App {

struct DbInitOptions {
    bool demo = false;
    bool force = false;
    long long products = 1000;
    unsigned long long seed = 1;
};

// Parses what follows "db": "init" and its options; raises UsageError.
DbInitOptions parseDbInit(const std::vector<std::string>& arguments);

// Creates (with --force: recreates) the schema, then the demo shop when asked for.
// A new SQLite file is removed again when the initialisation fails, so a mistyped
// path leaves nothing behind. Progress goes to `progress` when given.
void runDbInit(const std::string& databaseUrl, const DbInitOptions& options, std::ostream& out, std::ostream* progress);

}  // namespace Korvel::App
