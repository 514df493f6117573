#include "CashRegisterShop.h"

#include <boost/format.hpp>

#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/Query.h"
#include "db/StatementLog.h"
#include "support/FilesIn.h"
#include "support/ShopModule.h"
#include "support/ShopRows.h"
#include "zentools/SysdateGetter.h"

namespace fs = std::filesystem;

namespace CrShop {

void CashRegisterShop::SetUp() {
    fs::create_directory(out);
    fs::create_directory(import);
    TestSupport::openShop(database_, session_, GetParam());
    configure();
    TestSupport::loadShopModule();
    DBKernel::StatementLog::setEnabled(true);
    DBKernel::StatementLog::clear();
}

void CashRegisterShop::TearDown() { TestSupport::closeShop(session_); }

void CashRegisterShop::configure(const Settings& settings) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        (boost::format(R"(<configuration><key name="Parametry programu">
 <key name="FrontOffice"><key name="Serwer Kasowy">
  <key name="Katalog - wyjście" type="string" value="%1%"/>
  <key name="Moduł transmisji do kasy" type="string" value="XmlBasedServerCommunication.bpl"/>
 </key></key>
 <key name="Odczyt wieczorny"><key name="Import zablokowanych bonów">
  <key name="Folder" type="string" value="%2%">%3%</key>
 </key>%4%</key>
%5%</key></configuration>)") %
         out.string() % import.string() % settings.folderKeys % settings.eveningKeys % settings.programKeys)
            .str());
}

void CashRegisterShop::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

std::int64_t CashRegisterShop::integerOf(const std::string& sql) { return TestSupport::integerOf(session(), sql); }

void CashRegisterShop::addCashRegister(const CashRegister& r) {
    TestSupport::addDevice(session(), {.number = r.number,
                                       .enabled = r.enabled,
                                       .installed = r.installed,
                                       .working = r.working,
                                       .integrated = r.integrated});
}

int CashRegisterShop::today() const { return Zentools::SysdateGetter::getDate(*session_); }

java::pointer<Core::IUnknown> CashRegisterShop::invoke(const std::string& guid, java::pointer<Core::IUnknown> args) {
    return Core::Action::CContainer::instance().invoke(guid, std::make_shared<Core::Action::ExecutorInvoker>(),
                                                       std::move(args));
}

bool CashRegisterShop::succeeded(const java::pointer<Core::IUnknown>& result) const {
    return result && result->is<Core::ActionStatus>() && result->as<Core::ActionStatus>().succeeded();
}

CashRegisterShop::Fired CashRegisterShop::fire(const std::string& guid, const Texts& arguments) {
    const auto args = java::make<ConsoleArgs>(arguments);
    const auto result = invoke(guid, args);
    return {succeeded(result), args->output(),
            result && result->is<Core::ActionStatus>() ? result->as<Core::ActionStatus>().message() : ""};
}

Texts CashRegisterShop::files(char prefix) const {
    Texts names = TestSupport::filesIn(out);
    if (prefix) std::erase_if(names, [&](const std::string& name) { return name.front() != prefix; });
    return names;
}

void CashRegisterShop::read(const std::string& name, TransferFile& file) const {
    const pugi::xml_parse_result result = file.document.load_file((out / name).c_str());
    ASSERT_TRUE(result) << name << ": " << result.description();
    file.root = file.document.document_element();
    file.kind = file.root.attribute("kind").value();
    for (pugi::xml_node target : file.root.child("cashRegisters").children("cashRegister"))
        file.cashRegisters.push_back(target.attribute("number").as_int());
}

Texts CashRegisterShop::logEntries(const std::string& logKey) {
    Texts entries;
    DBKernel::Sql::PreparedQuery rows("select log_level, text from db_text_log where log_key = :logKey order by id",
                                      session());
    rows.Params["logKey"] = logKey;
    for (rows.execute(); rows; rows.next())
        entries.push_back(rows["log_level"].asString() + ": " + rows["text"].asString());
    return entries;
}

Texts CashRegisterShop::takeStatements() {
    auto statements = DBKernel::StatementLog::entries();
    DBKernel::StatementLog::clear();
    return statements;
}

}  // namespace CrShop
