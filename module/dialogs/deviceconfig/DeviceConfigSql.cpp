#include "dialogs/deviceconfig/DeviceConfigSql.h"

namespace Kolvenia::DeviceConfig::Sql {

const char* const QueryTypyUrz =
    "select\n"
    "  nNrTypuUrz,\n"
    "  -1 nNrSekcji,\n"
    "  -1 nNrKolvenia,\n"
    "  -1 lUrzadzenieRef,\n"
    "  -1 nLiczbaSekcji\n"
    "from Urzadzenie\n"
    "\n"
    "union\n"
    "\n"
    "select\n"
    "  nNrTypuUrz,\n"
    "  nNrSekcji,\n"
    "  -1 nNrKolvenia,\n"
    "  -1 lUrzadzenieRef,\n"
    "  (select count(distinct nNrSekcji)\n"
    "   from Urzadzenie u2\n"
    "   where u2.nNrTypuUrz=u.nNrTypuUrz) nLiczbaSekcji\n"
    "from Urzadzenie u\n"
    "\n"
    "union\n"
    "\n"
    "select\n"
    "  nNrTypuUrz,\n"
    "  nNrSekcji,\n"
    "  nNrKolvenia,\n"
    "  lUrzadzenieRef,\n"
    "  -1 nLiczbaSekcji\n"
    "from Urzadzenie\n"
    "order by nNrTypuUrz, nNrSekcji, nNrKolvenia";

std::string selectionCondition(const TSelection& selection) {
    if (!selection.isGroup()) return "lUrzadzenieRef=" + std::to_string(selection.deviceRef) + "\n";
    std::string condition = "nNrTypuUrz=" + std::to_string(selection.type);
    if (selection.section != -1) condition += " and nNrSekcji=" + std::to_string(selection.section);
    return condition + "\n";
}

std::string lockDevices(const TSelection& selection) {
    return std::string("select *\n") + "from Urzadzenie\nwhere " + selectionCondition(selection) +
           "for update of bWlaczone, bDostepne, bRozszerzonaTransmisja nowait";
}

std::string lockParameters(const TSelection& selection) {
    return std::string("select *\nfrom ParamUrz p\nwhere lUrzadzenieRef in\n") + "(select lUrzadzenieRef\n" +
           "from Urzadzenie\nwhere " + selectionCondition(selection) + ")" + "order by nParamId\n" +
           "for update of sWartoscParam nowait\n";
}

std::string duplicateNumber(int type, int section, int number, int excludedDeviceRef) {
    std::string sql = "\nselect 1 from urzadzenie u\nwhere\n  u.nNrTypuUrz = " + std::to_string(type) +
                      "\n  and u.nNrSekcji = " + std::to_string(section) +
                      "\n  and u.nNrKolvenia = " + std::to_string(number);
    if (excludedDeviceRef != -1) sql += "\n  and u.lUrzadzenieRef <> " + std::to_string(excludedDeviceRef);
    return sql;
}

const char* const ModifyDevice =
    "update Urzadzenie\n"
    "set\n"
    "  bWlaczone=:bWlaczone,\n"
    "  bDostepne=:bDostepne,\n"
    "  bRozszerzonaTransmisja=:bRozszerzonaTransmisja,\n"
    "  nNrSekcji=:nNrSekcji,\n"
    "  nNrKolvenia=:nNrKolvenia\n"
    "where\n"
    "  lUrzadzenieRef=:OLD_lUrzadzenieRef";

const char* const InsertDevice =
    "insert into Urzadzenie\n"
    "  (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia,\n"
    "   bWlaczone, bDostepne, bRozszerzonaTransmisja)\n"
    "values\n"
    "  (:lUrzadzenieRef, :nNrTypuUrz, :nNrSekcji, :nNrKolvenia,\n"
    "   :bWlaczone, :bDostepne, :bRozszerzonaTransmisja)";

const char* const DeleteDevice =
    "delete from Urzadzenie\n"
    "where\n"
    "  lUrzadzenieRef=:OLD_lUrzadzenieRef";

const char* const ModifyParameter =
    "update ParamUrz\n"
    "set\n"
    "  sWartoscParam=:sWartoscParam\n"
    "where\n"
    "  lParamUrzRef=:OLD_lParamUrzRef";

const char* const InsertParameter =
    "insert into ParamUrz\n"
    "  (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam)\n"
    "values\n"
    "  (:lParamUrzRef, :lUrzadzenieRef, :nParamId, :sWartoscParam)";

const char* const DeleteParameter =
    "delete from ParamUrz\n"
    "where\n"
    "  lParamUrzRef=:OLD_lParamUrzRef";

}  // namespace Kolvenia::DeviceConfig::Sql
