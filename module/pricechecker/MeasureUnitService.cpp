#include "pricechecker/MeasureUnitService.h"

#include "db/Query.h"

MeasureUnitService::MeasureUnitService(TSessionHolder session) : session_(std::move(session)) {}

std::string MeasureUnitService::getSymbolFromCode(int code) {
    if (!symbols_) {
        symbols_.emplace();
        for (DBKernel::Sql::OpenedQuery units("select nJm, sSymbol from JednostkaMiary", session_); units; units.next())
            (*symbols_)[units["nJm"].asInt()] = units["sSymbol"].asString();
    }
    const auto symbol = symbols_->find(code);
    return symbol == symbols_->end() ? std::string() : symbol->second;
}
