// A stored procedure called by name ("UPDATESTANPROC", "PPA.appendPpa"), with input
// parameters passed by name. An unknown procedure or a parameter it does not have
// raises EOraError 6550.
//
// PostgreSQL: call ppa.appendppa(par_date => $1, ...), names lower-cased; a package is a
// schema. Parameters are sent untyped, so the procedure's own types apply.
//
// SQLite has no stored routines; the shop schema keeps them as rows of
//   create table korvel_routine (
//       name text primary key,     -- "PPA.appendPpa", "lastStnDate"; matched case-insensitively
//       kind text not null,        -- 'procedure' or 'function'
//       parameters text not null,  -- parameter names in call order, comma-separated
//       body text not null);       -- Oracle SQL with :name binds, translated like any statement
// A procedure's body is one or more statements separated by ';', run in order with the
// call's parameters as binds, all or nothing. A function is registered with SQLite under
// its name with '.' made '_' ("pkg.fn" is pkg_fn, as the translator calls it); its
// arguments bind to its parameters in order and its value is the first column of the
// body's first row (NULL without rows).
#pragma once

#include <memory>
#include <string>

#include "db/DbTypes.h"
#include "db/Param.h"
#include "db/SessionHolder.h"

namespace DBKernel::Sql {

// Host contract: the stored-procedure call class.
class Procedure {
public:
    explicit Procedure(std::string name, TSessionHolder session = TSessionHolder(true));

    // Declares a parameter; values assigned to it are converted to its field type.
    // Only input parameters are supported (others raise a logic error).
    Param& param(const std::string& name, Db::TParamType direction, Db::TFieldType type);
    void execute();

    const std::string& name() const noexcept { return name_; }

    Parameters Params;

private:
    TSessionHolder session_;
    std::string name_;
    std::shared_ptr<const std::string> callText_;  // the Oracle call, for the statement log
};

}  // namespace DBKernel::Sql
