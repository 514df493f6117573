#include "db/Command.h"

#include "PreparedStatement.h"

namespace DBKernel::Sql {

Command::Command(SqlText sql, TSessionHolder session, QuerySettings settings)
    : Statement(std::move(sql.text), std::move(session), settings) {
    prepare();
}

std::int64_t Command::execute() {
    run();
    rowsAffected_ = statement().rowsAffected();
    statement().release();  // ends the statement at once, as a command has no rows to walk
    return rowsAffected_;
}

}  // namespace DBKernel::Sql
