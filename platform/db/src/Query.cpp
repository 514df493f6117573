#include "db/Query.h"

#include "PreparedStatement.h"

namespace DBKernel::Sql {

Field Query::operator[](std::string_view column) const { return Field(statement(), statement().column(column)); }

Field Query::at(int columnIndex) const { return Field(statement(), columnIndex); }

Query::operator bool() const { return statement().hasRow(); }

bool Query::empty() const { return !statement().hadRows(); }

bool Query::next() { return statement().next(); }

int Query::columnCount() const { return statement().columnCount(); }

const std::string& Query::columnName(int index) const { return statement().columnName(index); }

OpenedQuery::OpenedQuery(SqlText sql, TSessionHolder session, QuerySettings settings)
    : Query(std::move(sql.text), std::move(session), settings) {
    prepare();
    run();
}

void OpenedQuery::reopen(SqlText sql) {
    replaceSql(std::move(sql.text));
    run();
}

PreparedQuery::PreparedQuery(SqlText sql, TSessionHolder session, QuerySettings settings)
    : Query(std::move(sql.text), std::move(session), settings) {
    prepare();
}

void PreparedQuery::execute() { run(); }

void PreparedQuery::reload(SqlText sql) { replaceSql(std::move(sql.text)); }

void PreparedQuery::reset(TSessionHolder session) { replaceSession(std::move(session)); }

}  // namespace DBKernel::Sql
