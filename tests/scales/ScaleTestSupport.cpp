#include "ScaleTestSupport.h"

#include <iconv.h>

#include <algorithm>

#include <pugixml.hpp>

#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "shopdb/Schema.h"
#include "support/ShopModule.h"
#include "support/ShopRows.h"

namespace fs = std::filesystem;

namespace ScaleTest {

namespace {
std::string boolean(bool value) { return value ? "true" : "false"; }
std::string stringKey(const std::string& name, const std::string& value) {
    return "<key name=\"" + name + "\" type=\"string\" value=\"" + value + "\"/>";
}
}  // namespace

ScaleServer::ScaleServer(const fs::path& root)
    : temporary(root / "wagi_tmp"), data(root / "wagi_dane"), status(root / "wagi_status") {}

void ScaleServer::createDirectories() const {
    for (const auto& directory : {temporary, data, status}) fs::create_directories(directory);
}

std::string ScaleServer::keys() const {
    std::string xml = "<key name=\"Serwer Wagowy\">" + stringKey("Katalog tymczasowy", temporary.string()) +
                      stringKey("Katalog danych", data.string()) + stringKey("Katalog statusów", status.string()) +
                      "<key name=\"Wysyłaj kody wagowe (W)\" type=\"bool\" value=\"" + boolean(weightCodes) + "\"/>" +
                      "<key name=\"Wysyłaj kody wartościowe (C)\" type=\"bool\" value=\"" + boolean(valueCodes) +
                      "\"/>" + "<key name=\"Wysyłaj tylko PLU wagowe pasujące do prefiksu\" type=\"bool\" value=\"" +
                      boolean(onlyPrefixes) + "\">";
    for (const auto& prefix : prefixes) xml += "<key name=\"" + prefix + "\"/>";
    xml += "</key><key name=\"Wysyłaj składy surowcowe dla grup\" type=\"bool\" value=\"" +
           boolean(compositionsOnlyForGroups) + "\">" + stringKey("Lista grup", groupList) + "</key></key>";
    return xml;
}

void configure(const std::string& frontOfficeKeys) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Inne\">"
        "<key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"false\"/>"
        "<key name=\"Obsługa wielu cen sprzedaży\" type=\"bool\" value=\"false\"/></key>"
        "<key name=\"Parametry programu\">"
        "<key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"false\"/>"
        "<key name=\"Refundacja promocji\"><key name=\"Włączona\" type=\"bool\" value=\"false\"/></key>"
        "<key name=\"FrontOffice\">" +
        frontOfficeKeys + "</key></key></configuration>");
}

std::vector<std::string> filesIn(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string utf8Lines(const std::string& bytes) {
    iconv_t converter = iconv_open("UTF-8", "WINDOWS-1250");
    std::string text(bytes.size() * 3, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size(), outLeft = text.size();
    char* out = text.data();
    iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    text.resize(text.size() - outLeft);
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
    return lines;
}

void ScaleShop::SetUp() {
    TestSupport::openShop(database_, session_, GetParam());
    server.createDirectories();
    configure(server.keys());
}

void ScaleShop::TearDown() {
    session_.reset();
    DBKernel::resetDefaultSession();
}

void ScaleShop::exec(const std::string& sql) { DBKernel::Sql::Command(sql, session()).execute(); }

void ScaleShop::addScale(int ref, int section, int number, bool enabled, std::optional<int> usagePeriod) {
    DBKernel::Sql::Command scale(
        "insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, sNazwa, bWlaczone) "
        "values (:ref, 1, :section, :number, 'Waga', :enabled)",
        session());
    scale.Params["ref"] = ref;
    scale.Params["section"] = section;
    scale.Params["number"] = number;
    scale.Params["enabled"] = enabled ? 1 : 0;
    scale.execute();
    if (!usagePeriod) return;
    DBKernel::Sql::Command period(
        "insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) "
        "values (:ref, :ref, 133, :days)",
        session());
    period.Params["ref"] = ref;
    period.Params["days"] = std::to_string(*usagePeriod);
    period.execute();
}

void ScaleShop::addProduct(const ScaleProduct& product) {
    TestSupport::addProduct(session(), TestSupport::ShopProduct(product.id, product.name, product.price));
    DBKernel::Sql::Command scaleData(
        "update Towar set bWagowy = :weighed, nWagaSekcja = :section, nWagaPLU = :number, "
        "nJmSprz = :unit, nOkresPrzydatnosci = :days, sGrIndex = :grupa where lTowarRef = :id",
        session());
    scaleData.Params["weighed"] = product.weighed ? 1 : 0;
    scaleData.Params["section"] = product.section;
    scaleData.Params["number"] = product.scaleNumber;
    scaleData.Params["unit"] = product.unit;
    scaleData.Params["days"] = product.shelfLife;
    scaleData.Params["grupa"] = product.group;
    scaleData.Params["id"] = product.id;
    scaleData.execute();
    TestSupport::addPlu(session(), 1000 + product.id, product.id, product.code, product.pluStatus);
    if (!product.composition) return;
    DBKernel::Sql::Command composition("insert into skladsurowcowytowaru (lTowarRef, sSklad) values (:id, :text)",
                                       session());
    composition.Params["id"] = product.id;
    composition.Params["text"] = *product.composition;
    composition.execute();
}

void ScaleShop::addOldScaleNumber(int product, int section, int number) {
    exec("insert into DeletedProductScaleNumber (ProductId, SectionNumber, NumberOnScale) values (" +
         std::to_string(product) + ", " + std::to_string(section) + ", " + std::to_string(number) + ")");
}

std::vector<std::string> ScaleShop::fieldOfProducts(const fs::path& file, const char* field) {
    pugi::xml_document document;
    const std::string text = utf8Lines(TestSupport::readFile(file));
    const auto parsed = document.load_string(text.c_str());
    EXPECT_TRUE(parsed) << file << ": " << parsed.description();
    std::vector<std::string> values;
    for (const auto product : document.child("WAGA_XML").child("DANE").children("TOWAR"))
        values.push_back(product.child(field).text().get());
    return values;
}

std::vector<std::vector<std::string>> ScaleShop::productsInDataFiles() const {
    std::vector<std::vector<std::string>> files;
    for (const std::string& name : filesIn(server.data)) {
        const auto numbers = fieldOfProducts(server.data / name, "NR"),
                   codes = fieldOfProducts(server.data / name, "PLU"),
                   deletions = fieldOfProducts(server.data / name, "USUN");
        std::vector<std::string> products;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            products.push_back(numbers[i] + " " + codes[i] + (deletions[i].empty() ? "" : " USUN"));
        files.push_back(products);
    }
    return files;
}

void ShopOnSqlite::SetUp() {
    database.emplace(TestSupport::Engine::SQLite);
    DBKernel::setDefaultSession(database->url(), DBKernel::OpenMode::CreateIfMissing);
    ShopDb::createSchema(TSessionHolder(true));
}

void ShopOnSqlite::TearDown() { DBKernel::resetDefaultSession(); }

}  // namespace ScaleTest
