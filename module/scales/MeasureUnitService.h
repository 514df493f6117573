// The symbols of the shop's sale units (table JednostkaMiary), read once on first use.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "db/SessionHolder.h"

namespace Devices {

class MeasureUnitService {
public:
    explicit MeasureUnitService(TSessionHolder session = TSessionHolder(true)) : session_(std::move(session)) {}

    // Host contract: the symbol of a unit code; empty for a code the shop lacks.
    std::string getSymbolFromCode(int code) const;

private:
    TSessionHolder session_;
    mutable std::optional<std::map<int, std::string>> symbols_;
};
using MeasureUnitServicePtr = std::shared_ptr<const MeasureUnitService>;

}  // namespace Devices
