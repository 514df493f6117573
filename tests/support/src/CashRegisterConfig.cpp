#include "support/CashRegisterConfig.h"

namespace TestSupport {

std::string cashRegisterConfiguration(const std::filesystem::path& outputDirectory, bool eveningDiscounts) {
    return "<configuration><key name=\"Parametry programu\">\n"
           " <key name=\"Odczyt wieczorny\"><key name=\"Akcje\"><key name=\"Wysłanie typów przecen automatycznych\">"
           "<key name=\"Włączone\" type=\"bool\" value=\"" +
           std::string(eveningDiscounts ? "true" : "false") +
           "\"/></key></key></key>\n"
           " <key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">\n"
           "  <key name=\"Katalog - wyjście\" type=\"string\" value=\"" + outputDirectory.string() + "\"/>\n"
           "  <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>\n"
           " </key></key>\n"
           "</key></configuration>";
}

}  // namespace TestSupport
