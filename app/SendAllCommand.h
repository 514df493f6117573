// "korvel send-all": sends every chosen kind of data to new or emptied cash registers
// (and scales, for the kinds that go to scales) through the module's send-all-data
// action, which runs in a background thread; the command waits for it, prints each
// kind as it starts, draws the kind's progress on a terminal, and turns Ctrl-C into
// the cancel request (the kind being sent completes, no further kind starts).
#pragma once

#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace Korvel::App {

struct SendAllOptions {
    std::set<int> kinds;      // --kinds: "Kod typu operacji" of each kind
    std::set<int> devices;    // --devices: lUrzadzenieRef of each cash register or scale
    bool allDevices = false;  // --devices all: every cash register and scale taking part in transmission
};

// Parses what follows "send-all"; raises UsageError.
SendAllOptions parseSendAll(const std::vector<std::string>& arguments);

enum class SendAllOutcome { Completed, Cancelled, Failed };

// Runs the send-all-data action and waits for its end. Texts of the run go to `out`,
// the reason of a refusal to `errors`; `terminal` gets the kind's progress bar.
SendAllOutcome runSendAll(const SendAllOptions& options, std::ostream& out, std::ostream& errors,
                          std::ostream* terminal);

}  // namespace Korvel::App
