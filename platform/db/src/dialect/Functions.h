// Oracle functions the engines lack or spell differently, rewritten at one level:
// nvl -> coalesce, decode -> case, cast(... as number(p, s)), package.function(...).
#pragma once

#include "SyntaxTree.h"
#include "TargetEngine.h"

namespace DBKernel::Dialect {

// Groups of the level must have been rewritten already.
void rewriteFunctions(Nodes& level, const TargetEngine& target);

}  // namespace DBKernel::Dialect
