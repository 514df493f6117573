// Typed reads of one column of a dataset's current row, with NULL as an empty optional.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "db/DataSet.h"

namespace PluTransmission {

inline std::optional<int> optionalInt(Db::TDataSet& row, std::string_view column) {
    const Db::TField& field = row.FieldByName(column);
    return field.IsNull() ? std::nullopt : std::optional<int>(field.AsInteger());
}

inline std::optional<unsigned> optionalUnsigned(Db::TDataSet& row, std::string_view column) {
    const Db::TField& field = row.FieldByName(column);
    return field.IsNull() ? std::nullopt : std::optional<unsigned>(static_cast<unsigned>(field.AsLargeInt()));
}

inline std::optional<double> optionalDouble(Db::TDataSet& row, std::string_view column) {
    const Db::TField& field = row.FieldByName(column);
    return field.IsNull() ? std::nullopt : std::optional<double>(field.AsFloat());
}

// A reference stored as a number of any kind, truncated to a whole one.
inline std::optional<std::int64_t> optionalReference(Db::TDataSet& row, std::string_view column) {
    const Db::TField& field = row.FieldByName(column);
    return field.IsNull() ? std::nullopt : std::optional<std::int64_t>(static_cast<std::int64_t>(field.AsFloat()));
}

inline std::optional<bool> optionalBool(Db::TDataSet& row, std::string_view column) {
    const Db::TField& field = row.FieldByName(column);
    return field.IsNull() ? std::nullopt : std::optional<bool>(field.AsLargeInt() != 0);
}

// Numbers stored as flags: true when not 0; NULL reads as false.
inline bool flag(Db::TDataSet& row, std::string_view column) { return optionalBool(row, column).value_or(false); }

inline int integer(Db::TDataSet& row, std::string_view column) { return optionalInt(row, column).value_or(0); }

inline std::string text(Db::TDataSet& row, std::string_view column) { return row.FieldByName(column).AsString(); }

}  // namespace PluTransmission
