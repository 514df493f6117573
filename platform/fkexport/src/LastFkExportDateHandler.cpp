#include "fkexport/LastFkExportDateHandler.h"

#include "db/Query.h"

std::optional<int> LastFkExportDateHandler::getLastExportDate() const {
    DBKernel::Sql::OpenedQuery last("select max(fe.export_date) last_export_date from fk_export fe", session_);
    if (last["last_export_date"].isNull()) return std::nullopt;
    return last["last_export_date"].asInt();
}
