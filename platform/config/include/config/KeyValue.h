// The typed value a configuration node may hold.
#pragma once

#include <concepts>
#include <optional>
#include <string>
#include <variant>

#include "core/AnsiString.h"

namespace Korvel {

// The types a configuration value is stored and read as. The two text types are one
// kind of value: text stored as either may be read as the other.
template <class T>
concept ConfigValueType =
    std::same_as<T, bool> || std::same_as<T, int> || std::same_as<T, std::string> || std::same_as<T, AnsiString>;

// The name a value type goes by in error messages: "bool", "int", "std::string", "AnsiString".
template <ConfigValueType T>
constexpr const char* valueTypeName() {
    if constexpr (std::same_as<T, bool>)
        return "bool";
    else if constexpr (std::same_as<T, int>)
        return "int";
    else if constexpr (std::same_as<T, std::string>)
        return "std::string";
    else
        return "AnsiString";
}

// No value, or one value of a ConfigValueType. Not synchronised: the owning node locks.
class TValue {
public:
    bool empty() const noexcept { return std::holds_alternative<std::monostate>(value_); }

    // The name of the type the value was stored with; "" when empty.
    std::string typeName() const;

    // The value when it is of kind T, nothing when empty or of another kind.
    template <ConfigValueType T>
    std::optional<T> get() const;

    template <ConfigValueType T>
    void set(T value) {
        value_ = std::move(value);
    }

private:
    std::variant<std::monostate, bool, int, std::string, AnsiString> value_;
};

}  // namespace Korvel
