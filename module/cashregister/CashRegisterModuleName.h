// The cash-register transmission module named in the configuration.
#pragma once

#include <string>

namespace Kolvenia::Kasa {

// The value of "Parametry programu" -> "FrontOffice" -> "Serwer Kasowy" ->
// "Moduł transmisji do kasy" in lower case, with every ".bpl" and then every ".dll"
// removed; empty when the key or the value is missing.
std::string getCashRegisterModuleName();

// The one normalised name the system knows: the XML-based cash-register server communication.
inline constexpr const char* XmlBasedServerCommunication = "xmlbasedservercommunication";

}  // namespace Kolvenia::Kasa
