// A stored procedure called by name ("UPDATESTANPROC", "PPA.appendPpa"), with input
// parameters passed by name.
//   PostgreSQL: call ppa.appendppa(par_date => $1, ...) - names lower-cased.
//   SQLite: the body stored in korvel_routine (see Routines in the kernel sources) runs
//   with the parameters as binds, atomically.
// An unknown procedure or a parameter it does not have raises EOraError 6550.
#pragma once

#include <memory>
#include <string>

#include "db/DbTypes.h"
#include "db/Param.h"
#include "db/SessionHolder.h"

namespace DBKernel::Sql {

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
