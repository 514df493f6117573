// The engine's write-back of the operator's edits in the main query.
#include <initializer_list>

#include "db/Command.h"
#include "plu/PLUTransmissionContainer.h"

namespace {

bool changed(Db::TDataSet& rows, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const Db::TField& field = rows.FieldByName(name);
        if (field.value() != field.OldValue()) return true;
    }
    return false;
}

// One statement per table, by the row's key, binding the fields named in it.
void writeRow(Db::TDataSet& rows, const TSessionHolder& session, const char* sql,
              std::initializer_list<const char*> names) {
    DBKernel::Sql::Command command(sql, session);
    for (const char* name : names) command.Params[name] = rows.FieldByName(name).value();
    command.execute();
}

}  // namespace

void TPLUTransmissionContainer::applyChanges() {
    mainQuery_.OnUpdateRecord = [this](Db::TDataSet& rows, Db::TUpdateKind) {
        if (changed(rows, {"byBlokada", "byStatus"}))
            writeRow(rows, session_,
                     "update PLU set byBlokada = :byBlokada, byStatus = :byStatus where lPluRef = :lPluRef",
                     {"byBlokada", "byStatus", "lPluRef"});
        if (changed(rows, {"bySendNat", "bySendWiecz"}))
            writeRow(rows, session_,
                     "update Towar set bySendNat = :bySendNat, bySendWiecz = :bySendWiecz where lTowarRef = :lTowarRef",
                     {"bySendNat", "bySendWiecz", "lTowarRef"});
    };
    mainQuery_.ApplyUpdates();
    mainQuery_.OnUpdateRecord = nullptr;
}
