#include "DemoFkExport.h"

#include "TableInsert.h"

namespace ShopDb {

void writeFkExports(const TSessionHolder& session, std::int32_t today) {
    TableInsert exports(session, "fk_export", {"export_id", "export_date"});
    for (int week = 2; week >= 1; --week) {
        exports["export_id"] = 3 - week;
        exports["export_date"] = today - 2 - 7 * week;
        exports.insert();
    }
}

}  // namespace ShopDb
