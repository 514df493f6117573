// Numbers of PLUs on the Elzab RS price checkers. A price checker knows a product by a
// number from 1 to "Maksymalna liczba PLU"; the assignment lives in price_checker_plu
// so that a PLU keeps its number from one transmission to the next. Once the range is
// used up, gaps are filled first, then numbers of PLUs being removed (state 3 or 4)
// are taken over.
//
//   PriceCheckerPluNumberGetter numbers(session);    // loads the table once
//   if (auto number = numbers.getNumber(pluRef)) ... // may write in the caller's transaction
//
// A PLU that already has a number is answered from memory; only a new number costs a
// statement (the merge), and past the range the queries for a free or reusable one.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "db/Command.h"
#include "db/SessionHolder.h"

namespace Devices::PriceChecker {

// Host contract: the numbering of PLUs on the price checkers.
class PriceCheckerPluNumberGetter {
public:
    // Reads "Maksymalna liczba PLU" (required), then the table.
    explicit PriceCheckerPluNumberGetter(TSessionHolder session);

    // The PLU's number, allocated and stored when it has none; empty when every number
    // is taken and no PLU being removed holds one.
    std::optional<std::int32_t> getNumber(std::int32_t pluRef);

    std::int32_t maximum() const { return maximum_; }

private:
    void load();
    std::optional<std::int32_t> allocate();
    std::optional<std::int32_t> firstFreeNumber();
    std::optional<std::int32_t> takeNumberOfRemovedPlu();
    void store(std::int32_t pluRef, std::int32_t number);

    TSessionHolder session_;
    std::int32_t maximum_;
    std::map<std::int32_t, std::int32_t> cache_;
    std::int32_t lastNumber_ = 0;
    std::unique_ptr<DBKernel::Sql::Command> merge_;
};

using PriceCheckerPluNumberGetterPtr = std::shared_ptr<PriceCheckerPluNumberGetter>;

}  // namespace Devices::PriceChecker
