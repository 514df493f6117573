// One device of the shop floor: a row of table Urzadzenie.
#pragma once

#include <cstdint>
#include <string>

#include "devicedefs/DBObject.h"

// Host contract: the values of nNrTypuUrz the system knows by name; any other value is
// another kind of device, which the senders skip.
enum TTypUrzadzenia : std::int32_t {
    tuKasa = 0,
    tuWaga = 1,
    tuSkaner = 2,
    tuWeryfikatorCen = 3,
};

class TUrzadzenie : public Core::TDBObject {
public:
    std::int32_t lUrzadzenieRef = 0;
    std::int32_t nNrTypuUrz = 0;
    std::int32_t nNrSekcji = 0;    // scales are numbered within their section
    std::int32_t nNrKolvenia = 0;  // the number a device is addressed by
    bool bWlaczone = false;
    bool bDostepne = false;
    bool bRozszerzonaTransmisja = false;

    std::string className() const override;
    bool castableTo(const std::string& name) const override;
};
