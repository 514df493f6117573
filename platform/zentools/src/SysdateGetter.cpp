#include "zentools/SysdateGetter.h"

#include "db/Query.h"

namespace Zentools {

namespace {

// Oracle's sysdate has no counterpart the kernel translates, so each engine is asked in
// its own words; both answer whole days since 30 December 1899.
const char* todaySql(DBKernel::Dialect::Engine engine) {
    return engine == DBKernel::Dialect::Engine::SQLite
               ? "select cast(julianday('now', 'localtime') - julianday('1899-12-30') as integer) as today"
               : "select current_date - date '1899-12-30' as today";
}

}  // namespace

int SysdateGetter::getDate(const TSessionHolder& session) {
    DBKernel::Sql::OpenedQuery today(todaySql(session.engine()), session);
    return today["today"].asInt();
}

}  // namespace Zentools
