// Literal sharing for one-off texts: a text that differs from an earlier one only in the
// integer values it compares ("... where ltowarref = 17 for update nowait", a new text
// per product) is compiled once with those values as extra binds, numbered after the
// text's own. Only values compared after WHERE are shared, so result columns, ordering
// and limits never change; string literals and quoted names are left alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/Dialect.h"

namespace DBKernel::Dialect {

struct SharedLiterals {
    std::string sql;                   // the engine text with the values replaced by binds
    std::vector<std::int64_t> values;  // in bind order, after the text's own binds
};

// engineSql: a translated text with ownBinds binds of its own. None when it has no value
// to share.
std::optional<SharedLiterals> shareLiterals(std::string_view engineSql, std::size_t ownBinds, Engine engine);

}  // namespace DBKernel::Dialect
