// Runs the rewrites over a statement for one engine: merge first, then level by level
// from the innermost parentheses out; then the final text.
#pragma once

#include <string_view>

#include "TargetEngine.h"
#include "db/Dialect.h"

namespace DBKernel::Dialect {

class Translator {
public:
    explicit Translator(const TargetEngine& target) : target_(target) {}

    Translation run(std::string_view oracleSql);

private:
    void rewriteLevel(Nodes& level, bool statementLevel);
    void rewriteQuery(Nodes& level, bool statementLevel);
    void rewriteSelect(Select& select, bool lockable);

    const TargetEngine& target_;
    LockRequest lock_ = LockRequest::None;
};

}  // namespace DBKernel::Dialect
