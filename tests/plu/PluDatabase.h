// Tests of the PLU engine run once on SQLite and once on PostgreSQL, each on a fresh
// shop database, with the statement log on and the configuration in single-price mode.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"
#include "support/ShopRows.h"
#include "support/TempDir.h"

namespace PluTest {

using TestSupport::Engine;

constexpr int kDay = 45000;

using Product = TestSupport::ShopProduct;

class PluDatabaseTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    TSessionHolder& session() { return *session_; }
    bool onSqlite() const { return GetParam() == Engine::SQLite; }

    // "Inne" -> "Obsługa wielu cen sprzedaży".
    static void setSeveralSalePrices(bool enabled);

    void addProduct(const Product& product) { TestSupport::addProduct(session(), product); }
    void addPlu(int pluRef, int productId, const std::string& code, int status, std::optional<int> blocked = 0) {
        TestSupport::addPlu(session(), pluRef, productId, code, status, blocked);
    }
    void addCondition(int ref, int productId, std::optional<double> price, int sent = 0, int from = kDay - 1,
                      int to = kDay + 1) {
        TestSupport::addCondition(session(), ref, productId, price, sent, from, to);
    }
    // Runs Oracle SQL through the kernel, unrecorded by the tests' expectations.
    void exec(const std::string& sql);
    std::int64_t integerOf(const std::string& sql) { return TestSupport::integerOf(session(), sql); }

    static std::vector<std::string> takeStatements();

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

}  // namespace PluTest
