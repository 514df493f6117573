// One prepared insert into a table, reused for every row. Each row sets the columns
// it has; the others are bound as NULL, never left over from the row before.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/Command.h"

namespace ShopDb {

class TableInsert {
public:
    TableInsert(const TSessionHolder& session, std::string_view table, std::initializer_list<std::string_view> columns);
    TableInsert(const TableInsert&) = delete;
    TableInsert& operator=(const TableInsert&) = delete;

    // The bind of a column of the insert; a column not in it is a logic error.
    DBKernel::Sql::Param& operator[](std::string_view column);
    // Inserts the row and starts the next one with every column NULL.
    void insert();
    std::int64_t rows() const noexcept { return rows_; }

private:
    DBKernel::Sql::Command command_;
    std::vector<std::pair<std::string, DBKernel::Sql::Param*>> columns_;
    std::int64_t rows_ = 0;
};

}  // namespace ShopDb
