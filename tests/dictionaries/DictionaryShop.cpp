#include "DictionaryShop.h"

#include <algorithm>
#include <cstdio>

#include "cashregister/TransferFiles.h"
#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/StatementLog.h"
#include "forms/FormKernel.h"
#include "support/CashRegisterConfig.h"
#include "support/ShopModule.h"
#include "support/ShopRows.h"

namespace fs = std::filesystem;

namespace DictionaryTest {

Texts TransferFile::column(const char* attribute) const {
    Texts values;
    for (const auto& record : records) values.push_back(record.attribute(attribute).value());
    return values;
}

void DictionaryShop::SetUp() {
    fs::create_directory(out);
    TestSupport::openShop(database_, session_, GetParam());
    configure(true);
    TestSupport::loadShopModule();
    DBKernel::StatementLog::setEnabled(true);
}

void DictionaryShop::TearDown() {
    FormKernel::removeModalFormOpener();
    TestSupport::closeShop(session_);
}

void DictionaryShop::configure(bool eveningDiscounts) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        TestSupport::cashRegisterConfiguration(out, eveningDiscounts));
}

void DictionaryShop::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

std::int64_t DictionaryShop::integerOf(const std::string& sql) { return TestSupport::integerOf(session(), sql); }

void DictionaryShop::addDevice(const Device& device) {
    TestSupport::addDevice(session(), {.number = device.number,
                                       .type = device.type,
                                       .name = "Urządzenie",
                                       .enabled = device.enabled,
                                       .installed = device.installed,
                                       .integrated = device.integrated});
}

void DictionaryShop::addCashRegisters(std::initializer_list<int> numbers) {
    for (int number : numbers) addDevice({number});
}

void DictionaryShop::setCountriesChanged(bool changed) {
    exec("delete from StoredProperty");
    exec(std::string("insert into StoredProperty (name, value) values ('{A6E2D258-BE98-4533-874B-12B02BAE0E1B}', '") +
         (changed ? "1" : "0") + "')");
}

bool DictionaryShop::countriesChanged() {
    return integerOf(
               "select count(*) from StoredProperty where name = '{A6E2D258-BE98-4533-874B-12B02BAE0E1B}'"
               " and value = '1'") == 1;
}

Core::ActionStatus DictionaryShop::fire(const char* guid, java::pointer<Core::IUnknown> args) {
    auto result = Core::Action::CContainer::instance().invoke(guid, std::make_shared<Core::Action::ExecutorInvoker>(),
                                                              std::move(args));
    return result->as<Core::ActionStatus>();
}

Texts DictionaryShop::files() const {
    Texts names;
    for (const auto& entry : fs::directory_iterator(out)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void DictionaryShop::readOnly(int type, TransferFile& file) const {
    char name[32];
    std::snprintf(name, sizeof name, "D%s0001.%02x", Kolvenia::Kasa::getCurrentDateFileNameStr().c_str(), type);
    ASSERT_EQ(files(), Texts{name});
    ASSERT_TRUE(file.document.load_file((out / name).c_str())) << name;
    const pugi::xml_node root = file.document.child("cashRegisterData");
    file.kind = root.attribute("kind").value();
    for (auto node : root.child("cashRegisters").children("cashRegister"))
        file.cashRegisters.push_back(node.attribute("number").as_int());
    for (auto node = root.child("cashRegisters").next_sibling(); node; node = node.next_sibling())
        file.records.push_back(node);
}

}  // namespace DictionaryTest
