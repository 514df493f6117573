// How the kernel compares and folds the names of binds, columns and routines, and the
// value type a host field type holds.
#pragma once

#include <string>
#include <string_view>

#include "db/DbTypes.h"

namespace DBKernel::Sql {

// ASCII case-insensitive equality, the rule for bind, column and routine names.
inline bool sameName(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x == y) continue;
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + ('a' - 'A'));
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + ('a' - 'A'));
        if (x != y) return false;
    }
    return true;
}
std::string lowerName(std::string_view name);

}  // namespace DBKernel::Sql

namespace DBKernel {

// The kernel value type a field type holds (ftUnknown: Null, meaning "as the engine gives it").
Sql::ValueType valueTypeOf(Db::TFieldType type);

}  // namespace DBKernel
