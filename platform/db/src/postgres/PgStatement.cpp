#include "PgStatement.h"

#include <charconv>

#include "PgConnection.h"

namespace DBKernel {

namespace {

// Type identifiers of the built-in types (fixed in PostgreSQL's catalog).
constexpr Oid boolOid = 16, int8Oid = 20, int2Oid = 21, int4Oid = 23, oidOid = 26, float4Oid = 700, float8Oid = 701,
              numericOid = 1700;

Oid bindType(const Sql::Value& value) {
    switch (value.bindType()) {
    case Sql::ValueType::Integer: return int8Oid;
    case Sql::ValueType::Double: return float8Oid;
    default: return 0;  // untyped: the server infers it from the context
    }
}

Sql::ValueView integerView(std::string_view text) {
    std::int64_t number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return {Sql::ValueType::Integer, number, 0, {}};
}

Sql::ValueView doubleView(std::string_view text) {
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return {Sql::ValueType::Double, 0, number, {}};
}

Sql::ValueView numericView(std::string_view text) {
    if (text.find_first_of(".eEN") == std::string_view::npos) {  // N: NaN
        std::int64_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && end == text.data() + text.size()) return {Sql::ValueType::Integer, number, 0, {}};
    }
    return doubleView(text);
}

}  // namespace

const char* pgBindText(const Sql::Value& value, std::string& buffer) {
    const Sql::ValueView view = value.view();
    switch (view.type) {
    case Sql::ValueType::Null: return nullptr;
    case Sql::ValueType::Integer: buffer = std::to_string(view.integer); break;
    case Sql::ValueType::Double: buffer = Sql::formatNumber(view.real); break;
    case Sql::ValueType::Text: buffer.assign(view.text); break;
    }
    return buffer.c_str();
}

PgStatement::PgStatement(PgConnection& connection, const Dialect::Translation& translation)
    : connection_(connection), sql_(translation.sql) {}

PgStatement::~PgStatement() {
    for (auto& [types, name] : prepared_) connection_.deallocateLater(std::move(name));
}

void PgStatement::execute(std::span<const Sql::Param> binds) {
    release();
    std::vector<Oid> types;
    std::vector<const char*> values;
    bindTexts_.resize(binds.size());
    for (std::size_t i = 0; i < binds.size(); ++i) {
        types.push_back(bindType(binds[i].value()));
        values.push_back(pgBindText(binds[i].value(), bindTexts_[i]));
    }
    result_ = connection_.execPrepared(preparedName(types), values);
    rowCount_ = PQntuples(result_.get());
    const std::string_view status = PQcmdStatus(result_.get());
    const char* affected = PQcmdTuples(result_.get());
    rowsAffected_ = status.starts_with("SELECT") ? 0 : std::atoll(affected);
    learnColumns();
}

const std::string& PgStatement::preparedName(const std::vector<Oid>& types) {
    for (const auto& [preparedTypes, name] : prepared_)
        if (preparedTypes == types) return name;
    std::string name = connection_.newStatementName();
    connection_.prepareNamed(name, sql_, types);
    return prepared_.emplace_back(types, std::move(name)).second;
}

void PgStatement::learnColumns() {
    const int count = PQnfields(result_.get());
    columnNames_.clear();
    columnKinds_.clear();
    for (int i = 0; i < count; ++i) {
        columnNames_.push_back(PQfname(result_.get(), i));
        switch (PQftype(result_.get(), i)) {
        case int2Oid:
        case int4Oid:
        case int8Oid:
        case oidOid: columnKinds_.push_back(ColumnKind::Integer); break;
        case float4Oid:
        case float8Oid: columnKinds_.push_back(ColumnKind::Double); break;
        case numericOid: columnKinds_.push_back(ColumnKind::Numeric); break;
        case boolOid: columnKinds_.push_back(ColumnKind::Boolean); break;
        default: columnKinds_.push_back(ColumnKind::Text); break;
        }
    }
}

void PgStatement::release() {
    result_.reset();
    rowCount_ = row_ = 0;
}

Sql::ValueView PgStatement::column(int index) const {
    PGresult* result = result_.get();
    if (PQgetisnull(result, row_, index)) return {};
    const std::string_view text(PQgetvalue(result, row_, index),
                                static_cast<std::size_t>(PQgetlength(result, row_, index)));
    switch (columnKinds_[static_cast<std::size_t>(index)]) {
    case ColumnKind::Integer: return integerView(text);
    case ColumnKind::Double: return doubleView(text);
    case ColumnKind::Numeric: return numericView(text);
    case ColumnKind::Boolean: return {Sql::ValueType::Integer, text == "t" ? 1 : 0, 0, {}};
    case ColumnKind::Text: return {Sql::ValueType::Text, 0, 0, text};
    }
    return {};
}

}  // namespace DBKernel
