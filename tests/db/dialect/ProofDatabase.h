// A real database on which translated Oracle texts are run, one kind per engine.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "db/Dialect.h"

namespace DialectProof {

using BindValue = std::variant<std::nullptr_t, std::int64_t, double, std::string>;
using Binds = std::map<std::string, BindValue>;  // by lower-case Oracle bind name
// One row as text: "NULL" for NULL, numbers in their shortest form ("2.5", "3").
using Row = std::vector<std::string>;

struct Rows {
    std::vector<std::string> columns;  // lower case
    std::vector<Row> rows;

    // The named columns (letter case ignored) of every row, in row order.
    std::vector<Row> select(const std::vector<std::string>& names) const;
};

class ProofDatabase {
public:
    virtual ~ProofDatabase() = default;

    virtual DBKernel::Dialect::Engine engine() const = 0;
    // Runs the engine's own SQL: statements separated by ";".
    virtual void script(const std::string& sql) = 0;
    // Defines the shop's database functions "purchasepricegetter.predictProductPurchasePrice"
    // (sale price * 100 / (100 + margin)) and "margin.getProductMargin" (25) the engine's way.
    virtual void definePackageFunctions() = 0;
    // Another connection to the same database.
    virtual std::unique_ptr<ProofDatabase> newSession() = 0;

    // Translates the Oracle text for the engine and runs it with the binds by name.
    Rows run(const std::string& oracleSql, const Binds& binds = {});

protected:
    virtual Rows execute(const std::string& sql, const std::vector<BindValue>& binds) = 0;
};

// A new database in a file of its own, and a new database on the test cluster.
std::unique_ptr<ProofDatabase> openSqlite();
std::unique_ptr<ProofDatabase> openPostgres();

}  // namespace DialectProof
