// The engines the translator writes for.
#pragma once

#include "TargetEngine.h"

namespace DBKernel::Dialect {

const TargetEngine& sqliteTarget();
const TargetEngine& postgresTarget();

}  // namespace DBKernel::Dialect
