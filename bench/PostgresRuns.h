// The day's PLU transmission on PostgreSQL: the tests' throwaway cluster, the demo shop
// generated once per size into a database that is the template of a fresh copy for
// every run, and `korvel fire` on each copy: first a run with every statement logged by
// the server (counts and server time per text), then `runs` measured runs, each
// followed by the floor: the logged statements replayed through libpq alone on another
// fresh copy, which must leave the same data. Prints one table row per size.
#pragma once

#include <filesystem>
#include <vector>

namespace PostgresRuns {

struct Settings {
    std::vector<int> sizes;
    int runs = 3;
    unsigned seed = 0;
    std::filesystem::path korvel;
};

void measure(const Settings& settings);

}  // namespace PostgresRuns
