#include "scales/MeasureUnitService.h"

#include "db/Query.h"

namespace Devices {

std::string MeasureUnitService::getSymbolFromCode(int code) const {
    if (!symbols_) {
        symbols_.emplace();
        for (DBKernel::Sql::OpenedQuery units("select nJm, sSymbol from JednostkaMiary", session_); units; units.next())
            (*symbols_)[units["nJm"].asInt()] = units["sSymbol"].asString();
    }
    const auto found = symbols_->find(code);
    return found == symbols_->end() ? std::string() : found->second;
}

}  // namespace Devices
