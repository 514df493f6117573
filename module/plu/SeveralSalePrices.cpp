#include "plu/SeveralSalePrices.h"

#include "frame/Configuration.h"

namespace PluTransmission {

bool severalSalePricesEnabled() {
    const auto key = Kolvenia::Config::findKey({"Inne", "Obsługa wielu cen sprzedaży"});
    return key && key->GetVal<bool>();
}

}  // namespace PluTransmission
