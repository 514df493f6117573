// The host toolkit's dataset, for the windows: the rows of a query held in memory,
// fields by name, calculated fields, editing, and cached updates written back by
// update statements.
//
//   Db::TDataSet ds(session);
//   ds.SetSQL("select lParamUrzRef, sWartoscParam from ParamUrz where lUrzadzenieRef = :ref");
//   ds.ParamByName("ref") = 7;
//   ds.SetUpdateSQL(Db::ukModify, "update ParamUrz set sWartoscParam = :sWartoscParam "
//                                 "where lParamUrzRef = :OLD_lParamUrzRef");
//   ds.Open();
//   ds.Edit(); ds.FieldByName("sWartoscParam") = "1"; ds.Post();
//   ds.ApplyUpdates();
//
// Update statements bind :NAME to the field's current value and :OLD_NAME to its value
// as read. A modify or delete that finds no row raises an error (the row was changed by
// someone else). ApplyUpdates runs in the session's open transaction, or in its own.
// Calculated fields are computed by OnCalcFields when a row is read and after each Post.
//
// Rows as read are kept packed (a few bytes a value); the row in use is unpacked on
// demand. A reference from TField::value() or OldValue() is therefore valid only until
// the dataset moves to another row, starts, posts or cancels an edit, deletes, applies
// or cancels the updates, or closes: copy the value to keep it longer.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SrcInfo.h"
#include "db/DbTypes.h"
#include "db/Param.h"
#include "db/SessionHolder.h"

namespace DBKernel::Sql {
class Query;
}

namespace Db {

namespace RowPacking {
class Arena;
class Unpacked;
}  // namespace RowPacking

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsCalcFields };
enum TUpdateKind { ukModify, ukInsert, ukDelete };
enum TFieldKind { fkData, fkCalculated };

class TDataSet;

// Host contract: the dataset, its fields and their operations (VCL-style names).
class TField {
public:
    TField(TDataSet& dataSet, std::string name, TFieldType type, TFieldKind kind, std::size_t index);

    const std::string& FieldName() const noexcept { return name_; }
    TFieldType DataType() const noexcept { return type_; }
    TFieldKind FieldKind() const noexcept { return kind_; }

    bool IsNull() const { return value().isNull(); }
    std::string AsString() const { return value().view().asString(); }
    double AsFloat() const { return value().view().asDouble(); }
    int AsInteger() const { return value().view().asInt(); }
    std::int64_t AsLargeInt() const { return value().view().asInt64(); }
    Core::Quantity AsQuantity() const { return value().view().asQuantity(); }
    // Valid until the row moves or changes (see above).
    const DBKernel::Sql::Value& value() const;
    // The value as read from the database, before cached edits; valid as value().
    const DBKernel::Sql::Value& OldValue() const;

    // Writes the current row: a data field in Edit or Insert, a calculated field in
    // OnCalcFields. An empty text is NULL, as on Oracle.
    TField& operator=(const std::string& text);
    TField& operator=(const char* text) { return *this = std::string(text ? text : ""); }
    template <std::integral T>
    TField& operator=(T number) {
        return assign(DBKernel::Sql::Value::integer(static_cast<std::int64_t>(number)));
    }
    template <std::floating_point T>
    TField& operator=(T number) {
        return assign(DBKernel::Sql::Value::real(static_cast<double>(number)));
    }
    TField& operator=(const DBKernel::Sql::Value& newValue) { return assign(newValue); }
    void Clear() { assign(DBKernel::Sql::Value::null()); }

private:
    friend class TDataSet;
    TField& assign(DBKernel::Sql::Value newValue);

    TDataSet* dataSet_;
    std::string name_;
    TFieldType type_;
    TFieldKind kind_;
    std::size_t index_;  // position of the value in a row
};

class TDataSet {
public:
    TDataSet();
    explicit TDataSet(const TSessionHolder& session);
    ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    void setSession(const TSessionHolder& session);
    void SetSQL(std::string sql);
    const std::string& SQL() const noexcept { return sql_; }
    DBKernel::Sql::Param& ParamByName(std::string_view name);

    // Declares a field before Open; declared fields come first, in declaration order,
    // then the query's other columns. A data field takes the column of its name.
    TField& AddField(const std::string& name, TFieldType type, TFieldKind kind = fkData);
    std::function<void(TDataSet*)> OnCalcFields;

    void Open();
    void Close();
    bool Active() const noexcept { return state_ != dsInactive; }
    TDataSetState State() const noexcept { return state_; }
    // Runs the SQL as a statement without rows.
    void ExecSQL();
    std::int64_t RowsAffected() const noexcept { return rowsAffected_; }

    void First();
    void Next();
    void Prior();
    void Last();  // as in the toolkit, stands on the last row with Eof() true
    bool Eof() const noexcept { return eof_; }
    bool Bof() const noexcept { return bof_; }
    int RecordCount() const noexcept { return static_cast<int>(rows_.size()); }
    int RecNo() const noexcept { return static_cast<int>(current_) + 1; }

    TField& FieldByName(std::string_view name);
    TField* FindField(std::string_view name);
    int FieldCount() const noexcept { return static_cast<int>(fields_.size()); }
    TField& Fields(int index) { return *fields_.at(static_cast<std::size_t>(index)); }

    void Edit();
    void Insert();  // a new row before the current one
    void Append();  // a new row at the end
    void Post();
    void Cancel();
    void Delete();

    void SetCachedUpdates(bool cached) { cachedUpdates_ = cached; }
    bool CachedUpdates() const noexcept { return cachedUpdates_; }
    void SetUpdateSQL(TUpdateKind kind, std::string sql);
    // Applies one cached change instead of the update statements; the dataset stands on
    // the changed row while it runs.
    std::function<void(TDataSet&, TUpdateKind)> OnUpdateRecord;
    void ApplyUpdates();
    void CancelUpdates();
    bool UpdatesPending() const;

    void DisableControls() { ++controlsDisabled_; }
    void EnableControls() {
        if (controlsDisabled_ > 0) --controlsDisabled_;
    }
    bool ControlsDisabled() const noexcept { return controlsDisabled_ > 0; }

private:
    friend class TField;
    using Values = std::vector<DBKernel::Sql::Value>;  // data and calculated fields, in field order
    struct Row {
        enum Status { Unchanged, Modified, Inserted, Deleted };
        // As read (or as last applied), packed in arena_; null for an inserted row.
        const std::byte* asRead = nullptr;
        // The values once the row has changed or for an inserted row; else those as read.
        std::unique_ptr<Values> changed;
        Status status = Unchanged;
        std::uint64_t changeOrder = 0;  // when first changed: updates are applied in this order
        std::size_t loadOrder = std::numeric_limits<std::size_t>::max();
    };

    const DBKernel::Sql::Value& currentValue(std::size_t index) const;
    const DBKernel::Sql::Value& originalValue(std::size_t index) const;
    const Values& valuesOf(const Row& row) const;
    // The row's values as read, or null for an inserted row.
    const Values* originalValues(const Row& row) const;
    void setCurrentValue(const TField& field, DBKernel::Sql::Value value);
    Row& currentRow();
    const Row& currentRow() const;
    const TField* findField(std::string_view name) const;
    void requireActive(const Core::SrcInfo& place) const;
    void requireBrowse(const Core::SrcInfo& place) const;
    void copyParamsTo(DBKernel::Sql::Parameters& target) const;
    std::vector<int> bindFields(const DBKernel::Sql::Query& query);
    void calculate(Values& values);
    void startEditing(TDataSetState state, std::size_t position);
    void applyChange(Row& row, TUpdateKind kind);
    void bindUpdate(DBKernel::Sql::Parameters& params, const Row& row) const;
    void moveTo(std::size_t position);

    std::optional<TSessionHolder> session_;
    std::string sql_;
    DBKernel::Sql::Parameters params_;
    std::vector<std::unique_ptr<TField>> fields_;
    std::size_t declaredFields_ = 0;
    std::vector<Row> rows_;
    std::vector<Row> deletedRows_;
    std::size_t current_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    TDataSetState state_ = dsInactive;
    std::unique_ptr<RowPacking::Arena> arena_;
    // The values of the row in use as read; of a changed row, those it was read with.
    std::unique_ptr<RowPacking::Unpacked> unpacked_;
    std::unique_ptr<RowPacking::Unpacked> unpackedAsRead_;
    std::unique_ptr<Row> editBuffer_;  // the row being edited or inserted
    std::size_t editPosition_ = 0;
    Values* calculating_ = nullptr;  // the values OnCalcFields works on
    const Row* applying_ = nullptr;  // the row OnUpdateRecord works on
    std::string updateSql_[3];
    bool cachedUpdates_ = true;
    std::uint64_t changeCounter_ = 0;
    std::int64_t rowsAffected_ = 0;
    int controlsDisabled_ = 0;
};

}  // namespace Db
