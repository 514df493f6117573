#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "ProofDatabase.h"
#include "support/TempDir.h"

namespace DialectProof {

namespace {

std::string shortest(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string lowerCase(const char* name) {
    std::string lower(name);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

void predictPurchasePrice(sqlite3_context* context, int, sqlite3_value** args) {
    const double salePrice = sqlite3_value_double(args[2]);
    const double margin = sqlite3_value_double(args[3]);
    sqlite3_result_double(context, salePrice * 100 / (100 + margin));
}

void productMargin(sqlite3_context* context, int, sqlite3_value**) { sqlite3_result_double(context, 25); }

class SqliteProofDatabase final : public ProofDatabase {
public:
    explicit SqliteProofDatabase(std::shared_ptr<TestSupport::TempDir> directory) : directory_(std::move(directory)) {
        if (sqlite3_open((*directory_ / "shop.db").c_str(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot open SQLite");
        script("pragma synchronous = off");  // a throwaway file need not survive a crash
    }
    ~SqliteProofDatabase() override { sqlite3_close(db_); }

    DBKernel::Dialect::Engine engine() const override { return DBKernel::Dialect::Engine::SQLite; }

    void script(const std::string& sql) override {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error(message + "\n" + sql);
        }
    }

    void definePackageFunctions() override {
        sqlite3_create_function(db_, "purchasepricegetter_predictProductPurchasePrice", 8, SQLITE_UTF8, nullptr,
                                predictPurchasePrice, nullptr, nullptr);
        sqlite3_create_function(db_, "margin_getProductMargin", 1, SQLITE_UTF8, nullptr, productMargin, nullptr,
                                nullptr);
    }

    std::unique_ptr<ProofDatabase> newSession() override { return std::make_unique<SqliteProofDatabase>(directory_); }

protected:
    Rows execute(const std::string& sql, const std::vector<BindValue>& binds) override {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) fail(sql);
        for (std::size_t i = 0; i < binds.size(); ++i) bind(statement, int(i + 1), binds[i]);
        Rows rows;
        for (int c = 0; c < sqlite3_column_count(statement); ++c)
            rows.columns.push_back(lowerCase(sqlite3_column_name(statement, c)));
        int step;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) rows.rows.push_back(row(statement));
        sqlite3_finalize(statement);
        if (step != SQLITE_DONE) fail(sql);
        return rows;
    }

private:
    [[noreturn]] void fail(const std::string& sql) const {
        throw std::runtime_error(sqlite3_errmsg(db_) + ("\n" + sql));
    }

    static void bind(sqlite3_stmt* statement, int index, const BindValue& value) {
        if (std::holds_alternative<std::int64_t>(value))
            sqlite3_bind_int64(statement, index, std::get<std::int64_t>(value));
        else if (std::holds_alternative<double>(value))
            sqlite3_bind_double(statement, index, std::get<double>(value));
        else if (std::holds_alternative<std::string>(value))
            sqlite3_bind_text(statement, index, std::get<std::string>(value).c_str(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(statement, index);
    }

    static Row row(sqlite3_stmt* statement) {
        Row values;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_NULL: values.push_back("NULL"); break;
            case SQLITE_FLOAT: values.push_back(shortest(sqlite3_column_double(statement, c))); break;
            default: values.push_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)));
            }
        }
        return values;
    }

    std::shared_ptr<TestSupport::TempDir> directory_;
    sqlite3* db_ = nullptr;
};

}  // namespace

std::unique_ptr<ProofDatabase> openSqlite() {
    return std::make_unique<SqliteProofDatabase>(std::make_shared<TestSupport::TempDir>());
}

}  // namespace DialectProof
