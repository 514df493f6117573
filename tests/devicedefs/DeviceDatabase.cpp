#include "DeviceDatabase.h"

#include <boost/format.hpp>

#include "db/Command.h"
#include "shopdb/Schema.h"

namespace DeviceTests {

void DeviceDatabase::SetUp() {
    database_.emplace(GetParam());
    DBKernel::setDefaultSession(database_->url(), DBKernel::OpenMode::CreateIfMissing);
    ShopDb::createSchema(session());
}

void DeviceDatabase::TearDown() { DBKernel::resetDefaultSession(); }

void DeviceDatabase::addDevice(const DeviceRow& row) {
    DBKernel::Sql::Command insert(
        "insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone, bDostepne,"
        " bZainstalowane, bCzynne, bTransmisja, bRozszerzonaTransmisja) values (:ref, :type, :section, :number,"
        " :wlaczone, :dostepne, :zainstalowane, :czynne, :transmisja, :rozszerzona)",
        session());
    insert.Params["ref"] = row.ref;
    insert.Params["type"] = row.type;
    insert.Params["section"] = row.section;
    insert.Params["number"] = row.number;
    insert.Params["wlaczone"] = row.wlaczone;
    insert.Params["dostepne"] = row.dostepne;
    insert.Params["zainstalowane"] = row.zainstalowane;
    insert.Params["czynne"] = row.czynne;
    insert.Params["transmisja"] = row.transmisja;
    insert.Params["rozszerzona"] = row.rozszerzonaTransmisja;
    insert.execute();
}

void DeviceDatabase::addParam(int deviceRef, int paramId, const std::optional<std::string>& value) {
    DBKernel::Sql::Command insert(
        "insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) values (:ref, :device, :id, :value)",
        session());
    insert.Params["ref"] = nextParamRef_++;
    insert.Params["device"] = deviceRef;
    insert.Params["id"] = paramId;
    insert.Params["value"] = value;
    insert.execute();
}

}  // namespace DeviceTests
