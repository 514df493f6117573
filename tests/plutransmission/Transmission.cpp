#include "Transmission.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "../crserver/TransferFileReader.h"
#include "cashregister/TransferFiles.h"
#include "config/Setup.h"
#include "core/DateTime.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/Query.h"
#include "db/StatementLog.h"
#include "external/ExternalDataSenders.h"
#include "support/CashRegisterConfig.h"
#include "support/ShopModule.h"

namespace fs = std::filesystem;

namespace PluTx {

namespace {

std::string configuration(const Settings& settings, const fs::path& out) {
    std::string xml =
        "<configuration>\n"
        " <key name=\"Inne\">\n"
        "  <key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"true\"/>\n"
        "  <key name=\"Obsługa wielu cen sprzedaży\" type=\"bool\" value=\"false\"/>\n"
        " </key>\n"
        " <key name=\"Parametry programu\">\n"
        "  <key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"false\"/>\n"
        "  <key name=\"Refundacja promocji\"><key name=\"Włączona\" type=\"bool\" value=\"false\"/></key>\n"
        "  <key name=\"FrontOffice\">\n";
    if (settings.packageSize)
        xml += "   <key name=\"Wielkość paczki zawierającej PLU\" type=\"int\" value=\"" +
               std::to_string(*settings.packageSize) + "\"/>\n";
    if (!settings.stockHandling)
        xml +=
            "   <key name=\"Przetwarzanie sprzedazy\"><key name=\"Obsługa stanów wyłączona\" type=\"string\" "
            "value=\"{7E3F9A21-5C0D-4B86-9E14-2D6A8F03B5C7}\"/></key>\n";
    return xml + TestSupport::cashRegisterServerKeys(out) +
           "   <key name=\"PriceChecker\"><key name=\"Włączony\" type=\"bool\" value=\"false\"/></key>\n"
           "  </key>\n"
           " </key>\n"
           "</configuration>\n";
}

fs::path journalPath(const TestSupport::TempDir& root) { return root / "tankora.log"; }

}  // namespace

void Transmission::SetUp() {
    fs::create_directory(out);
    setenv("KORVEL_TANKORA_JOURNAL", journalPath(root).c_str(), 1);
    TestSupport::openShop(database_, session_, GetParam());
    configure({});
    TestSupport::loadShopModule();
    DBKernel::StatementLog::setEnabled(true);
    DBKernel::StatementLog::clear();
}

void Transmission::TearDown() { TestSupport::closeShop(session_); }

int Transmission::today() { return Core::DateTime::today(); }

void Transmission::configure(const Settings& settings) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(configuration(settings, out));
}

void Transmission::addProduct(const Product& product) { TestSupport::addProduct(session(), product); }

void Transmission::addPlu(int pluRef, int productId, const std::string& code, int status, std::optional<int> blocked) {
    TestSupport::addPlu(session(), pluRef, productId, code, status, blocked);
}

void Transmission::addCondition(int ref, int productId, std::optional<double> price) {
    TestSupport::addCondition(session(), ref, productId, price, 0, today() - 1, today() + 1);
}

void Transmission::addCashRegister(int number, bool installed) {
    // Not integrated: the transmission checks the cash-register server's directories.
    TestSupport::addDevice(session(), {.number = number, .installed = installed, .integrated = false});
}

void Transmission::addStock(int productId, int day, double quantity) {
    DBKernel::Sql::Command stock("insert into stn (lTowarRef, data, dStan) values (:product, :day, :quantity)",
                                 session());
    stock.Params["product"] = productId;
    stock.Params["day"] = day;
    stock.Params["quantity"] = quantity;
    stock.execute();
}

void Transmission::addProductSet(int id, const std::string& name, const std::vector<int>& members) {
    exec("insert into ProductSet (id, name) values (" + std::to_string(id) + ", '" + name + "')");
    for (int member : members)
        exec("insert into ProductProductSetLink (ProductId, ProductSetId) values (" + std::to_string(member) + ", " +
             std::to_string(id) + ")");
}

void Transmission::addBundle(int id, int first, int second) {
    exec("insert into Towar (lTowarRef, sNazwa, byTyp, byVAT) values (" + std::to_string(id) + ", 'Zestaw', 8, 1)");
    for (int component : {first, second})
        exec("insert into Zestaw (lMasterTowarRef, lTowarRef, dIlosc, dSkladnikCenaSprzed) values (" +
             std::to_string(id) + ", " + std::to_string(component) + ", 1, 2.5)");
}

void Transmission::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

Texts Transmission::rows(const std::string& sql) {
    Texts result;
    for (DBKernel::Sql::OpenedQuery query(sql, session()); query; query.next()) {
        std::string row;
        for (int column = 0; column < query.columnCount(); ++column) {
            const auto value = query.at(column);
            row += (column ? " " : "") + (value.isNull() ? std::string("null") : value.asString());
        }
        result.push_back(row);
    }
    return result;
}

Transmission::Run Transmission::process(TPLUTransmissionContainer& engine) {
    Core::ThreadUserIo::NullProgressIndicator progress;
    Run run{false, {}};
    run.done = engine.ProcessDataSet(run.status, progress);
    return run;
}

Texts Transmission::files(char prefix) const {
    Texts names;
    for (const auto& entry : fs::directory_iterator(out)) {
        const std::string name = entry.path().filename().string();
        if (!prefix || name.front() == prefix) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Transmission::fileName(char prefix, int sequence, int type) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "%04d.%02x", sequence, type);
    return prefix + Kolvenia::Kasa::getCurrentDateFileNameStr() + tail;
}

Texts Transmission::plusIn(const std::string& fileName) const {
    CrServerTest::TransferFile file;
    CrServerTest::readTransferFile(out / fileName, file);
    Texts records;
    for (const auto& element : file.records("plu")) {
        const Kolvenia::ExportedPlu plu = CrServerTest::readPlu(element);
        char price[32];
        std::snprintf(price, sizeof price, "%.2f", plu.getSellPrice());
        records.push_back(plu.getPluCode() + " " + std::to_string(static_cast<int>(plu.getStatus())) + " " + price);
    }
    return records;
}

std::vector<int> Transmission::cashRegistersOf(const std::string& fileName) const {
    CrServerTest::TransferFile file;
    CrServerTest::readTransferFile(out / fileName, file);
    return file.cashRegisters;
}

Texts Transmission::takeJournal() const {
    Texts lines;
    std::istringstream text(fs::exists(journalPath(root)) ? TestSupport::readFile(journalPath(root)) : std::string());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    fs::remove(journalPath(root));
    return lines;
}

Texts Transmission::takeStatements() {
    auto statements = DBKernel::StatementLog::entries();
    DBKernel::StatementLog::clear();
    return statements;
}

std::size_t Transmission::count(const Texts& statements, const std::string& part) {
    return std::count_if(statements.begin(), statements.end(),
                         [&](const std::string& statement) { return statement.find(part) != std::string::npos; });
}

}  // namespace PluTx
