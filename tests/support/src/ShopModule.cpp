#include "support/ShopModule.h"

#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "db/StatementLog.h"
#include "shopdb/Schema.h"

namespace TestSupport {

void openShop(std::optional<EngineDatabase>& database, std::optional<TSessionHolder>& session, Engine engine) {
    database.emplace(engine);
    DBKernel::setDefaultSession(database->url(), DBKernel::OpenMode::CreateIfMissing);
    session.emplace(true);
    ShopDb::createSchema(*session);
}

void loadShopModule() {
    auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
    loader.load("Devices.dll");
    loader.initializeModules();
}

void closeShop(std::optional<TSessionHolder>& session) {
    DBKernel::StatementLog::setEnabled(false);
    DBKernel::StatementLog::clear();
    Core::SharedPackageLoader::instance().unloadAll();
    session.reset();
    DBKernel::resetDefaultSession();
}

}  // namespace TestSupport
