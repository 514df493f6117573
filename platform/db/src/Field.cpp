#include "db/Field.h"

#include "PreparedStatement.h"

namespace DBKernel::Sql {

ValueView Field::view() const { return statement_->value(column_); }

}  // namespace DBKernel::Sql
