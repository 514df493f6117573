// The one way the translator reports a text it cannot translate faithfully.
#pragma once

#include <string>

#include "db/Dialect.h"

namespace DBKernel::Dialect {

// Throws TranslationError with "Cannot translate SQL: " and the problem.
[[noreturn]] void fail(const Core::SrcInfo& place, const std::string& problem);

}  // namespace DBKernel::Dialect
