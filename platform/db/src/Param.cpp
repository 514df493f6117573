#include "db/Param.h"

#include <boost/format.hpp>

#include "KernelNames.h"
#include "core/Errors.h"

namespace DBKernel::Sql {

std::string lowerName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return lower;
}

Param::Param(std::string name, ValueType declaredType) : name_(std::move(name)), declaredType_(declaredType) {}

Param& Param::operator=(const std::string& text) {
    return assign(text.empty() ? Value::null(ValueType::Text) : Value::text(text));
}

Param& Param::operator=(const char* text) { return *this = std::string(text ? text : ""); }

void Param::clear() { assign(Value::null()); }

Param& Param::assign(Value value) {
    value_ = std::move(value);
    assigned_ = true;
    return *this;
}

Param& Parameters::operator[](std::string_view name) {
    for (auto& param : params_)
        if (sameName(param.name(), name)) return param;
    throw Core::PlacedLogicError((boost::format("Brak parametru \"%1%\" w poleceniu.") % name).str(),
                                 CORE_SRC_INFO("DBKernel::Sql::Parameters::operator[]"));
}

const Param* Parameters::find(std::string_view name) const {
    for (const auto& param : params_)
        if (sameName(param.name(), name)) return &param;
    return nullptr;
}

void Parameters::assignNames(const std::vector<std::string>& names) {
    params_.clear();
    params_.reserve(names.size());
    for (const auto& name : names) params_.emplace_back(name);
}

Param& Parameters::add(std::string name, ValueType declaredType) {
    return params_.emplace_back(std::move(name), declaredType);
}

}  // namespace DBKernel::Sql
