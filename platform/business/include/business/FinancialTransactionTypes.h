// Financial transaction types (table FinancialTransactionType): what a cash register
// books when it sells a product that is a financial transaction (a top-up, a bill
// payment) rather than goods. The PLU sender looks one up per record, so the whole
// dictionary is read once, at the first lookup.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "db/SessionHolder.h"

namespace Business {

struct FinancialTransactionType {
    int id = 0;
    std::string guid;        // the type's identity on the cash registers
    std::string definition;  // the register's description of the transaction

    friend bool operator==(const FinancialTransactionType&, const FinancialTransactionType&) = default;
};

class FinancialTransactionTypes {
public:
    explicit FinancialTransactionTypes(TSessionHolder session = TSessionHolder(true));

    // Raises Core::PlacedRuntimeError "Nieznany typ transakcji finansowej: %1%." for an
    // id the dictionary does not hold.
    const FinancialTransactionType& find(int id);

private:
    const std::map<int, FinancialTransactionType>& types();

    TSessionHolder session_;
    std::optional<std::map<int, FinancialTransactionType>> types_;
};

}  // namespace Business
