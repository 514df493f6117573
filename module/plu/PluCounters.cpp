#include "plu/PluCounters.h"

#include <sstream>

#include "core/I18n.h"

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

std::string operationSummary(const PluCounters& counters) {
    using Core::I18n::translate;
    // Host contract: the summary's texts.
    std::ostringstream out;
    out << translate("Podsumowanie operacji:\n\n") << translate("   Przetworzono rekordów: ") << counters.processed
        << '\n'
        << translate("   Wysłano do urządzeń: ") << counters.sent << '\n';
    if (counters.anyNotSent())
        out << translate("   Nie wysłano ze względu na flagi lub brak ceny: ") << counters.notSentFlagsOrPrice << '\n'
            << translate("   Nie wysłano ze względu na błędne przypisania cen z warunków: ")
            << counters.wrongConditionPrices << '\n'
            << translate("   Nie wysłano ze względu na błędy transakcji: ") << counters.transactionErrors << '\n';
    return out.str();
}

}  // namespace PluTransmission
