// Values read from and bound to the database. Reading is lenient across types the
// way an Oracle client is (a number reads as text, a numeric text as a number) and
// strict about NULL: only a NULL is null, and a NULL reads as 0 or "".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Money.h"

namespace DBKernel::Sql {

enum class ValueType { Null, Integer, Double, Text };

// A value as the engine holds it for the current row; the text is valid until the
// row moves.
struct ValueView {
    ValueType type = ValueType::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view text;

    bool isNull() const noexcept { return type == ValueType::Null; }
    // A non-integral number is rounded half away from zero; a non-numeric text raises
    // EOraError 1722.
    std::int64_t asInt64() const { return type == ValueType::Integer ? integer : convertedToInt64(); }
    // As asInt64; a value outside 32 bits raises EOraError 1455.
    int asInt() const;
    double asDouble() const { return type == ValueType::Double ? real : convertedToDouble(); }
    // Numbers in their shortest exact decimal form, without a trailing ".0" ("3", "12.5").
    std::string asString() const;
    Core::Quantity asQuantity() const;

private:
    // The conversions from the other types (the common case is inline above).
    std::int64_t convertedToInt64() const;
    double convertedToDouble() const;
};

// An owned value. A NULL may carry the type it was declared with, so that engines that
// type their binds (PostgreSQL) bind a typed NULL.
class Value {
public:
    Value() = default;
    static Value null(ValueType declaredType = ValueType::Null);
    static Value integer(std::int64_t value);
    static Value real(double value);
    static Value text(std::string value);
    static Value copyOf(const ValueView& view);

    ValueType type() const noexcept { return type_; }
    // The type for a typed bind: the value's own, or the declared type of a NULL.
    ValueType bindType() const noexcept { return type_ == ValueType::Null ? nullType_ : type_; }
    bool isNull() const noexcept { return type_ == ValueType::Null; }
    ValueView view() const noexcept {
        return ValueView{type_, type_ == ValueType::Integer ? integer_ : 0, type_ == ValueType::Double ? real_ : 0,
                         text_};
    }

    // Converted to another type with the lenient reading rules (NULL stays NULL).
    Value convertedTo(ValueType type) const;

    friend bool operator==(const Value& a, const Value& b) noexcept;

private:
    ValueType type_ = ValueType::Null;
    ValueType nullType_ = ValueType::Null;
    // One number or the other, as type_ says: a dataset holds millions of values.
    union {
        std::int64_t integer_ = 0;
        double real_;
    };
    std::string text_;
};

// Shortest decimal text that reads back as the same double, without exponent for
// ordinary magnitudes and without a trailing ".0".
std::string formatNumber(double value);

}  // namespace DBKernel::Sql
