// The host's PLU configuration: what a cash register must know to read the shop's PLU
// codes as the back office does, i.e. which two-digit prefixes mark scale codes
// carrying a weight or a value, price-carrying codes and other in-store codes. It is
// the code rules in force (Plu::CodeRules::current(), configured under "Parametry
// programu" -> "Kody PLU"); the PLU configuration send hands it to the registers.
#pragma once

#include "tools/Plu.h"

namespace Plu {

using PluConfig = CodeRules;

// Host contract: the PLU configuration the host hands to the cash registers.
const PluConfig& pluConfig();

}  // namespace Plu
