#include "devicedefs/Kolekcje.h"

#include <string>

#include "db/Query.h"

namespace Kolvenia {

namespace {

// The condition of each collection, in terms of Urzadzenie's columns.
const char* const kCashRegister = "nNrTypuUrz = 0";
const char* const kEnabled = "bWlaczone = 1";
const char* const kAvailable = "bWlaczone = 1 and bDostepne = 1";
const char* const kInstalledCashRegister = "nNrTypuUrz = 0 and bWlaczone = 1 and bZainstalowane = 1";
const char* const kWorkingCashRegister =
    "nNrTypuUrz = 0 and bWlaczone = 1 and bZainstalowane = 1 and bDostepne = 1 and bCzynne = 1";
const char* const kCashRegisterOrScaleInTransmission = "nNrTypuUrz in (0, 1) and bWlaczone = 1 and bTransmisja = 1";
const char* const kScanner = "nNrTypuUrz = 2";

std::unique_ptr<TUrzadzenie> deviceOfCurrentRow(const DBKernel::Sql::Query& q) {
    auto device = std::make_unique<TUrzadzenie>();
    device->lUrzadzenieRef = q["lUrzadzenieRef"].asInt();
    device->nNrTypuUrz = q["nNrTypuUrz"].asInt();
    device->nNrSekcji = q["nNrSekcji"].asInt();
    device->nNrKolvenia = q["nNrKolvenia"].asInt();
    device->bWlaczone = q["bWlaczone"].asInt() == 1;
    device->bDostepne = q["bDostepne"].asInt() == 1;
    device->bRozszerzonaTransmisja = q["bRozszerzonaTransmisja"].asInt() == 1;
    return device;
}

// condition: a where clause, or nullptr for every device.
TUrzadzenieCollectionPtr collectionWhere(const char* condition) {
    std::string sql =
        "select lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone, bDostepne, bRozszerzonaTransmisja\n"
        "from Urzadzenie\n";
    if (condition) sql += std::string("where ") + condition + "\n";
    sql += "order by nNrTypuUrz, nNrSekcji, nNrKolvenia, lUrzadzenieRef";

    DBKernel::Sql::OpenedQuery q(sql, TSessionHolder(true));
    if (q.empty()) return nullptr;
    auto collection = std::make_shared<TUrzadzenieCollection>();
    for (; q; q.next()) collection->add(deviceOfCurrentRow(q));
    return collection;
}

}  // namespace

TUrzadzenieCollectionPtr kolekcjaUrzadzen() {
    return collectionWhere(nullptr);
}

TUrzadzenieCollectionPtr kolekcjaKas() {
    return collectionWhere(kCashRegister);
}

TUrzadzenieCollectionPtr kolekcjaZainstalowanychKas() {
    return collectionWhere(kInstalledCashRegister);
}

TUrzadzenieCollectionPtr kolekcjaCzynnychKas() {
    return collectionWhere(kWorkingCashRegister);
}

TUrzadzenieCollectionPtr kolekcjaWlaczonychUrzadzen() {
    return collectionWhere(kEnabled);
}

TUrzadzenieCollectionPtr kolekcjaDostepnychUrzadzen() {
    return collectionWhere(kAvailable);
}

TUrzadzenieCollectionPtr kolekcjaKasIWagDoTransmisji() {
    return collectionWhere(kCashRegisterOrScaleInTransmission);
}

TUrzadzenieCollectionPtr kolekcjaSkanerow() {
    return collectionWhere(kScanner);
}

bool urzadzenieWlaczone(const TUrzadzenie& device) {
    return device.bWlaczone;
}

}  // namespace Kolvenia
