// "korvel evening": the shop's end-of-day run. Every registered evening action runs in
// registration order for one day; an action whose conditions are not satisfied (its
// own "Włączone" switch) is skipped, and a failing one does not stop the others.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace Korvel::App {

struct EveningOptions {
    std::optional<int> day;  // --day dd.mm.yyyy as a day number; empty: the database's today
};

// Parses what follows "evening"; raises UsageError.
EveningOptions parseEvening(const std::vector<std::string>& arguments);

// Runs the evening actions of the loaded modules; each action's status line goes to
// `out`, failures to `errors`. Answers whether every action that ran succeeded.
bool runEvening(const EveningOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace Korvel::App
