#include "support/CashRegisterConfig.h"

namespace TestSupport {

namespace {

std::string switchedOn(const std::string& action, const std::string& furtherKeys = "") {
    return "  <key name=\"" + action + "\"><key name=\"Włączone\" type=\"bool\" value=\"true\"/>" + furtherKeys +
           "</key>\n";
}

std::string cashRegisterServer(const std::filesystem::path& outputDirectory) {
    return " <key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">\n"
           "  <key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
           outputDirectory.string() +
           "\"/>\n"
           "  <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>\n"
           " </key></key>\n";
}

}  // namespace

std::string cashRegisterServerKeys(const std::filesystem::path& directory) {
    return "   <key name=\"Serwer Kasowy\">\n"
           "    <key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
           directory.string() +
           "\"/>\n"
           "    <key name=\"Katalog - wejście\" type=\"string\" value=\"" +
           directory.string() +
           "\"/>\n"
           "    <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>\n"
           "   </key>\n";
}

namespace {

std::string labelKeys(const std::optional<LabelServer>& labels) {
    if (!labels) return "";
    return "<key name=\"Parametry sklepu\"><key name=\"Towary\"><key name=\"Etykiety elektroniczne\">\n"
           " <key name=\"Włączone\" type=\"bool\" value=\"true\"/>\n"
           " <key name=\"Klasa eksportu\" type=\"string\" value=\"ElectronicLabelsSender\"/>\n"
           " <key name=\"Katalog plików etykiet\" type=\"string\" value=\"" +
           labels->localFolder.string() +
           "\"/>\n"
           " <key name=\"Serwer FTP\" type=\"string\" value=\"" +
           labels->address +
           "\"/>\n"
           " <key name=\"Użytkownik FTP\" type=\"string\" value=\"" +
           labels->user +
           "\"/>\n"
           " <key name=\"Hasło FTP\" type=\"string\" value=\"" +
           labels->password +
           "\"/>\n"
           " <key name=\"Folder etykiet\" type=\"string\" value=\"etykiety\"/>\n"
           "</key></key></key>\n";
}

}  // namespace

std::string cashRegisterConfiguration(const std::filesystem::path& outputDirectory, bool eveningDiscounts) {
    return "<configuration><key name=\"Parametry programu\">\n"
           " <key name=\"Odczyt wieczorny\"><key name=\"Akcje\"><key name=\"Wysłanie typów przecen automatycznych\">"
           "<key name=\"Włączone\" type=\"bool\" value=\"" +
           std::string(eveningDiscounts ? "true" : "false") + "\"/></key></key></key>\n" +
           cashRegisterServer(outputDirectory) + "</key></configuration>";
}

std::string eveningConfiguration(const EveningSteps& steps) {
    const std::string turnoverKeys =
        "<key name=\"Uwzględnianie dni bez sprzedaży\" type=\"bool\" value=\"false\"/>"
        "<key name=\"Weryfikacja za ostatnie X dni\" type=\"bool\" value=\"true\">"
        "<key name=\"Liczba dni\" type=\"int\" value=\"" +
        std::to_string(steps.turnoverDays) +
        "\"/></key>"
        "<key name=\"Weryfikacja od ostatniego dnia eksportu do FK\" type=\"bool\" value=\"false\"/>";
    return "<configuration><key name=\"Parametry programu\">\n"
           " <key name=\"Odczyt wieczorny\">\n"
           "  <key name=\"Import zablokowanych bonów\"><key name=\"Folder\" type=\"string\" value=\"" +
           steps.voucherFolder.string() +
           "\"><key name=\"Usuwanie starych plików\" type=\"bool\" value=\"false\"/></key></key>\n"
           "  <key name=\"Akcje\">\n" +
           switchedOn("Wysłanie typów przecen automatycznych") + switchedOn("Wysłanie zablokowanych bonów") +
           switchedOn("Dosłanie brakujących danych o sprzedaży z kas", turnoverKeys) + "  </key>\n </key>\n" +
           cashRegisterServer(steps.outputDirectory) + "</key>\n" + labelKeys(steps.labels) + "</configuration>";
}

}  // namespace TestSupport
