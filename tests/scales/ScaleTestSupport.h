// What the scale tests share: a shop database as the host's default session, the scale
// server's directories with the configuration that names them, and scale files read
// back as text.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"
#include "support/TempDir.h"

namespace ScaleTest {

// The "Serwer Wagowy" keys: the three directories under `root` and the switches.
struct ScaleServer {
    std::filesystem::path temporary, data, status;
    bool weightCodes = true;
    bool valueCodes = true;
    bool onlyPrefixes = false;
    std::vector<std::string> prefixes;
    bool compositionsOnlyForGroups = false;
    std::string groupList;

    explicit ScaleServer(const std::filesystem::path& root);
    // The key's XML, to sit under "FrontOffice".
    std::string keys() const;
    void createDirectories() const;
};

// Loads a configuration whose "FrontOffice" holds `frontOfficeKeys`.
void configure(const std::string& frontOfficeKeys);

// Names of the files in a directory, sorted.
std::vector<std::string> filesIn(const std::filesystem::path& directory);
// A scale file's bytes as the program's text: windows-1250 to UTF-8, CR LF to LF.
std::string utf8Lines(const std::string& bytes);

// An empty shop on SQLite with its reference data, as the default session.
class ShopOnSqlite : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TestSupport::TempDir dir;
    std::optional<TestSupport::EngineDatabase> database;
};

// A weighed product as a test shop holds it; ScaleProduct(1, "Szynka", 24.99, "2700001")
// sells it by the kilogram in scale section 1 under number 1.
struct ScaleProduct {
    ScaleProduct(int id, std::string name, double price, std::string code)
        : id(id), name(std::move(name)), price(price), code(std::move(code)) {}
    int id;
    std::string name;
    double price;
    std::string code;
    bool weighed = true;
    int section = 1;
    int scaleNumber = 1;
    int unit = 3;
    int pluStatus = 1;
    std::optional<int> shelfLife;
    std::string group = "WED1";
    std::optional<std::string> composition;
};

// A fresh shop per engine with the scale server's directories configured.
class ScaleShop : public ::testing::TestWithParam<TestSupport::Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    TSessionHolder& session() { return *session_; }
    void exec(const std::string& sql);
    void addScale(int ref, int section, int number, bool enabled = true, std::optional<int> usagePeriod = std::nullopt);
    void addProduct(const ScaleProduct& product);
    void addOldScaleNumber(int product, int section, int number);

    // The data files' products, file by file: "NR PLU" with " USUN" for a deletion.
    std::vector<std::vector<std::string>> productsInDataFiles() const;
    // One element's text of every product of a file, in order.
    static std::vector<std::string> fieldOfProducts(const std::filesystem::path& file, const char* field);

    TestSupport::TempDir root;
    ScaleServer server{root.path()};

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

}  // namespace ScaleTest
