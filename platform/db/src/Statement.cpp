#include "db/Statement.h"

#include "KernelAccess.h"
#include "PreparedStatement.h"
#include "Session.h"
#include "db/OraError.h"

namespace DBKernel::Sql {

Statement::Statement(std::string sql, TSessionHolder session, QuerySettings settings)
    : session_(std::move(session)), settings_(settings), sql_(std::move(sql)) {}

Statement::~Statement() = default;

void Statement::prepare() {
    statement_.reset();
    statement_ = KernelAccess::session(session_).acquire(sql_, settings_.reuseStatement);
    KernelAccess::assignNames(Params, statement_->parameterNames());
}

void Statement::run() {
    for (const auto& param : Params)
        if (!param.assigned())
            throw Oraerror::EOraError(Oraerror::Code::UnboundVariable,
                                      "nie przypisano wartości zmiennej :" + param.name());
    statement_->execute(Params.all());
}

void Statement::replaceSql(std::string sql) {
    sql_ = std::move(sql);
    prepare();
}

void Statement::replaceSession(TSessionHolder session) {
    statement_.reset();
    session_ = std::move(session);
    prepare();
}

}  // namespace DBKernel::Sql
