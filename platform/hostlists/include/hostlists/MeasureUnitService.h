// The symbols of the shop's sale units (table JednostkaMiary), read once on first use
// and then answered from memory: scales and price checkers print one beside every price.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "db/SessionHolder.h"

// Host contract: the measure-unit service.
class MeasureUnitService {
public:
    explicit MeasureUnitService(TSessionHolder session = TSessionHolder(true));

    // Host contract: the symbol of a unit code ("szt", "kg"); empty for a code the shop lacks.
    std::string getSymbolFromCode(int code) const;

private:
    TSessionHolder session_;
    mutable std::optional<std::map<int, std::string>> symbols_;
};
using MeasureUnitServicePtr = std::shared_ptr<const MeasureUnitService>;
