#include "db/Value.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "db/OraError.h"

namespace DBKernel::Sql {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

template <class Number>
bool parseWhole(std::string_view text, Number& number) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

[[noreturn]] void notANumber(std::string_view text) {
    throw Oraerror::EOraError(Oraerror::Code::InvalidNumber, "niepoprawna liczba: '" + std::string(text) + "'");
}

double textToDouble(std::string_view text) {
    double number = 0;
    if (!parseWhole(trimmed(text), number)) notANumber(text);
    return number;
}

std::int64_t roundedToInt64(double number, std::string_view source) {
    if (!std::isfinite(number) || std::fabs(number) >= 9.2e18) notANumber(source);
    return std::llround(number);
}

}  // namespace

std::int64_t ValueView::convertedToInt64() const {
    switch (type) {
    case ValueType::Null: return 0;
    case ValueType::Integer: return integer;
    case ValueType::Double: return roundedToInt64(real, formatNumber(real));
    case ValueType::Text: {
        std::int64_t whole = 0;
        if (parseWhole(trimmed(text), whole)) return whole;
        return roundedToInt64(textToDouble(text), text);
    }
    }
    return 0;
}

int ValueView::asInt() const {
    const std::int64_t wide = asInt64();
    if (wide < INT_MIN || wide > INT_MAX)
        throw Oraerror::EOraError(Oraerror::Code::IntegerOverflow,
                                  "wartość " + std::to_string(wide) + " nie mieści się w liczbie całkowitej");
    return static_cast<int>(wide);
}

double ValueView::convertedToDouble() const {
    switch (type) {
    case ValueType::Null: return 0;
    case ValueType::Integer: return static_cast<double>(integer);
    case ValueType::Double: return real;
    case ValueType::Text: return textToDouble(text);
    }
    return 0;
}

std::string ValueView::asString() const {
    switch (type) {
    case ValueType::Null: return {};
    case ValueType::Integer: return std::to_string(integer);
    case ValueType::Double: return formatNumber(real);
    case ValueType::Text: return std::string(text);
    }
    return {};
}

Core::Quantity ValueView::asQuantity() const {
    if (type == ValueType::Integer) return Core::Quantity::fromUnits(integer * Core::Quantity::scale());
    return Core::Quantity::fromDouble(asDouble());
}

std::string formatNumber(double value) {
    if (value == 0) return "0";  // also -0
    char buffer[64];
    const double magnitude = std::fabs(value);
    const auto format = magnitude >= 1e-6 && magnitude < 1e17 ? std::chars_format::fixed : std::chars_format::general;
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    if (error != std::errc()) return std::to_string(value);
    return std::string(buffer, end);
}

Value Value::null(ValueType declaredType) {
    Value value;
    value.nullType_ = declaredType;
    return value;
}

Value Value::integer(std::int64_t number) {
    Value value;
    value.type_ = ValueType::Integer;
    value.integer_ = number;
    return value;
}

Value Value::real(double number) {
    Value value;
    value.type_ = ValueType::Double;
    value.real_ = number;
    return value;
}

Value Value::text(std::string text) {
    Value value;
    value.type_ = ValueType::Text;
    value.text_ = std::move(text);
    return value;
}

Value Value::copyOf(const ValueView& view) {
    switch (view.type) {
    case ValueType::Null: return null();
    case ValueType::Integer: return integer(view.integer);
    case ValueType::Double: return real(view.real);
    case ValueType::Text: return text(std::string(view.text));
    }
    return null();
}

Value Value::convertedTo(ValueType type) const {
    if (isNull()) return null(type);
    switch (type) {
    case ValueType::Null: return *this;
    case ValueType::Integer: return integer(view().asInt64());
    case ValueType::Double: return real(view().asDouble());
    case ValueType::Text: return text(view().asString());
    }
    return *this;
}

bool operator==(const Value& a, const Value& b) noexcept {
    if (a.type_ != b.type_) return false;
    switch (a.type_) {
    case ValueType::Null: return true;
    case ValueType::Integer: return a.integer_ == b.integer_;
    case ValueType::Double: return a.real_ == b.real_;
    case ValueType::Text: return a.text_ == b.text_;
    }
    return false;
}

}  // namespace DBKernel::Sql
