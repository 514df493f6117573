// The host's available measure units (table JednostkaMiary), read once per object.
//
//   for (const Core::MeasureUnit& unit : Core::AvailMeasureUnits().units()) ...
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"

namespace Core {

struct MeasureUnit {
    int number = 0;      // nJm, what PLU records name as their sale unit
    std::string symbol;  // "szt", "kg"
    std::string name;
    bool divisible = false;  // sold in fractions (weighed, poured)
};

class AvailMeasureUnits {
public:
    explicit AvailMeasureUnits(TSessionHolder session = TSessionHolder(true));

    // Every unit, by number.
    const std::vector<MeasureUnit>& units();

private:
    TSessionHolder session_;
    std::optional<std::vector<MeasureUnit>> units_;
};

}  // namespace Core
