#include "PromotionShop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "support/ShopModule.h"
#include "support/ShopRows.h"

namespace fs = std::filesystem;

namespace PromotionTest {

namespace {

fs::path journalPath(const TestSupport::TempDir& root) { return root / "tankora.log"; }

std::string quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

std::string guidOf(int id) {
    char text[64];
    std::snprintf(text, sizeof text, "{00000000-0000-0000-0000-%012d}", id);
    return text;
}

void PromotionShop::SetUp() {
    fs::create_directory(out);
    setenv("KORVEL_TANKORA_JOURNAL", journalPath(root).c_str(), 1);
    TestSupport::openShop(database_, session_, GetParam());
    configure(true);
    TestSupport::loadShopModule();
}

void PromotionShop::TearDown() { TestSupport::closeShop(session_); }

void PromotionShop::configure(bool petrolStation) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration>\n"
        " <key name=\"Inne\">\n"
        "  <key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"" +
        std::string(petrolStation ? "true" : "false") +
        "\"/>\n"
        " </key>\n"
        " <key name=\"Parametry programu\">\n"
        "  <key name=\"FrontOffice\">\n"
        "   <key name=\"Serwer Kasowy\">\n"
        "    <key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
        out.string() +
        "\"/>\n"
        "    <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication\"/>\n"
        "   </key>\n"
        "  </key>\n"
        " </key>\n"
        "</configuration>\n");
}

void PromotionShop::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

std::int64_t PromotionShop::integerOf(const std::string& sql) { return TestSupport::integerOf(session(), sql); }

void PromotionShop::addCashRegister(int number, bool installed) {
    TestSupport::addDevice(session(), {.number = number, .installed = installed});
}

void PromotionShop::addGift(int id, const std::string& name) {
    exec("insert into prezent (lPremiaBonPrezentRef, sNazwa) values (" + std::to_string(id) + ", " + quoted(name) +
         ")");
}

void PromotionShop::addPromotion(const PromotionRow& row) {
    DBKernel::Sql::Command insert(
        "insert into Promotion (id, name, sale_date_from, sale_date_to, start_time, end_time, multiple, guid, "
        "promotion_number, cancelled, cashier_message, activators_xml, tags_xml, simple, welcome, priority, send_status) "
        "values (:id, :name, 46000, 46030, 28800, 72000, 1, :guid, :num, :cancelled, 'Zapytaj o kartę', "
        "'<activators><activator code=\"ŻABKA\"/></activators>', '<tags/>', :simple, 0, 5, :status)",
        session());
    insert.Params["id"] = row.id;
    insert.Params["name"] = row.name;
    insert.Params["guid"] = row.guid();
    insert.Params["num"] = row.number;
    insert.Params["cancelled"] = row.cancelled ? 1 : 0;
    insert.Params["simple"] = row.simple ? 1 : 0;
    insert.Params["status"] = row.sendStatus;
    insert.execute();
}

void PromotionShop::addElement(int promotionId, int elementId, const std::string& kind, const Columns& columns) {
    std::string names = "id, promotion_id, seq, kind";
    std::string values = std::to_string(elementId) + ", " + std::to_string(promotionId) + ", " +
                         std::to_string(elementId) + ", " + quoted(kind);
    for (const auto& [name, value] : columns) {
        names += ", " + name;
        values += ", " + value;
    }
    exec("insert into PromotionElement (" + names + ") values (" + values + ")");
}

void PromotionShop::addItems(int elementId, const std::vector<int>& products, const Texts& groups) {
    int seq = 0;
    for (int product : products)
        exec("insert into PromotionElementItem (element_id, seq, product_id) values (" + std::to_string(elementId) +
             ", " + std::to_string(++seq) + ", " + std::to_string(product) + ")");
    for (const std::string& group : groups)
        exec("insert into PromotionElementItem (element_id, seq, group_index) values (" + std::to_string(elementId) +
             ", " + std::to_string(++seq) + ", " + quoted(group) + ")");
}

int PromotionShop::sendStatusOf(int promotionId) {
    return static_cast<int>(integerOf("select send_status from Promotion where id = " + std::to_string(promotionId)));
}

std::pair<bool, std::string> PromotionShop::fire(const char* guid, const std::shared_ptr<Core::IUnknown>& args) {
    auto result = Core::Action::CContainer::instance().invoke(guid, std::make_shared<Core::Action::ExecutorInvoker>(),
                                                              java::pointer<Core::IUnknown>(args));
    const auto& status = result->as<Core::ActionStatus>();
    return {status.succeeded(), status.message()};
}

Texts PromotionShop::files() const {
    Texts names;
    for (const auto& entry : fs::directory_iterator(out)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

pugi::xml_node PromotionShop::readFile(const std::string& name, pugi::xml_document& document) const {
    const pugi::xml_parse_result parsed = document.load_file((out / name).c_str());
    EXPECT_TRUE(parsed) << parsed.description();
    return document.child("cashRegisterData");
}

Texts PromotionShop::takeJournal() const {
    Texts lines;
    std::istringstream text(fs::exists(journalPath(root)) ? TestSupport::readFile(journalPath(root)) : std::string());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    fs::remove(journalPath(root));
    return lines;
}

}  // namespace PromotionTest
