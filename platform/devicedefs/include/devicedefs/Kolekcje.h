// Ready-made device collections, read from table Urzadzenie through the host's default
// session. Each call returns a new collection ordered by type, section and number, or
// null when no device of the asked kind exists.
//
// The states follow the operator's two switches of the device configuration window,
// bWlaczone ("Zainstalowane") and bDostepne ("Aktualnie czynne"), and the host's own
// marks bZainstalowane, bCzynne and bTransmisja, which can only withdraw a device:
//   enabled         bWlaczone = 1
//   available       enabled and bDostepne = 1
//   installed       cash register, enabled and bZainstalowane = 1
//   working         installed and bDostepne = 1 and bCzynne = 1
//   in transmission cash register or scale, enabled and bTransmisja = 1
#pragma once

#include "devicedefs/UrzadzenieCollection.h"

namespace Kolvenia {

TUrzadzenieCollectionPtr kolekcjaUrzadzen();
TUrzadzenieCollectionPtr kolekcjaKas();
TUrzadzenieCollectionPtr kolekcjaZainstalowanychKas();
TUrzadzenieCollectionPtr kolekcjaCzynnychKas();
TUrzadzenieCollectionPtr kolekcjaWlaczonychUrzadzen();
TUrzadzenieCollectionPtr kolekcjaDostepnychUrzadzen();
TUrzadzenieCollectionPtr kolekcjaKasIWagDoTransmisji();
TUrzadzenieCollectionPtr kolekcjaSkanerow();

bool urzadzenieWlaczone(const TUrzadzenie& device);

}  // namespace Kolvenia
