#include "PgResult.h"

#include <string>

#include "db/OraError.h"

namespace DBKernel {

namespace {

struct SqlStateCode {
    std::string_view sqlState;
    int oracleCode;
};

constexpr SqlStateCode sqlStateCodes[] = {
    {"55P03", 54},   {"40P01", 60},   {"23505", 1},    {"23502", 1400}, {"23514", 2290},
    {"23503", 2291}, {"42P01", 942},  {"42703", 904},  {"42883", 904},  {"42601", 900},
    {"22003", 1438}, {"22012", 1476}, {"22P02", 1722}, {"22001", 12899},
};

std::string trimmedMessage(const char* message) {
    std::string text = message ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (text.rfind("ERROR:  ", 0) == 0) text.erase(0, 8);
    return text;
}

}  // namespace

int oracleCodeForSqlState(std::string_view sqlState, PgStatementKind kind) {
    if (sqlState == "42883" && kind == PgStatementKind::ProcedureCall) return 6550;
    if (sqlState.substr(0, 2) == "08") return 3113;
    for (const auto& entry : sqlStateCodes)
        if (entry.sqlState == sqlState) return entry.oracleCode;
    return 20000;
}

bool failed(const PGresult* result) {
    if (!result) return true;
    const ExecStatusType status = PQresultStatus(result);
    return status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_PIPELINE_SYNC;
}

void raisePgError(const PGresult* result, PGconn* connection, PgStatementKind kind) {
    const char* sqlState = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    if (!sqlState) {  // no server error: the connection failed
        throw Oraerror::EOraError(3113, trimmedMessage(result && *PQresultErrorMessage(result)
                                                             ? PQresultErrorMessage(result)
                                                             : PQerrorMessage(connection)));
    }
    const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    throw Oraerror::EOraError(oracleCodeForSqlState(sqlState, kind),
                              trimmedMessage(primary ? primary : PQresultErrorMessage(result)));
}

}  // namespace DBKernel
