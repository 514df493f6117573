#include "devicedefs/Kolekcje.h"

#include <string>

#include "db/Query.h"

namespace Kolvenia {

namespace {

std::string typeIs(TTypUrzadzenia type) { return "nNrTypuUrz = " + std::to_string(type); }

// The condition of each collection, in terms of Urzadzenie's columns.
const std::string kCashRegister = typeIs(tuKasa);
const std::string kEnabled = "bWlaczone = 1";
const std::string kAvailable = "bWlaczone = 1 and bDostepne = 1";
const std::string kInstalledCashRegister = kCashRegister + " and bWlaczone = 1 and bZainstalowane = 1";
const std::string kWorkingCashRegister = kInstalledCashRegister + " and bDostepne = 1 and bCzynne = 1";
const std::string kCashRegisterOrScaleInTransmission = "nNrTypuUrz in (" + std::to_string(tuKasa) + ", " +
                                                       std::to_string(tuWaga) +
                                                       ") and bWlaczone = 1 and bTransmisja = 1";
const std::string kScanner = typeIs(tuSkaner);

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

// condition: a where clause, or empty for every device.
TUrzadzenieCollectionPtr collectionWhere(const std::string& condition) {
    std::string sql =
        "select lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone, bDostepne, bRozszerzonaTransmisja\n"
        "from Urzadzenie\n";
    if (!condition.empty()) sql += "where " + condition + "\n";
    sql += "order by nNrTypuUrz, nNrSekcji, nNrKolvenia, lUrzadzenieRef";

    DBKernel::Sql::OpenedQuery q(sql, TSessionHolder(true));
    if (q.empty()) return nullptr;
    auto collection = std::make_shared<TUrzadzenieCollection>();
    for (; q; q.next()) collection->add(deviceOfCurrentRow(q));
    return collection;
}

}  // namespace

TUrzadzenieCollectionPtr kolekcjaUrzadzen() { return collectionWhere({}); }

TUrzadzenieCollectionPtr kolekcjaKas() { return collectionWhere(kCashRegister); }

TUrzadzenieCollectionPtr kolekcjaZainstalowanychKas() { return collectionWhere(kInstalledCashRegister); }

TUrzadzenieCollectionPtr kolekcjaCzynnychKas() { return collectionWhere(kWorkingCashRegister); }

TUrzadzenieCollectionPtr kolekcjaWlaczonychUrzadzen() { return collectionWhere(kEnabled); }

TUrzadzenieCollectionPtr kolekcjaDostepnychUrzadzen() { return collectionWhere(kAvailable); }

TUrzadzenieCollectionPtr kolekcjaKasIWagDoTransmisji() { return collectionWhere(kCashRegisterOrScaleInTransmission); }

TUrzadzenieCollectionPtr kolekcjaSkanerow() { return collectionWhere(kScanner); }

bool urzadzenieWlaczone(const TUrzadzenie& device) { return device.bWlaczone; }

}  // namespace Kolvenia
