// The check of every configured transfer directory before a PLU transmission.
#pragma once

namespace Kolvenia::Kasa {

// Over all devices: the cash-register server's output and input directories for the
// first cash register that is not integrated ("bKasaZintegrowana" false), the scale
// server's data directory for the first enabled scale, and the price checker's
// directory when the price checker is switched on. Raises the directory check's error
// ("Błąd katalogu serwera kasowego!", "Błąd katalogu serwera wagowego!",
// "Błąd katalogu PriceCheckera!") for the first one that cannot be entered.
void checkDeviceDirectories();

}  // namespace Kolvenia::Kasa
