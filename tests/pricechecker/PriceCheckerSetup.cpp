#include "PriceCheckerSetup.h"

#include <boost/format.hpp>
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
    std::string ids, maximum, package;
    for (const auto& id : settings.checkerIds) ids += "<key name=\"" + id + "\"/>";
    if (settings.maximumNumber)
        maximum =
            (boost::format(R"(<key name="Maksymalna liczba PLU" type="int" value="%1%"/>)") % *settings.maximumNumber)
                .str();
    if (settings.packageSize)
        package = (boost::format(R"(<key name="Wielkość paczki zawierającej PLU" type="int" value="%1%"/>)") %
                   *settings.packageSize)
                      .str();
    return (boost::format(R"(<configuration>
 <key name="Inne">
  <key name="Obsługa stacji paliw" type="bool" value="false"/>
  <key name="Obsługa wielu cen sprzedaży" type="bool" value="false"/>
 </key>
 <key name="Parametry programu">
  <key name="Katalog tymczasowy" type="string" value=" %1% "/>
  <key name="Blokada dodawania towarów" type="bool" value="false"/>
  <key name="Refundacja promocji"><key name="Włączona" type="bool" value="false"/></key>
  <key name="FrontOffice">%2%%3%
   <key name="PriceChecker">
    <key name="Włączony" type="bool" value="%4%"/>
    <key name="Katalog" type="string" value="%5%"/>
   </key>
   <key name="PriceChecker Elzab RS">
    <key name="Włączony" type="bool" value="%6%"/>
    <key name="Folder" type="string" value="%7%"/>
    <key name="Maksymalna ilość PLU w pliku" type="int" value="%8%"/>%9%
    <key name="Id weryfikatorów">%10%<key name=".info" type="string" value="not a price checker"/></key>
   </key>
  </key>
 </key>
</configuration>
)") % directories.temporary.string() %
            package % TestSupport::cashRegisterServerKeys(directories.cashRegisters) %
            (settings.directoryChecker ? "true" : "false") % directories.directoryChecker.string() %
            (settings.elzab ? "true" : "false") % directories.exchange.string() % settings.recordsPerFile % maximum %
            ids)
        .str();
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
