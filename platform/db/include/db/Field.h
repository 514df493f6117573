// One column of the current row of a query, by name (case-insensitive, as on Oracle).
// A Field is a light handle: it reads the row the query stands on when asked.
#pragma once

#include <cstdint>
#include <string>

#include "db/Value.h"

namespace DBKernel {
class PreparedStatement;
}

namespace DBKernel::Sql {

class Field {
public:
    Field(const PreparedStatement& statement, int column) : statement_(&statement), column_(column) {}

    bool isNull() const { return view().isNull(); }
    bool empty() const { return isNull(); }
    // The type of the value in the current row (SQLite types each value on its own).
    ValueType type() const { return view().type; }

    std::string asString() const { return view().asString(); }
    double asDouble() const { return view().asDouble(); }
    std::int64_t asInt64() const { return view().asInt64(); }
    int asInt() const { return view().asInt(); }
    Core::Quantity asQuantity() const { return view().asQuantity(); }

    ValueView view() const;

private:
    const PreparedStatement* statement_;
    int column_;
};

}  // namespace DBKernel::Sql
