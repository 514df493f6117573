#include "db/Statement.h"

#include "PreparedStatement.h"
#include "Session.h"
#include "db/OraError.h"

namespace DBKernel {

void StatementReturn::operator()(PreparedStatement* statement) const {
    std::unique_ptr<PreparedStatement> owned(statement);
    owned->release();
    if (session && reuse) session->giveBack(std::move(owned));
}

}  // namespace DBKernel

namespace DBKernel::Sql {

Statement::Statement(std::string sql, TSessionHolder session, QuerySettings settings)
    : session_(std::move(session)), settings_(settings), sql_(std::move(sql)) {}

Statement::~Statement() = default;

void Statement::prepare() {
    statement_.reset();
    statement_ = session_.session().acquire(sql_, settings_.reuseStatement);
    Params.assignNames(statement_->parameterNames());
}

void Statement::run() {
    for (const auto& param : Params)
        if (!param.assigned()) throw Oraerror::EOraError(Oraerror::Code::UnboundVariable, "nie przypisano wartości zmiennej :" + param.name());
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
