// Statements that give rows. A query stands on one row at a time; columns are read by
// name through Field (see Field.h).
//
//   OpenedQuery q("select sNazwa from Towar where lTowarRef = 7", session);
//   if (q) name = q["sNazwa"].asString();
//
//   PreparedQuery p("select ... where lUrzadzenieRef = :deviceId", session);
//   p.Params["deviceId"] = ref;
//   p.execute();
//   for (; p; p.next()) ...
#pragma once

#include <string_view>

#include "db/Field.h"
#include "db/Statement.h"

namespace DBKernel::Sql {

// Host contract: the query classes and their row access.
class Query : public Statement {
public:
    // A column of the current row; an unknown name raises a logic error.
    Field operator[](std::string_view column) const;
    Field at(int columnIndex) const;
    // True while the query stands on a row; false for an empty or exhausted result.
    explicit operator bool() const;
    // The last execution gave no rows at all.
    bool empty() const;
    // Moves to the next row; returns whether there is one.
    bool next();

    int columnCount() const;
    const std::string& columnName(int index) const;

protected:
    using Statement::Statement;
};

// Opened on construction, standing on the first row.
class OpenedQuery : public Query {
public:
    OpenedQuery(SqlText sql, TSessionHolder session = TSessionHolder(true), QuerySettings settings = {});
    // Runs other SQL in this object.
    void reopen(SqlText sql);
};

// Prepared on construction; assign Params, then execute() (again for every new set).
class PreparedQuery : public Query {
public:
    PreparedQuery(SqlText sql, TSessionHolder session = TSessionHolder(true), QuerySettings settings = {});
    // Binds the Params and runs, standing on the first row.
    void execute();
    // Prepares other SQL in this object; its Params start unassigned.
    void reload(SqlText sql);
    // Moves this object to another session (the SQL stays; Params start unassigned).
    void reset(TSessionHolder session);
};

}  // namespace DBKernel::Sql
