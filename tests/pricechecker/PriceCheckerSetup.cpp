#include "PriceCheckerSetup.h"

#include <algorithm>
#include <regex>

#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/Query.h"
#include "support/CashRegisterConfig.h"
#include "support/ShopModule.h"
#include "support/ShopRows.h"

namespace fs = std::filesystem;

namespace PriceCheckerTest {

Directories::Directories() {
    for (const auto& directory : {directoryChecker, temporary, exchange, cashRegisters})
        fs::create_directories(directory);
}

std::string configuration(const Settings& settings, const Directories& directories) {
    auto boolean = [](bool value) { return value ? "true" : "false"; };
    std::string ids;
    for (const auto& id : settings.checkerIds) ids += "     <key name=\"" + id + "\"/>\n";
    const std::string maximum = settings.maximumNumber
                                    ? "    <key name=\"Maksymalna liczba PLU\" type=\"int\" value=\"" +
                                          std::to_string(*settings.maximumNumber) + "\"/>\n"
                                    : "";
    std::string xml =
        "<configuration>\n"
        " <key name=\"Inne\">\n"
        "  <key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"false\"/>\n"
        "  <key name=\"Obsługa wielu cen sprzedaży\" type=\"bool\" value=\"false\"/>\n"
        " </key>\n"
        " <key name=\"Parametry programu\">\n"
        "  <key name=\"Katalog tymczasowy\" type=\"string\" value=\" " +
        directories.temporary.string() +
        " \"/>\n"
        "  <key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"false\"/>\n"
        "  <key name=\"Refundacja promocji\"><key name=\"Włączona\" type=\"bool\" value=\"false\"/></key>\n"
        "  <key name=\"FrontOffice\">\n";
    if (settings.packageSize)
        xml += "   <key name=\"Wielkość paczki zawierającej PLU\" type=\"int\" value=\"" +
               std::to_string(*settings.packageSize) + "\"/>\n";
    return xml + TestSupport::cashRegisterServerKeys(directories.cashRegisters) +
           "   <key name=\"PriceChecker\">\n"
           "    <key name=\"Włączony\" type=\"bool\" value=\"" +
           boolean(settings.directoryChecker) +
           "\"/>\n"
           "    <key name=\"Katalog\" type=\"string\" value=\"" +
           directories.directoryChecker.string() +
           "\"/>\n"
           "   </key>\n"
           "   <key name=\"PriceChecker Elzab RS\">\n"
           "    <key name=\"Włączony\" type=\"bool\" value=\"" +
           boolean(settings.elzab) +
           "\"/>\n"
           "    <key name=\"Folder\" type=\"string\" value=\"" +
           directories.exchange.string() +
           "\"/>\n"
           "    <key name=\"Maksymalna ilość PLU w pliku\" type=\"int\" value=\"" +
           std::to_string(settings.recordsPerFile) + "\"/>\n" + maximum + "    <key name=\"Id weryfikatorów\">\n" +
           ids +
           "     <key name=\".info\" type=\"string\" value=\"not a price checker\"/>\n"
           "    </key>\n"
           "   </key>\n"
           "  </key>\n"
           " </key>\n"
           "</configuration>\n";
}

void configure(const Settings& settings, const Directories& directories) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(configuration(settings, directories));
}

std::string withoutStartTime(const std::string& name, const std::string& replacement) {
    static const std::regex startTime(R"(\d{4}(_\d\d){2}__(\d\d_){3}\d{3})");
    return std::regex_replace(name, startTime, replacement);
}

void ShopDatabase::SetUp() {
    TestSupport::openShop(database_, session_, GetParam());
    configure({}, directories);
}

void ShopDatabase::TearDown() {
    session_.reset();
    DBKernel::resetDefaultSession();
}

void ShopDatabase::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

std::vector<std::string> ShopDatabase::rows(const std::string& sql) {
    std::vector<std::string> result;
    for (DBKernel::Sql::OpenedQuery query(sql, session()); query; query.next()) {
        std::string row;
        for (int column = 0; column < query.columnCount(); ++column)
            row +=
                (column ? " " : "") + (query.at(column).isNull() ? std::string("null") : query.at(column).asString());
        result.push_back(row);
    }
    return result;
}

void ModuleDatabase::SetUp() {
    ShopDatabase::SetUp();
    TestSupport::loadShopModule();
    // Not integrated: the transmission checks the cash-register server's directories first.
    TestSupport::addDevice(session(), {.number = 1, .integrated = false});
}

void ModuleDatabase::TearDown() {
    Core::SharedPackageLoader::instance().unloadAll();
    ShopDatabase::TearDown();
}

void ModuleDatabase::product(int id, const std::string& name, double price, int unit, int pluRef,
                             const std::string& code, int status) {
    TestSupport::addProduct(session(), TestSupport::ShopProduct(id, name, price));
    exec("update Towar set nJmSprz = " + std::to_string(unit) + " where lTowarRef = " + std::to_string(id));
    TestSupport::addPlu(session(), pluRef, id, code, status);
}

}  // namespace PriceCheckerTest
