#include "db/Procedure.h"

#include <boost/format.hpp>

#include "KernelAccess.h"
#include "KernelNames.h"
#include "Session.h"
#include "StatementRecording.h"
#include "core/Errors.h"

namespace DBKernel::Sql {

Procedure::Procedure(std::string name, TSessionHolder session) : session_(std::move(session)), name_(std::move(name)) {}

Param& Procedure::param(const std::string& name, Db::TParamType direction, Db::TFieldType type) {
    if (direction != Db::ptInput)
        throw Core::PlacedLogicError(
            (boost::format("Parametr %1% procedury %2%: obsługiwane są tylko parametry wejściowe.") % name % name_)
                .str(),
            CORE_SRC_INFO("DBKernel::Sql::Procedure::param"));
    callText_.reset();
    return KernelAccess::addParam(Params, name, valueTypeOf(type));
}

void Procedure::execute() {
    ProcedureArguments arguments;
    for (const auto& param : Params)  // a parameter never assigned passes NULL
        arguments.emplace_back(param.name(), param.assigned() ? param.value().convertedTo(param.declaredType())
                                                              : Value::null(param.declaredType()));
    if (!callText_) {
        std::string call = "begin " + name_ + "(";
        for (std::size_t i = 0; i < Params.size(); ++i)
            call += (i ? ", " : "") + Params.at(i).name() + " => :" + Params.at(i).name();
        callText_ = std::make_shared<const std::string>(call + "); end;");
    }
    recordStatement(callText_);
    KernelAccess::session(session_).connection().callProcedure(name_, arguments);
}

}  // namespace DBKernel::Sql
