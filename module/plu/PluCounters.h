// What one run of the PLU engine did with its rows, for the summary.
#pragma once

#include <string>

namespace PluTransmission {

// What ProcessRecord answers for a row.
enum RecordResult : int {
    NotSentFlagsOrPrice = 0,
    Sent = 1,
    TransactionError = 2,
    WrongConditionPrice = 4,
};

struct PluCounters {
    unsigned processed = 0;
    unsigned notSentFlagsOrPrice = 0;
    unsigned sent = 0;
    unsigned transactionErrors = 0;
    unsigned wrongConditionPrices = 0;

    void count(RecordResult result);
    // Any of the three "not sent" counters above zero.
    bool anyNotSent() const { return notSentFlagsOrPrice || transactionErrors || wrongConditionPrices; }
};

// The operator's summary ("Podsumowanie operacji:" and the counters): two counter
// lines, and the three not-sent ones only when any of them is above zero.
std::string operationSummary(const PluCounters& counters);

}  // namespace PluTransmission
