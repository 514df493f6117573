#include "PgResult.h"

#include <string>

#include "db/OraError.h"

namespace DBKernel {

namespace {

namespace Code = Oraerror::Code;

struct SqlStateCode {
    std::string_view sqlState;
    int oracleCode;
};

constexpr SqlStateCode sqlStateCodes[] = {
    {"55P03", Code::ResourceBusy},     {"40P01", Code::Deadlock},          {"23505", Code::UniqueViolated},
    {"23502", Code::NullIntoNotNull},  {"23514", Code::CheckViolated},     {"23503", Code::ParentKeyNotFound},
    {"42P01", Code::NoSuchTable},      {"42703", Code::InvalidIdentifier}, {"42883", Code::InvalidIdentifier},
    {"42601", Code::InvalidStatement}, {"22003", Code::NumberTooLarge},    {"22012", Code::DivisionByZero},
    {"22P02", Code::InvalidNumber},    {"22001", Code::TextTooLong},
};

std::string trimmedMessage(const char* message) {
    std::string text = message ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (text.rfind("ERROR:  ", 0) == 0) text.erase(0, 8);
    return text;
}

}  // namespace

int oracleCodeForSqlState(std::string_view sqlState, PgStatementKind kind) {
    if (sqlState == "42883" && kind == PgStatementKind::ProcedureCall) return Code::UnknownCall;
    if (sqlState.substr(0, 2) == "08") return Code::ConnectionLost;
    for (const auto& entry : sqlStateCodes)
        if (entry.sqlState == sqlState) return entry.oracleCode;
    return Code::OtherEngineError;
}

bool failed(const PGresult* result) {
    if (!result) return true;
    const ExecStatusType status = PQresultStatus(result);
    return status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_PIPELINE_SYNC;
}

void raisePgError(const PGresult* result, PGconn* connection, PgStatementKind kind) {
    const char* sqlState = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    if (!sqlState) {  // no server error: the connection failed
        throw Oraerror::EOraError(Code::ConnectionLost,
                                  trimmedMessage(result && *PQresultErrorMessage(result) ? PQresultErrorMessage(result)
                                                                                         : PQerrorMessage(connection)));
    }
    const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    throw Oraerror::EOraError(oracleCodeForSqlState(sqlState, kind),
                              trimmedMessage(primary ? primary : PQresultErrorMessage(result)));
}

}  // namespace DBKernel
