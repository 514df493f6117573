#include "TableInsert.h"

#include <boost/format.hpp>

#include "core/Errors.h"

namespace ShopDb {

namespace {

std::string insertSql(std::string_view table, std::initializer_list<std::string_view> columns) {
    std::string names, binds;
    for (std::string_view column : columns) {
        names += (names.empty() ? "" : ", ") + std::string(column);
        binds += (binds.empty() ? ":" : ", :") + std::string(column);
    }
    return "insert into " + std::string(table) + " (" + names + ") values (" + binds + ")";
}

}  // namespace

TableInsert::TableInsert(const TSessionHolder& session, std::string_view table,
                         std::initializer_list<std::string_view> columns)
    : command_(insertSql(table, columns), session) {
    for (std::string_view column : columns) {
        DBKernel::Sql::Param& param = command_.Params[column];
        param.clear();
        columns_.emplace_back(column, &param);
    }
}

DBKernel::Sql::Param& TableInsert::operator[](std::string_view column) {
    for (auto& [name, param] : columns_)
        if (name == column) return *param;
    throw Core::PlacedLogicError((boost::format("Kolumna %1% nie należy do wstawianego wiersza.") % column).str(),
                                 CORE_SRC_INFO("TableInsert::operator[]"));
}

void TableInsert::insert() {
    command_.execute();
    ++rows_;
    for (auto& column : columns_) column.second->clear();
}

}  // namespace ShopDb
