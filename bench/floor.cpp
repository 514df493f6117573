// The floor of the PLU transmission: the database work of one process-and-send run on
// SQLite, issued straight through the sqlite3 C API and nothing else (no module, no
// dataset, no transfer files). The benchmark compares the engine's run with this one.
//
//   floor DATABASE MARKING_SQL MAIN_QUERY_SQL DAY [--profile]
//
// The two big statements come as files in the SQLite dialect (the benchmark has the
// engine's own text generator and the kernel's translator write them), so the floor
// always runs the query the engine runs. The per-row statements are the kernel's
// SQLite translations of the engine's texts; the stored procedures' bodies are read
// from korvel_routine and run statement by statement, as the kernel runs them.
//
// It takes the same decisions per row as the engine (which rows are skipped, which
// are a product's first, when the price changes), so that it issues the same
// statements with the same values in the same transactions: a package of 500
// processed rows per transaction. When the shop has enabled scales it also makes the
// scale route's reads of every package (all devices, each scale's usage period, the
// old scale numbers, the sale units); it writes no scale file. The benchmark checks
// that both leave the same data.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

namespace {

constexpr int packageSize = 500;

// byFlaga: where the need to send a code came from.
constexpr int fromPluState = 2;
constexpr int fromSaleCondition = 4;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string readText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure(std::string("cannot read ") + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

using Value = std::optional<double>;
// A procedure's argument: the engine binds whole numbers as integers, the rest as reals.
using Argument = std::variant<std::int64_t, double>;

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) != SQLITE_OK)
            throw Failure(std::string(sqlite3_errmsg(db)) + " in: " + sql);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value) {
        sqlite3_bind_int64(statement_, index, value);
        return *this;
    }
    Statement& bind(int index, const Value& value) {
        if (value)
            sqlite3_bind_double(statement_, index, *value);
        else
            sqlite3_bind_null(statement_, index);
        return *this;
    }
    Statement& bind(int index, const std::optional<std::int64_t>& value) {
        return value ? bind(index, *value) : bindNull(index);
    }
    Statement& bindNull(int index) {
        sqlite3_bind_null(statement_, index);
        return *this;
    }
    // An empty text binds as NULL, as the kernel binds it (Oracle's empty string).
    Statement& bind(int index, const std::string& value) {
        if (value.empty()) return bindNull(index);
        sqlite3_bind_text(statement_, index, value.c_str(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // Binds by name, letter case ignored, as the kernel binds a procedure's arguments.
    Statement& bindNamed(const std::map<std::string, Argument>& arguments) {
        for (int i = 1; i <= sqlite3_bind_parameter_count(statement_); ++i) {
            const auto found = arguments.find(lower(sqlite3_bind_parameter_name(statement_, i) + 1));
            if (found == arguments.end())
                throw Failure("no value for a parameter of: " + std::string(sqlite3_sql(statement_)));
            std::visit([&](auto value) { bind(i, value); }, found->second);
        }
        return *this;
    }
    Statement& bind(int index, double value) { return bind(index, Value(value)); }

    bool step() {
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) fail();
        return false;
    }
    // Runs to the end; the rows changed for a write.
    std::int64_t run() {
        while (step()) {}
        const std::int64_t changed = sqlite3_stmt_readonly(statement_) ? 0 : sqlite3_changes64(db_);
        sqlite3_reset(statement_);
        return changed;
    }
    // Reads every row the way a reader of the result would: each value of each column.
    std::size_t readAll() {
        std::size_t bytes = 0;
        while (step()) bytes += touchRow();
        sqlite3_reset(statement_);
        return bytes;
    }
    std::size_t touchRow() const {
        std::size_t bytes = 0;
        for (int c = 0; c < sqlite3_column_count(statement_); ++c) {
            sqlite3_value* value = sqlite3_column_value(statement_, c);
            switch (sqlite3_value_type(value)) {
            case SQLITE_INTEGER: bytes += sizeof(sqlite3_value_int64(value)); break;
            case SQLITE_FLOAT: bytes += sizeof(sqlite3_value_double(value)); break;
            case SQLITE_TEXT:
                bytes += std::string(reinterpret_cast<const char*>(sqlite3_value_text(value))).size();
                break;
            default: break;
            }
        }
        return bytes;
    }
    void reset() { sqlite3_reset(statement_); }
    sqlite3_stmt* handle() const { return statement_; }

    int column(const char* name) const {
        for (int c = 0; c < sqlite3_column_count(statement_); ++c)
            if (lower(sqlite3_column_name(statement_, c)) == lower(name)) return c;
        throw Failure(std::string("no column ") + name);
    }
    bool isNull(int c) const { return sqlite3_column_type(statement_, c) == SQLITE_NULL; }
    std::int64_t integer(int c) const { return sqlite3_column_int64(statement_, c); }
    Value real(int c) const { return isNull(c) ? Value() : Value(sqlite3_column_double(statement_, c)); }
    std::optional<std::int64_t> optionalInteger(int c) const {
        return isNull(c) ? std::nullopt : std::optional<std::int64_t>(integer(c));
    }
    std::string text(int c) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, c));
        return text ? text : "";
    }

private:
    [[noreturn]] void fail() {
        const std::string message = sqlite3_errmsg(db_);
        sqlite3_reset(statement_);
        throw Failure(message + " in: " + sqlite3_sql(statement_));
    }

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw Failure(std::string(sqlite3_errmsg(db)) + " in: " + sql);
}

// A stored procedure: its body's statements, run in order inside a savepoint.
class Procedure {
public:
    Procedure(sqlite3* db, const std::string& body) : db_(db) {
        // The bodies hold no semicolon inside a literal or a comment.
        std::size_t start = 0;
        while (start < body.size()) {
            const std::size_t end = std::min(body.find(';', start), body.size());
            const std::string text = body.substr(start, end - start);
            if (text.find_first_not_of(" \t\r\n") != std::string::npos)
                statements_.push_back(std::make_unique<Statement>(db, text));
            start = end + 1;
        }
    }
    void call(const std::map<std::string, Argument>& arguments) {
        exec(db_, "savepoint korvel_call");
        for (auto& statement : statements_) statement->bindNamed(arguments).run();
        exec(db_, "release korvel_call");
    }

private:
    sqlite3* db_;
    std::vector<std::unique_ptr<Statement>> statements_;
};

std::string routineBody(sqlite3* db, const char* name) {
    Statement routine(db, "select body from korvel_routine where name = ?1");
    routine.bind(1, std::string(name));
    if (!routine.step()) throw Failure(std::string("no routine ") + name);
    const std::string body = routine.text(0);
    routine.reset();
    return body;
}

// lastStnDate(productId): an application function running its stored body, as the
// kernel registers it.
void lastStnDateFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    auto* body = static_cast<Statement*>(sqlite3_user_data(context));
    sqlite3_bind_value(body->handle(), 1, arguments[0]);
    if (body->step())
        sqlite3_result_value(context, sqlite3_column_value(body->handle(), 0));
    else
        sqlite3_result_null(context);
    body->reset();
}

// The values of one row of the main query that the per-row work depends on.
struct Row {
    std::string code;
    std::int64_t pluRef = 0, productRef = 0, conditionRef = 0;
    int origin = 0, status = 0, blocked = 0;
    std::optional<std::int64_t> sendNow, sendEvening, conditionSent, packageRef, groupingProductRef;
    Value productPrice, conditionPrice;
    std::optional<std::int64_t> promotion;  // read as a real, as the engine reads it
    std::string alternativePrices;
};

std::optional<std::int64_t> wholeNumber(const Value& value) {
    return value ? std::optional<std::int64_t>(static_cast<std::int64_t>(*value)) : std::nullopt;
}

bool checkDigitValid(const std::string& code) {
    int sum = 0;
    for (std::size_t i = 0; i + 1 < code.size(); ++i) sum += (code[code.size() - 2 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    return (10 - sum % 10) % 10 == code.back() - '0';
}

// A price-carrying code (13 digits, "26", valid check digit) carries its own price; the
// engine then leaves the row's sale price empty.
bool carriesPrice(std::string code) {
    code.erase(0, code.find_first_not_of(' '));
    code.erase(code.find_last_not_of(' ') + 1);
    if (code.size() != 13 || code.compare(0, 2, "26") != 0) return false;
    for (char c : code)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return checkDigitValid(code);
}

class Floor {
public:
    Floor(const char* path, std::string marking, std::string mainQuery, int day)
        : marking_(std::move(marking)), mainQuery_(std::move(mainQuery)), day_(day) {
        if (sqlite3_open_v2(path, &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            throw Failure(std::string("cannot open ") + path);
        exec(db_, "pragma journal_mode = wal");
        exec(db_, "pragma synchronous = normal");
        exec(db_, "pragma foreign_keys = on");
        lastStnDate_ = std::make_unique<Statement>(db_, routineBody(db_, "laststndate"));
        sqlite3_create_function_v2(db_, "laststndate", 1, SQLITE_UTF8, lastStnDate_.get(), lastStnDateFunction, nullptr,
                                   nullptr, nullptr);
        prepare();
    }
    ~Floor() {
        statements_.clear();
        lastStnDate_.reset();
        sqlite3_close_v2(db_);
    }

    void run() {
        Statement(db_, marking_).run();
        readRows();
        Statement(db_, "select product_id, name, value from ProductFeature").readAll();
        exec(db_, "begin immediate");
        startPackage();
        for (const Row& row : rows_) {
            processRow(row);
            if (++processed_ % packageSize == 0) {
                endPackage();
                exec(db_, "commit");
                exec(db_, "begin immediate");
                startPackage();
            }
        }
        endPackage();
        exec(db_, "commit");
    }

    sqlite3* handle() const { return db_; }
    int processed() const { return processed_; }
    int sent() const { return sent_; }

private:
    Statement& add(const char* sql) { return *statements_.emplace_back(std::make_unique<Statement>(db_, sql)); }

    void prepare() {
        links_ = &add("\n select\n   ProductId\n , ProductSetId\n from\n ProductProductSetLink\n where Deleted = 0");
        devices_ = &add(
            "select lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone, bDostepne, bRozszerzonaTransmisja\n"
            "from Urzadzenie\nwhere nNrTypuUrz = 0 and bWlaczone = 1 and bZainstalowane = 1\n"
            "order by nNrTypuUrz, nNrSekcji, nNrKolvenia, lUrzadzenieRef\n");
        bundles_ = &add(
            "select towarMaster.lTowarRef as lMasterTowarRef,        zest.lTowarRef as lSkladnikTowarRef,        zest.dIlosc as "
            "dIlosc,        zest.dSkladnikCenaSprzed as dSkladnikCenaSprzed   from Zestaw zest, Towar towarMaster, "
            "ProductActivityStatus pas  where towarMaster.lTowarRef = zest.lMasterTowarRef  \tand towarMaster.nStatusAktywnosci "
            "= pas.productActivityStatusId    and towarMaster.byTyp = 8   and pas.SaleBlocked = 0 order by lMasterTowarRef\n");
        activityStatuses_ = &add("select productActivityStatusId, name, SaleBlocked from ProductActivityStatus");
        allDevices_ = &add(
            "select lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone, bDostepne, bRozszerzonaTransmisja\n"
            "from Urzadzenie\norder by nNrTypuUrz, nNrSekcji, nNrKolvenia, lUrzadzenieRef");
        usagePeriod_ = &add(
            "\n select pu.swartoscparam parameterValue\n from paramurz pu\n where pu.lurzadzenieref = ?1\n and pu.nparamid = ?2");
        oldScaleNumbers_ = &add("select ProductId, SectionNumber, NumberOnScale from DeletedProductScaleNumber");
        saleUnits_ = &add("select nJm, sSymbol from JednostkaMiary");
        Statement scales(db_, "select lUrzadzenieRef from Urzadzenie where nNrTypuUrz = 1 and bWlaczone = 1");
        while (scales.step()) scales_.push_back(sqlite3_column_int64(scales.handle(), 0));
        discounts_ = &add(
            "select adt.name from ProductAutomaticDiscountType padt, AutomaticDiscountType adt\n"
            " where padt.ProductId = ?1 and adt.id = padt.AutomaticDiscountTypeId and adt.isActive = 1");
        packageCode_ = &add(
            "select sPLU from PLU where lTowarRef = ?1 and byStatus in (1, 2) and coalesce(byBlokada, 0) <> 1 order by lPluRef");
        composition_ = &add(
            "select ps.id product_set_id, ps.name product_set_name, member.ProductId member_id\n"
            "  from ProductProductSetLink own, ProductSet ps, ProductProductSetLink member\n"
            " where own.ProductId = ?1\n   and own.Deleted = 0\n   and ps.id = own.ProductSetId\n   and ps.Deleted = 0\n"
            "   and member.ProductSetId = ps.id\n   and member.Deleted = 0\n order by own.ProductSetId, member.ProductId");
        stock_ = &add("select dStan stockQuantity from stn where lTowarRef = ?1 and data = lastStnDate(?1)");
        pluStatus_ = &add(
            "update PLU set byStatus = ?1  where lPLURef = ?2    and coalesce(byBlokada, 0) <> 1    and byStatus  = ?3");
        conditionSent_ = &add("update warsprz set byCenaWyslana = ?1  where lWarSprzRef = ?2    and dCenaSprzed = ?3");
        productWithPrice_ = &add(
            "update towar set bySendWiecz = ?1,    bySendNat = ?2,    dCenaSprzed = ?3,    lPromocjaRef = ?4  where lTowarRef = ?5 ");
        productFlags_ = &add("update towar set bySendWiecz = ?1, bySendNat = ?2  where lTowarRef = ?3 ");
        currentSaleParams_ = &add(
            "\n update Product_Current_Sale_Params set\n \tsale_price = ?1\n \t, simplified_promotion_id = ?2\n"
            " \t, alternative_prices = ?3\n where product_id = ?4");
        stockRevaluation_ = std::make_unique<Procedure>(db_, routineBody(db_, "updatestanproc"));
        markdownProtocol_ = std::make_unique<Procedure>(db_, routineBody(db_, "ppa.appendppa"));
    }

    void readRows() {
        Statement query(db_, mainQuery_);
        const int code = query.column("sPLU"), pluRef = query.column("lPluRef"), productRef = query.column("lTowarRef"),
                  conditionRef = query.column("lWarSprzRef"), origin = query.column("byFlaga"),
                  status = query.column("byStatus"), blocked = query.column("byBlokada"),
                  sendNow = query.column("bySendNat"), sendEvening = query.column("bySendWiecz"),
                  conditionSent = query.column("byCenaWyslana"), packageRef = query.column("lOpakRef"),
                  grouping = query.column("lTowarGrupujacyRef"), productPrice = query.column("dCenaSprzedTowar"),
                  conditionPrice = query.column("dCenaSprzedWar"), promotion = query.column("lPromocjaRef"),
                  alternativePrices = query.column("alternativePrices");
        while (query.step()) {
            query.touchRow();
            rows_.push_back({query.text(code), query.integer(pluRef), query.integer(productRef),
                             query.integer(conditionRef), static_cast<int>(query.integer(origin)),
                             static_cast<int>(query.integer(status)), static_cast<int>(query.integer(blocked)),
                             query.optionalInteger(sendNow), query.optionalInteger(sendEvening),
                             query.optionalInteger(conditionSent), query.optionalInteger(packageRef),
                             query.optionalInteger(grouping), query.real(productPrice), query.real(conditionPrice),
                             wholeNumber(query.real(promotion)), query.text(alternativePrices)});
        }
    }

    void startPackage() {
        links_->readAll();
        devices_->readAll();
        if (scales_.empty()) return;
        allDevices_->readAll();
        for (std::int64_t scale : scales_) usagePeriod_->bind(1, scale).bind(2, std::int64_t{133}).readAll();
        oldScaleNumbers_->readAll();
        saleUnits_->readAll();
    }

    void endPackage() {
        devices_->readAll();
        bundles_->readAll();
    }

    static bool skipped(const Row& row) {
        const bool condition = row.origin & fromSaleCondition;
        if (row.blocked == 1) return true;
        if (!condition && (!row.productPrice || *row.productPrice == 0.0) && row.status != 3) return true;
        if (condition && (!row.conditionPrice || *row.conditionPrice <= 0.0) && row.status != 3) return true;
        return row.sendEvening.value_or(0) == 1 && row.sendNow && *row.sendNow == 0;
    }

    // What the engine reads to build the record for the cash registers.
    void readForRecord(const Row& row) {
        if (!activityStatusesRead_) {
            activityStatuses_->readAll();
            activityStatusesRead_ = true;
        }
        if (discountsRead_.insert(row.productRef).second) discounts_->bind(1, row.productRef).readAll();
        if (row.packageRef && packageCodesRead_.insert(*row.packageRef).second) {
            packageCode_->bind(1, *row.packageRef);
            if (packageCode_->step()) packageCode_->touchRow();
            packageCode_->reset();
        }
        composition_->bind(1, row.productRef).readAll();
    }

    void lockProduct(std::int64_t productRef) {
        Statement lock(db_, "select * from towar where ltowarref = " + std::to_string(productRef));
        if (lock.step()) lock.touchRow();
    }

    void processRow(const Row& row) {
        if (skipped(row)) return;
        lockProduct(row.productRef);
        readForRecord(row);
        const bool condition = row.origin & fromSaleCondition;
        const bool first = lastProductRef_ != row.productRef;
        bool priceChanged = false;
        Value stock;
        if (first && condition && row.conditionPrice != row.productPrice) {
            priceChanged = true;
            stock_->bind(1, row.productRef);
            if (stock_->step()) stock = stock_->real(0);
            stock_->reset();
        }
        if ((row.origin & fromPluState) && (row.status == 3 || row.status == 1)) {
            pluStatus_->bind(1, std::int64_t{row.status == 3 ? 4 : 2})
                .bind(2, row.pluRef)
                .bind(3, std::int64_t{row.status});
            if (pluStatus_->run() == 0 && !row.groupingProductRef) throw Failure("PLU " + row.code + " not updated");
        }
        if (first) writeProduct(row, condition, priceChanged, stock);
        lastProductRef_ = row.productRef;
        ++sent_;
    }

    void writeProduct(const Row& row, bool condition, bool priceChanged, const Value& stock) {
        if (condition && row.conditionSent && *row.conditionSent == 0) {
            conditionSent_->bind(1, std::int64_t{1})
                .bind(2, row.conditionRef)
                .bind(3, Value(row.conditionPrice.value_or(0.0)));
            if (conditionSent_->run() == 0) throw Failure("condition of " + row.code + " not updated");
        }
        const Value price = condition ? row.conditionPrice : Value();
        const std::int64_t sendEvening = row.sendEvening.value_or(0);
        const bool clearSendNow = row.sendNow.value_or(0) == 1;
        const std::int64_t sendNow = clearSendNow ? 0 : row.sendNow.value_or(0);
        std::int64_t updated = 1;
        if (price) {
            updated = productWithPrice_->bind(1, sendEvening)
                          .bind(2, sendNow)
                          .bind(3, price)
                          .bind(4, row.promotion)
                          .bind(5, row.productRef)
                          .run();
        } else if (clearSendNow) {
            updated = productFlags_->bind(1, sendEvening).bind(2, sendNow).bind(3, row.productRef).run();
        }
        if (updated == 0) throw Failure("product of " + row.code + " not updated");

        const double newPrice = row.conditionPrice.value_or(0.0);
        if (priceChanged)
            stockRevaluation_->call({{"ddate", double(day_)}, {"towarref", row.productRef}, {"cenasprzed", newPrice}});
        if (priceChanged && stock && *stock != 0.0)
            markdownProtocol_->call({{"par_date", double(day_)},
                                     {"par_ppatype", std::int64_t{2}},
                                     {"par_productref", row.productRef},
                                     {"par_quantity", *stock},
                                     {"par_price1", newPrice},
                                     {"par_price2", row.productPrice.value_or(0.0)},
                                     {"productstockquantity", *stock}});

        const Value salePrice = carriesPrice(row.code) ? Value() : condition ? row.conditionPrice : row.productPrice;
        currentSaleParams_->bind(1, salePrice)
            .bind(2, row.promotion)
            .bind(3, row.alternativePrices)
            .bind(4, row.productRef)
            .run();
    }

    sqlite3* db_ = nullptr;
    std::string marking_, mainQuery_;
    int day_;
    std::vector<Row> rows_;
    std::vector<std::unique_ptr<Statement>> statements_;
    std::unique_ptr<Statement> lastStnDate_;
    Statement *links_ = nullptr, *devices_ = nullptr, *bundles_ = nullptr, *activityStatuses_ = nullptr,
              *discounts_ = nullptr, *packageCode_ = nullptr, *composition_ = nullptr, *stock_ = nullptr,
              *pluStatus_ = nullptr, *conditionSent_ = nullptr, *productWithPrice_ = nullptr, *productFlags_ = nullptr,
              *currentSaleParams_ = nullptr, *allDevices_ = nullptr, *usagePeriod_ = nullptr,
              *oldScaleNumbers_ = nullptr, *saleUnits_ = nullptr;
    std::vector<std::int64_t> scales_;  // the enabled scales
    std::unique_ptr<Procedure> stockRevaluation_, markdownProtocol_;
    bool activityStatusesRead_ = false;
    std::unordered_set<std::int64_t> discountsRead_, packageCodesRead_;
    std::int64_t lastProductRef_ = -1;
    int processed_ = 0, sent_ = 0;
};

// --profile: the time SQLite spent in each statement, by the statement's beginning (a
// statement run inside another, such as a function's body, is counted in both), and
// the whole run's time.
class Profile {
public:
    explicit Profile(sqlite3* db) { sqlite3_trace_v2(db, SQLITE_TRACE_PROFILE, &Profile::record, this); }
    void print() const {
        std::vector<std::pair<double, std::string>> lines;
        for (const auto& [text, entry] : entries_) lines.emplace_back(entry.seconds, text);
        std::sort(lines.rbegin(), lines.rend());
        for (const auto& [seconds, text] : lines)
            std::printf("%9.3f s %7ld x  %s\n", seconds, entries_.at(text).count, text.c_str());
    }

private:
    struct Entry {
        double seconds = 0;
        long count = 0;
    };
    static int record(unsigned, void* self, void* statement, void* nanoseconds) {
        // One line per text, numbers in it as '#' so that the one-off lock texts add up.
        std::string text;
        for (const char* c = sqlite3_sql(static_cast<sqlite3_stmt*>(statement)); *c && text.size() < 70; ++c) {
            if (std::isdigit(static_cast<unsigned char>(*c))) {
                if (text.empty() || text.back() != '#') text += '#';
            } else if (!std::isspace(static_cast<unsigned char>(*c))) {
                text += *c;
            } else if (!text.empty() && text.back() != ' ') {
                text += ' ';
            }
        }
        Entry& entry = static_cast<Profile*>(self)->entries_[text];
        entry.seconds += static_cast<double>(*static_cast<std::int64_t*>(nanoseconds)) * 1e-9;
        ++entry.count;
        return 0;
    }
    std::map<std::string, Entry> entries_;
};

}  // namespace

int main(int argc, char** argv) {
    const bool profiling = argc == 6 && std::string(argv[5]) == "--profile";
    if (argc != 5 && !profiling) {
        std::fprintf(stderr, "usage: floor DATABASE MARKING_SQL MAIN_QUERY_SQL DAY [--profile]\n");
        return 2;
    }
    try {
        Floor floor(argv[1], readText(argv[2]), readText(argv[3]), std::stoi(argv[4]));
        std::optional<Profile> profile;
        if (profiling) profile.emplace(floor.handle());
        const auto started = std::chrono::steady_clock::now();
        floor.run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        std::printf("processed %d\nsent %d\n", floor.processed(), floor.sent());
        if (profile) {
            std::printf("%9.3f s in all\n", took.count());
            profile->print();
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "floor: %s\n", e.what());
        return 1;
    }
}
