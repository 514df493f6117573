#include "config/KeyValue.h"

#include <type_traits>

namespace Korvel {

std::string TValue::typeName() const {
    return std::visit(
        [](const auto& stored) -> std::string {
            using Stored = std::decay_t<decltype(stored)>;
            if constexpr (std::is_same_v<Stored, std::monostate>)
                return "";
            else
                return valueTypeName<Stored>();
        },
        value_);
}

namespace {
template <class T>
constexpr bool isText = std::is_same_v<T, std::string> || std::is_same_v<T, AnsiString>;
}

template <ConfigValueType T>
std::optional<T> TValue::get() const {
    return std::visit(
        [](const auto& stored) -> std::optional<T> {
            using Stored = std::decay_t<decltype(stored)>;
            if constexpr (std::is_same_v<Stored, T>)
                return stored;
            else if constexpr (isText<Stored> && isText<T>)
                return T(std::string(stored));
            else
                return std::nullopt;
        },
        value_);
}

template std::optional<bool> TValue::get<bool>() const;
template std::optional<int> TValue::get<int>() const;
template std::optional<std::string> TValue::get<std::string>() const;
template std::optional<AnsiString> TValue::get<AnsiString>() const;

}  // namespace Korvel
