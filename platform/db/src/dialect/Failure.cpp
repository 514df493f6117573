#include "Failure.h"

namespace DBKernel::Dialect {

void fail(const Core::SrcInfo& place, const std::string& problem) {
    throw TranslationError("Cannot translate SQL: " + problem, place);
}

}  // namespace DBKernel::Dialect
