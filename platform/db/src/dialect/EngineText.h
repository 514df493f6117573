// The final text for the engine: binds numbered in the order they first appear (one
// number per name, letter case ignored), quoted names folded where the engine needs it.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "SyntaxTree.h"

namespace DBKernel::Dialect {

class EngineText {
public:
    EngineText(char bindPrefix, bool foldQuotedNames) : bindPrefix_(bindPrefix), foldQuotedNames_(foldQuotedNames) {}

    // Throws TranslationError on an outer-join marker that no rewrite took.
    void append(const Nodes& nodes);

    std::string sql() && { return std::move(sql_); }
    std::vector<std::string> parameterNames() && { return std::move(names_); }

private:
    void appendBind(const std::string& bind);

    char bindPrefix_;
    bool foldQuotedNames_;
    std::string sql_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::size_t> numbers_;
};

}  // namespace DBKernel::Dialect
