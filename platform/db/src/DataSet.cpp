#include "db/DataSet.h"

#include <algorithm>
#include <boost/format.hpp>

#include "KernelAccess.h"
#include "KernelNames.h"
#include "RowPacking.h"
#include "core/Errors.h"
#include "core/ScopeExit.h"
#include "db/Command.h"
#include "db/Query.h"
#include "db/TransactionScope.h"

namespace Db {

using DBKernel::Sql::Value;

namespace {

[[noreturn]] void misuse(const std::string& message, const Core::SrcInfo& place) {
    throw Core::PlacedLogicError(message, place);
}

const Value& nullValue() {
    static const Value null;
    return null;
}

}  // namespace

TField::TField(TDataSet& dataSet, std::string name, TFieldType type, TFieldKind kind, std::size_t index)
    : dataSet_(&dataSet), name_(std::move(name)), type_(type), kind_(kind), index_(index) {}

const Value& TField::value() const { return dataSet_->currentValue(index_); }

const Value& TField::OldValue() const { return dataSet_->originalValue(index_); }

TField& TField::operator=(const std::string& text) { return assign(text.empty() ? Value::null() : Value::text(text)); }

TField& TField::assign(Value newValue) {
    dataSet_->setCurrentValue(*this, std::move(newValue));
    return *this;
}

TDataSet::TDataSet()
    : arena_(std::make_unique<RowPacking::Arena>()),
      unpacked_(std::make_unique<RowPacking::Unpacked>()),
      unpackedAsRead_(std::make_unique<RowPacking::Unpacked>()) {}

TDataSet::TDataSet(const TSessionHolder& session) : TDataSet() { session_ = session; }

TDataSet::~TDataSet() = default;

void TDataSet::setSession(const TSessionHolder& session) { session_ = session; }

void TDataSet::SetSQL(std::string sql) {
    sql_ = std::move(sql);
    params_ = {};
}

DBKernel::Sql::Param& TDataSet::ParamByName(std::string_view name) {
    if (!params_.find(name))
        DBKernel::KernelAccess::addParam(params_, std::string(name), DBKernel::Sql::ValueType::Null);
    return params_[name];
}

TField& TDataSet::AddField(const std::string& name, TFieldType type, TFieldKind kind) {
    if (Active())
        misuse("Pola zbioru danych deklaruje się przed jego otwarciem.", CORE_SRC_INFO("Db::TDataSet::AddField"));
    fields_.push_back(std::make_unique<TField>(*this, name, type, kind, fields_.size()));
    declaredFields_ = fields_.size();
    return *fields_.back();
}

void TDataSet::copyParamsTo(DBKernel::Sql::Parameters& target) const {
    for (const auto& param : target) {
        const auto* mine = params_.find(param.name());
        if (mine && mine->assigned()) target[param.name()] = mine->value();
    }
}

void TDataSet::Open() {
    Close();  // also what a failed Open left behind
    if (!session_) misuse("Zbiór danych nie ma przypisanej sesji bazy danych.", CORE_SRC_INFO("Db::TDataSet::Open"));
    DBKernel::Sql::PreparedQuery query(sql_, *session_);
    copyParamsTo(query.Params);
    query.execute();
    const std::vector<int> columnOfField = bindFields(query);
    Values read(fields_.size());  // one row at a time, calculated, then packed
    for (; query; query.next()) {
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            if (columnOfField[i] < 0) {
                read[i] = Value::null();
                continue;
            }
            read[i] = Value::copyOf(query.at(columnOfField[i]).view());
            const auto type = DBKernel::valueTypeOf(fields_[i]->DataType());
            if (type != DBKernel::Sql::ValueType::Null) read[i] = read[i].convertedTo(type);
        }
        calculate(read);
        Row& row = rows_.emplace_back();
        row.asRead = arena_->add(read);
        row.loadOrder = rows_.size() - 1;
    }
    state_ = dsBrowse;
    First();
}

std::vector<int> TDataSet::bindFields(const DBKernel::Sql::Query& query) {
    fields_.resize(declaredFields_);
    std::vector<int> columnOfField;
    std::vector<bool> claimed(static_cast<std::size_t>(query.columnCount()), false);
    for (const auto& field : fields_) {
        int column = -1;
        if (field->FieldKind() == fkData) {
            for (int i = 0; i < query.columnCount() && column < 0; ++i)
                if (DBKernel::Sql::sameName(query.columnName(i), field->FieldName())) column = i;
            if (column < 0)
                misuse((boost::format("Brak kolumny \"%1%\" dla pola zbioru danych.") % field->FieldName()).str(),
                       CORE_SRC_INFO("Db::TDataSet::Open"));
            claimed[static_cast<std::size_t>(column)] = true;
        }
        columnOfField.push_back(column);
    }
    for (int i = 0; i < query.columnCount(); ++i) {
        if (claimed[static_cast<std::size_t>(i)]) continue;
        fields_.push_back(std::make_unique<TField>(*this, query.columnName(i), ftUnknown, fkData, fields_.size()));
        columnOfField.push_back(i);
    }
    return columnOfField;
}

void TDataSet::Close() {
    rows_.clear();
    deletedRows_.clear();
    editBuffer_.reset();
    arena_->clear();
    unpacked_->forget();
    unpackedAsRead_->forget();
    fields_.resize(declaredFields_);
    state_ = dsInactive;
    eof_ = bof_ = true;
    current_ = 0;
}

void TDataSet::ExecSQL() {
    if (!session_) misuse("Zbiór danych nie ma przypisanej sesji bazy danych.", CORE_SRC_INFO("Db::TDataSet::ExecSQL"));
    DBKernel::Sql::Command command(sql_, *session_);
    copyParamsTo(command.Params);
    rowsAffected_ = command.execute();
}

void TDataSet::requireActive(const Core::SrcInfo& place) const {
    if (!Active()) misuse("Zbiór danych nie jest otwarty.", place);
}

void TDataSet::requireBrowse(const Core::SrcInfo& place) const {
    requireActive(place);
    if (state_ != dsBrowse) misuse("Zbiór danych jest w trakcie edycji.", place);
}

void TDataSet::moveTo(std::size_t position) {
    current_ = position;
    eof_ = rows_.empty();
}

void TDataSet::First() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::First"));
    moveTo(0);
    bof_ = true;
}

void TDataSet::Next() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Next"));
    if (current_ + 1 < rows_.size()) {
        moveTo(current_ + 1);
        bof_ = false;
    } else {
        eof_ = true;
    }
}

void TDataSet::Prior() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Prior"));
    if (current_ > 0) {
        moveTo(current_ - 1);
    } else {
        bof_ = true;
    }
}

void TDataSet::Last() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Last"));
    moveTo(rows_.empty() ? 0 : rows_.size() - 1);
    eof_ = true;
    bof_ = rows_.empty();
}

const TField* TDataSet::findField(std::string_view name) const {
    for (const auto& field : fields_)
        if (DBKernel::Sql::sameName(field->FieldName(), name)) return field.get();
    return nullptr;
}

TField* TDataSet::FindField(std::string_view name) { return const_cast<TField*>(findField(name)); }

TField& TDataSet::FieldByName(std::string_view name) {
    if (TField* field = FindField(name)) return *field;
    misuse((boost::format("Brak pola \"%1%\" w zbiorze danych.") % name).str(),
           CORE_SRC_INFO("Db::TDataSet::FieldByName"));
}

TDataSet::Row& TDataSet::currentRow() {
    if (rows_.empty()) misuse("Zbiór danych jest pusty.", CORE_SRC_INFO("Db::TDataSet::currentRow"));
    return rows_[current_];
}

const TDataSet::Row& TDataSet::currentRow() const { return const_cast<TDataSet*>(this)->currentRow(); }

const Value& TDataSet::currentValue(std::size_t index) const {
    if (applying_) return valuesOf(*applying_)[index];
    if (calculating_) return (*calculating_)[index];
    if (editBuffer_) return (*editBuffer_->changed)[index];
    requireActive(CORE_SRC_INFO("Db::TField::value"));
    return valuesOf(currentRow())[index];
}

const Value& TDataSet::originalValue(std::size_t index) const {
    const auto* original = originalValues(applying_ ? *applying_ : currentRow());
    return original ? (*original)[index] : nullValue();
}

const TDataSet::Values& TDataSet::valuesOf(const Row& row) const {
    return row.changed ? *row.changed : unpacked_->of(row.asRead, fields_.size());
}

const TDataSet::Values* TDataSet::originalValues(const Row& row) const {
    if (!row.asRead) return nullptr;
    // A changed row needs its values as read beside its current ones.
    return &(row.changed ? *unpackedAsRead_ : *unpacked_).of(row.asRead, fields_.size());
}

void TDataSet::setCurrentValue(const TField& field, Value value) {
    const auto type = DBKernel::valueTypeOf(field.DataType());
    if (type != DBKernel::Sql::ValueType::Null) value = value.convertedTo(type);
    if (calculating_) {
        if (field.FieldKind() != fkCalculated)
            misuse("W obliczaniu pól zmienia się tylko pola obliczane: " + field.FieldName(),
                   CORE_SRC_INFO("Db::TField::operator="));
        (*calculating_)[field.index_] = std::move(value);
        return;
    }
    if (!editBuffer_)
        misuse("Zbiór danych nie jest w trybie edycji ani wstawiania.", CORE_SRC_INFO("Db::TField::operator="));
    if (field.FieldKind() != fkData)
        misuse("Pole obliczane zmienia się tylko w obliczaniu pól: " + field.FieldName(),
               CORE_SRC_INFO("Db::TField::operator="));
    (*editBuffer_->changed)[field.index_] = std::move(value);
}

void TDataSet::calculate(Values& values) {
    if (!OnCalcFields) return;
    for (const auto& field : fields_)
        if (field->FieldKind() == fkCalculated) values[field->index_] = Value::null();
    const TDataSetState previous = state_;
    state_ = dsCalcFields;
    calculating_ = &values;
    Core::ScopeExit restore([this, previous] {
        calculating_ = nullptr;
        state_ = previous;
    });
    OnCalcFields(this);
}

void TDataSet::startEditing(TDataSetState state, std::size_t position) {
    auto edited = std::make_unique<Row>();
    if (state == dsEdit) {
        const Row& row = currentRow();
        edited->asRead = row.asRead;
        edited->changed = std::make_unique<Values>(valuesOf(row));
        edited->status = row.status;
        edited->changeOrder = row.changeOrder;
        edited->loadOrder = row.loadOrder;
    } else {
        edited->changed = std::make_unique<Values>(fields_.size());
        edited->status = Row::Inserted;
    }
    editBuffer_ = std::move(edited);
    editPosition_ = position;
    state_ = state;
}

void TDataSet::Edit() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Edit"));
    startEditing(dsEdit, current_);
}

void TDataSet::Insert() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Insert"));
    startEditing(dsInsert, rows_.empty() ? 0 : current_);
}

void TDataSet::Append() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Append"));
    startEditing(dsInsert, rows_.size());
}

void TDataSet::Post() {
    if (state_ != dsEdit && state_ != dsInsert)
        misuse("Zbiór danych nie jest w trybie edycji ani wstawiania.", CORE_SRC_INFO("Db::TDataSet::Post"));
    Row edited = std::move(*editBuffer_);
    editBuffer_.reset();
    if (edited.status == Row::Unchanged) edited.status = Row::Modified;
    if (edited.changeOrder == 0) edited.changeOrder = ++changeCounter_;
    calculate(*edited.changed);
    if (state_ == dsEdit) {
        rows_[editPosition_] = std::move(edited);
    } else {
        rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(editPosition_), std::move(edited));
        current_ = editPosition_;
        eof_ = bof_ = false;
    }
    state_ = dsBrowse;
    if (!cachedUpdates_) ApplyUpdates();
}

void TDataSet::Cancel() {
    if (state_ != dsEdit && state_ != dsInsert) return;
    editBuffer_.reset();
    state_ = dsBrowse;
}

void TDataSet::Delete() {
    requireBrowse(CORE_SRC_INFO("Db::TDataSet::Delete"));
    Row row = std::move(currentRow());
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (row.status != Row::Inserted) {  // a row never written needs no delete
        row.status = Row::Deleted;
        if (row.changeOrder == 0) row.changeOrder = ++changeCounter_;
        deletedRows_.push_back(std::move(row));
    }
    if (current_ >= rows_.size() && current_ > 0) --current_;
    eof_ = rows_.empty();
    if (!cachedUpdates_) ApplyUpdates();
}

void TDataSet::SetUpdateSQL(TUpdateKind kind, std::string sql) { updateSql_[kind] = std::move(sql); }

bool TDataSet::UpdatesPending() const {
    return !deletedRows_.empty() ||
           std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return row.status != Row::Unchanged; });
}

void TDataSet::ApplyUpdates() {
    requireActive(CORE_SRC_INFO("Db::TDataSet::ApplyUpdates"));
    if (state_ == dsEdit || state_ == dsInsert) Post();
    std::vector<Row*> changes;
    for (auto& row : rows_)
        if (row.status != Row::Unchanged) changes.push_back(&row);
    for (auto& row : deletedRows_) changes.push_back(&row);
    if (changes.empty()) return;
    std::sort(changes.begin(), changes.end(),
              [](const Row* a, const Row* b) { return a->changeOrder < b->changeOrder; });

    DBKernel::TransactionScope transaction(*session_, DBKernel::TransactionScope::JoinOpen);
    {
        Core::ScopeExit clearApplying([this] { applying_ = nullptr; });
        for (Row* row : changes)
            applyChange(*row, row->status == Row::Deleted    ? ukDelete
                              : row->status == Row::Inserted ? ukInsert
                                                             : ukModify);
    }
    transaction.commit();

    deletedRows_.clear();
    for (auto& row : rows_) {
        if (row.status == Row::Unchanged) continue;
        row.asRead = arena_->add(*row.changed);  // what was applied is now the row as read
        row.changed.reset();
        row.status = Row::Unchanged;
        row.changeOrder = 0;
    }
}

void TDataSet::applyChange(Row& row, TUpdateKind kind) {
    if (OnUpdateRecord) {
        applying_ = &row;
        OnUpdateRecord(*this, kind);
        applying_ = nullptr;
        return;
    }
    static const char* const kindNames[] = {"zmiany", "wstawienia", "usunięcia"};
    if (updateSql_[kind].empty())
        misuse((boost::format("Zbiór danych nie ma polecenia zapisu dla %1% wiersza.") % kindNames[kind]).str(),
               CORE_SRC_INFO("Db::TDataSet::ApplyUpdates"));
    DBKernel::Sql::Command command(updateSql_[kind], *session_);
    bindUpdate(command.Params, row);
    if (command.execute() == 0 && kind != ukInsert)
        throw Core::PlacedRuntimeError("Rekord został zmieniony lub usunięty przez innego użytkownika.",
                                       CORE_SRC_INFO("Db::TDataSet::ApplyUpdates"));
}

void TDataSet::bindUpdate(DBKernel::Sql::Parameters& params, const Row& row) const {
    for (const auto& param : params) {
        const std::string& name = param.name();
        const bool old = name.size() > 4 && DBKernel::Sql::sameName(name.substr(0, 4), "old_");
        const std::string fieldName = old ? name.substr(4) : name;
        const TField* field = findField(fieldName);
        if (!field)
            misuse((boost::format("Parametr :%1% polecenia zapisu nie odpowiada żadnemu polu.") % name).str(),
                   CORE_SRC_INFO("Db::TDataSet::ApplyUpdates"));
        const Values* values = old ? originalValues(row) : &valuesOf(row);
        params[name] = values ? (*values)[field->index_] : Value::null();
    }
}

void TDataSet::CancelUpdates() {
    Cancel();
    std::erase_if(rows_, [](const Row& row) { return row.status == Row::Inserted; });
    for (auto& row : deletedRows_) rows_.push_back(std::move(row));
    deletedRows_.clear();
    for (auto& row : rows_) {
        if (row.status == Row::Unchanged) continue;
        row.changed.reset();
        row.status = Row::Unchanged;
        row.changeOrder = 0;
    }
    std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.loadOrder < b.loadOrder; });
    if (Active()) First();
}

}  // namespace Db
