#include <libpq-fe.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "ProofDatabase.h"
#include "support/PostgresCluster.h"

namespace DialectProof {

namespace {

constexpr Oid kFloat4 = 700, kFloat8 = 701, kNumeric = 1700;

const char* kPackageFunctions = R"(
create schema purchasepricegetter;
create function purchasepricegetter.predictProductPurchasePrice(product bigint, day bigint, sale_price double precision,
  margin double precision, vat integer, supplier integer, kind integer, algorithm text) returns double precision
  language sql as 'select sale_price * 100 / (100 + margin)';
create schema margin;
create function margin.getProductMargin(product bigint) returns double precision language sql as 'select 25::float8';
)";

std::string text(const BindValue& value) {
    if (std::holds_alternative<std::int64_t>(value)) return std::to_string(std::get<std::int64_t>(value));
    if (std::holds_alternative<double>(value)) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", std::get<double>(value));
        return number;
    }
    return std::get<std::string>(value);
}

std::string cell(const PGresult* result, int row, int column) {
    if (PQgetisnull(result, row, column)) return "NULL";
    const char* value = PQgetvalue(result, row, column);
    const Oid type = PQftype(result, column);
    if (type != kFloat4 && type != kFloat8 && type != kNumeric) return value;
    char number[32];
    std::snprintf(number, sizeof number, "%.15g", std::strtod(value, nullptr));
    return number;
}

class PostgresProofDatabase final : public ProofDatabase {
public:
    explicit PostgresProofDatabase(std::shared_ptr<TestSupport::PostgresDatabase> database)
        : database_(std::move(database)), connection_(PQconnectdb(database_->url().c_str())) {
        if (PQstatus(connection_) != CONNECTION_OK) throw std::runtime_error(PQerrorMessage(connection_));
    }
    ~PostgresProofDatabase() override { PQfinish(connection_); }

    DBKernel::Dialect::Engine engine() const override { return DBKernel::Dialect::Engine::PostgreSQL; }

    void script(const std::string& sql) override { PQclear(check(PQexec(connection_, sql.c_str()), sql)); }

    void definePackageFunctions() override { script(kPackageFunctions); }

    std::unique_ptr<ProofDatabase> newSession() override { return std::make_unique<PostgresProofDatabase>(database_); }

protected:
    Rows execute(const std::string& sql, const std::vector<BindValue>& binds) override {
        std::vector<std::string> texts;
        for (const BindValue& value : binds)
            texts.push_back(std::holds_alternative<std::nullptr_t>(value) ? "" : text(value));
        std::vector<const char*> values;
        for (std::size_t i = 0; i < binds.size(); ++i)
            values.push_back(std::holds_alternative<std::nullptr_t>(binds[i]) ? nullptr : texts[i].c_str());
        PGresult* result = check(
            PQexecParams(connection_, sql.c_str(), int(values.size()), nullptr, values.data(), nullptr, nullptr, 0),
            sql);
        Rows rows;
        for (int c = 0; c < PQnfields(result); ++c) rows.columns.push_back(PQfname(result, c));
        for (int r = 0; r < PQntuples(result); ++r) {
            Row row;
            for (int c = 0; c < PQnfields(result); ++c) row.push_back(cell(result, r, c));
            rows.rows.push_back(std::move(row));
        }
        PQclear(result);
        return rows;
    }

private:
    // Keeps the result of a successful statement; raises with the SQLSTATE otherwise.
    PGresult* check(PGresult* result, const std::string& sql) {
        const ExecStatusType status = PQresultStatus(result);
        if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
        const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
        const std::string message = std::string(state ? state : "") + " " + PQresultErrorMessage(result) + sql;
        PQclear(result);
        throw std::runtime_error(message);
    }

    std::shared_ptr<TestSupport::PostgresDatabase> database_;
    PGconn* connection_;
};

}  // namespace

std::unique_ptr<ProofDatabase> openPostgres() {
    auto database =
        std::make_shared<TestSupport::PostgresDatabase>(TestSupport::PostgresCluster::instance().createDatabase());
    return std::make_unique<PostgresProofDatabase>(std::move(database));
}

}  // namespace DialectProof
