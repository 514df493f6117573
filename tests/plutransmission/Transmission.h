// Tests of a whole PLU transmission, run once on SQLite and once on PostgreSQL: a fresh
// shop database as the host's default session, the device module loaded as the host
// loads it (with the XML cash-register communication writing into a temporary output
// directory and the petrol-station module journalling what reaches it), the statement
// log on. Products, codes and devices are inserted by hand, a few per test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "plu/PLUTransmissionContainer.h"
#include "support/EngineDatabase.h"
#include "support/ShopRows.h"
#include "support/TempDir.h"

namespace PluTx {

using TestSupport::Engine;
using Texts = std::vector<std::string>;

using Product = TestSupport::ShopProduct;

struct Settings {
    std::optional<int> packageSize;  // absent: the key is missing
    bool stockHandling = true;
};

class Transmission : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    static int today();
    // Replaces the configuration; the module reads it when used.
    void configure(const Settings& settings);

    TSessionHolder& session() { return *session_; }

    void addProduct(const Product& product);
    void addPlu(int pluRef, int productId, const std::string& code, int status, std::optional<int> blocked = 0);
    // Valid from yesterday to tomorrow.
    void addCondition(int ref, int productId, std::optional<double> price);
    void addCashRegister(int number, bool installed = true);
    void addStock(int productId, int day, double quantity);
    void addProductSet(int id, const std::string& name, const std::vector<int>& members);
    // A split bundle (product type 8) of two components.
    void addBundle(int id, int first, int second);

    void exec(const std::string& sql);
    std::int64_t integerOf(const std::string& sql) { return TestSupport::integerOf(session(), sql); }
    // Every row of a query, its columns joined by single spaces; NULL as "null".
    Texts rows(const std::string& sql);

    // The engine's run over the open dataset: its result and status text.
    struct Run {
        bool done;
        std::string status;
    };
    static Run process(TPLUTransmissionContainer& engine);

    // Names in the output directory, sorted; with a prefix only those of that kind.
    Texts files(char prefix = 0) const;
    // The n-th (from 1) file of a kind of today, as the transfer-file naming gives it.
    static std::string fileName(char prefix, int sequence, int type);
    // "code status price" of each PLU record of a transfer file, in file order.
    Texts plusIn(const std::string& fileName) const;
    std::vector<int> cashRegistersOf(const std::string& fileName) const;
    // What reached the petrol-station module's sender, line by line; emptied by reading.
    Texts takeJournal() const;
    static Texts takeStatements();
    static std::size_t count(const Texts& statements, const std::string& part);

    TestSupport::TempDir root;
    const std::filesystem::path out = root / "wyjście";

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

}  // namespace PluTx
