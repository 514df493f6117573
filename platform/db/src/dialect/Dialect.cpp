#include "db/Dialect.h"

#include "Targets.h"
#include "Translator.h"

namespace DBKernel::Dialect {

Translation translate(std::string_view oracleSql, Engine engine) {
    const TargetEngine& target = engine == Engine::SQLite ? sqliteTarget() : postgresTarget();
    return Translator(target).run(oracleSql);
}

}  // namespace DBKernel::Dialect
