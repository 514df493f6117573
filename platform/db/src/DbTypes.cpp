#include "KernelNames.h"

namespace DBKernel {

Sql::ValueType valueTypeOf(Db::TFieldType type) {
    using Sql::ValueType;
    using namespace Db;
    switch (type) {
    case ftString:
    case ftWideString: return ValueType::Text;
    case ftSmallint:
    case ftInteger:
    case ftLargeint:
    case ftBoolean: return ValueType::Integer;
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd:
    case ftDate:  // day numbers, as the shop database keeps dates
    case ftDateTime: return ValueType::Double;
    case ftUnknown: break;
    }
    return ValueType::Null;
}

}  // namespace DBKernel
