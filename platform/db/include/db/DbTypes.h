// The host toolkit's field and parameter kinds, used to declare procedure parameters
// and dataset fields.
#pragma once

#include "db/Value.h"

namespace Db {

enum TFieldType {
    ftUnknown,
    ftString,
    ftWideString,
    ftSmallint,
    ftInteger,
    ftLargeint,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftFMTBcd,
    ftDate,
    ftDateTime
};

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

}  // namespace Db
