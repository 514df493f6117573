// Symbols of the sale units (table JednostkaMiary), read once and then answered from
// memory: the price checkers print one beside every price.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "db/SessionHolder.h"

// Host contract: the measure-unit service.
class MeasureUnitService {
public:
    explicit MeasureUnitService(TSessionHolder session = TSessionHolder(true));

    // The unit's symbol ("szt", "kg"); empty for a code the table does not hold.
    std::string getSymbolFromCode(int code);

private:
    TSessionHolder session_;
    std::optional<std::map<int, std::string>> symbols_;
};
