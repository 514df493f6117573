#include "hostlists/MeasureUnits.h"

#include "db/Query.h"

namespace Core {

AvailMeasureUnits::AvailMeasureUnits(TSessionHolder session) : session_(std::move(session)) {}

const std::vector<MeasureUnit>& AvailMeasureUnits::units() {
    if (!units_) {
        std::vector<MeasureUnit> read;
        for (DBKernel::Sql::OpenedQuery row("select nJm, sSymbol, sNazwa, bPodzielna from JednostkaMiary order by nJm",
                                            session_);
             row; row.next())
            read.push_back({row["nJm"].asInt(), row["sSymbol"].asString(), row["sNazwa"].asString(),
                            row["bPodzielna"].asInt() != 0});
        units_ = std::move(read);
    }
    return *units_;
}

}  // namespace Core
