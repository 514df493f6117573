#include "PgConnection.h"

#include <boost/format.hpp>
#include <charconv>

#include "KernelNames.h"
#include "PgStatement.h"
#include "core/Debug.h"
#include "db/OraError.h"
#include "db/Param.h"

namespace DBKernel {

namespace {

// The savepoint around each statement of a transaction: prepared once per connection, so
// the server parses them once instead of twice for every statement.
const char* const savepointName = "korvel_savepoint";
const char* const savepoint = "savepoint korvel_statement";
const char* const releaseName = "korvel_release_savepoint";
const char* const releaseSavepoint = "release savepoint korvel_statement";

void forwardNotice(void*, const char* message) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(message, CORE_SRC_INFO("DBKernel::PgConnection"));
}

std::string withoutTrailingNewlines(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

PgConnection::PgConnection(const std::string& displayUrl, const std::string& uri) {
    // Defaults first: settings in the URI override them.
    const char* keywords[] = {"connect_timeout", "client_encoding", "fallback_application_name", "dbname", nullptr};
    const char* values[] = {"10", "UTF8", "korvel", uri.c_str(), nullptr};
    connection_ = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(connection_) != CONNECTION_OK) {
        const std::string reason = withoutTrailingNewlines(PQerrorMessage(connection_));
        PQfinish(connection_);
        throw Oraerror::EOraError(
            Oraerror::Code::CannotOpen,
            (boost::format("nie można połączyć się z bazą danych \"%1%\": %2%") % displayUrl % reason).str());
    }
    PQsetNoticeProcessor(connection_, &forwardNotice, nullptr);
    for (const auto& [name, sql] : {std::pair{savepointName, savepoint}, std::pair{releaseName, releaseSavepoint}}) {
        PgResult prepared(PQprepare(connection_, name, sql, 0, nullptr));
        if (failed(prepared.get())) {
            const std::string reason = withoutTrailingNewlines(PQerrorMessage(connection_));
            PQfinish(connection_);
            throw Oraerror::EOraError(Oraerror::Code::CannotOpen, reason);
        }
    }
}

PgConnection::~PgConnection() { PQfinish(connection_); }

std::unique_ptr<EngineStatement> PgConnection::prepare(const Dialect::Translation& translation) {
    return std::make_unique<PgStatement>(*this, translation);
}

void PgConnection::begin() { runCommand("begin"); }

void PgConnection::commit() { runCommand("commit"); }

void PgConnection::rollback() { runCommand("rollback"); }

bool PgConnection::inTransaction() const {
    const PGTransactionStatusType status = PQtransactionStatus(connection_);
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
}

void PgConnection::runCommand(const char* sql) {
    PgResult result(PQexec(connection_, sql));
    if (failed(result.get())) raisePgError(result.get(), connection_, PgStatementKind::Query);
}

void PgConnection::callProcedure(const std::string& name, const ProcedureArguments& arguments) {
    std::string sql = "call " + Sql::lowerName(name) + "(";
    std::vector<std::string> texts(arguments.size());
    std::vector<const char*> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        sql += (i ? ", " : "") + Sql::lowerName(arguments[i].first) + " => $" + std::to_string(i + 1);
        values.push_back(pgBindText(arguments[i].second, texts[i]));
    }
    sql += ")";
    run(
        [&] {
            return PQsendQueryParams(connection_, sql.c_str(), static_cast<int>(values.size()), nullptr, values.data(),
                                     nullptr, nullptr, 0);
        },
        PgStatementKind::ProcedureCall);
}

std::int64_t PgConnection::nextReference() {
    PgResult result = run(
        [&] {
            return PQsendQueryParams(connection_, "select nextval('korvel_ref_seq')", 0, nullptr, nullptr, nullptr,
                                     nullptr, 0);
        },
        PgStatementKind::Query);
    const char* text = PQgetvalue(result.get(), 0, 0);
    std::int64_t reference = 0;
    std::from_chars(text, text + PQgetlength(result.get(), 0, 0), reference);
    return reference;
}

std::string PgConnection::newStatementName() { return "korvel_" + std::to_string(++statementCounter_); }

void PgConnection::prepareNamed(const std::string& name, const std::string& sql, const std::vector<Oid>& types) {
    if (!pendingDeallocations_.empty()) {
        std::string drop;
        for (const auto& pending : pendingDeallocations_) drop += "deallocate " + pending + ";";
        pendingDeallocations_.clear();
        runCommand(drop.c_str());
    }
    run(
        [&] {
            return PQsendPrepare(connection_, name.c_str(), sql.c_str(), static_cast<int>(types.size()), types.data());
        },
        PgStatementKind::Query);
}

PgResult PgConnection::execPrepared(const std::string& name, const std::vector<const char*>& values) {
    return run(
        [&] {
            return PQsendQueryPrepared(connection_, name.c_str(), static_cast<int>(values.size()), values.data(),
                                       nullptr, nullptr, 0);
        },
        PgStatementKind::Query);
}

void PgConnection::deallocateLater(std::string name) { pendingDeallocations_.push_back(std::move(name)); }

PgResult PgConnection::run(const Send& send, PgStatementKind kind) {
    if (inTransaction()) return runGuarded(send, kind);
    if (!send()) raisePgError(nullptr, connection_, kind);
    PgResult result(PQgetResult(connection_));
    for (PgResult extra(PQgetResult(connection_)); extra; extra.reset(PQgetResult(connection_))) {}
    if (failed(result.get())) raisePgError(result.get(), connection_, kind);
    return result;
}

PgResult PgConnection::runGuarded(const Send& send, PgStatementKind kind) {
    if (!PQenterPipelineMode(connection_)) raisePgError(nullptr, connection_, kind);
    const bool sent = PQsendQueryPrepared(connection_, savepointName, 0, nullptr, nullptr, nullptr, 0) && send() &&
                      PQsendQueryPrepared(connection_, releaseName, 0, nullptr, nullptr, nullptr, 0) &&
                      PQpipelineSync(connection_);
    if (!sent) {
        const std::string reason = withoutTrailingNewlines(PQerrorMessage(connection_));
        PQexitPipelineMode(connection_);
        throw Oraerror::EOraError(Oraerror::Code::ConnectionLost, reason);
    }
    PgResult savepointResult = nextPipelineResult();
    PgResult statementResult = nextPipelineResult();
    PgResult releaseResult = nextPipelineResult();
    nextPipelineResult();  // the sync point
    PQexitPipelineMode(connection_);
    if (failed(savepointResult.get())) raisePgError(savepointResult.get(), connection_, kind);
    if (failed(statementResult.get())) {
        PgResult undo(
            PQexec(connection_, "rollback to savepoint korvel_statement; release savepoint korvel_statement"));
        raisePgError(statementResult.get(), connection_, kind);
    }
    if (failed(releaseResult.get())) raisePgError(releaseResult.get(), connection_, kind);
    return statementResult;
}

PgResult PgConnection::nextPipelineResult() {
    PgResult result(PQgetResult(connection_));
    if (result && PQresultStatus(result.get()) != PGRES_PIPELINE_SYNC) {
        PgResult end(PQgetResult(connection_));  // each query's results end with a null
    }
    return result;
}

}  // namespace DBKernel
