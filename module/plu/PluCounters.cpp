#include "plu/PluCounters.h"

namespace PluTransmission {

void PluCounters::count(RecordResult result) {
    switch (result) {
        case NotSentFlagsOrPrice: ++notSentFlagsOrPrice; break;
        case Sent: ++sent; break;
        case TransactionError: ++transactionErrors; break;
        case WrongConditionPrice: ++wrongConditionPrices; break;
    }
    ++processed;
}

}  // namespace PluTransmission
