// Bind parameters by name. Names are case-insensitive (":DeviceId" and ":deviceid" are
// one bind, as on Oracle). A parameter keeps its value across executions until it is
// assigned again; one never assigned raises EOraError 1008 at execution.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/Value.h"

namespace DBKernel {
class KernelAccess;
}

namespace DBKernel::Sql {

class Param {
public:
    explicit Param(std::string name, ValueType declaredType = ValueType::Null);
    Param(const Param&) = default;
    Param(Param&&) = default;
    Param& operator=(const Param&) = delete;
    Param& operator=(Param&&) = delete;

    // An empty text binds NULL, as Oracle stores it.
    Param& operator=(const std::string& text);
    Param& operator=(const char* text);
    template <std::integral T>
    Param& operator=(T value) {
        return assign(Value::integer(static_cast<std::int64_t>(value)));
    }
    template <std::floating_point T>
    Param& operator=(T value) {
        return assign(Value::real(static_cast<double>(value)));
    }
    // An empty optional binds a NULL of the optional's type.
    template <class T>
    Param& operator=(const std::optional<T>& value) {
        if (value) return *this = *value;
        return assign(Value::null(std::integral<T>         ? ValueType::Integer
                                  : std::floating_point<T> ? ValueType::Double
                                                           : ValueType::Text));
    }
    Param& operator=(const Value& value) { return assign(value); }
    void clear();  // binds an untyped NULL

    const std::string& name() const noexcept { return name_; }
    const Value& value() const noexcept { return value_; }
    bool assigned() const noexcept { return assigned_; }
    // The type given at declaration (procedures), Null when undeclared.
    ValueType declaredType() const noexcept { return declaredType_; }

private:
    Param& assign(Value value);

    std::string name_;
    ValueType declaredType_;
    Value value_;
    bool assigned_ = false;
};

class Parameters {
public:
    // Unknown names raise a logic error naming the parameter.
    Param& operator[](std::string_view name);
    const Param* find(std::string_view name) const;
    std::size_t size() const noexcept { return params_.size(); }
    const Param& at(std::size_t index) const { return params_.at(index); }
    auto begin() const { return params_.begin(); }
    auto end() const { return params_.end(); }
    std::span<const Param> all() const noexcept { return params_; }

private:
    friend class DBKernel::KernelAccess;
    void assignNames(const std::vector<std::string>& names);
    Param& add(std::string name, ValueType declaredType);

    std::vector<Param> params_;
};

}  // namespace DBKernel::Sql
