#include "tools/PluConfig.h"

namespace Plu {

const PluConfig& pluConfig() { return CodeRules::current(); }

}  // namespace Plu
