#include "Host.h"

#include <cstdlib>
#include <regex>

#include "config/Setup.h"
#include "core/Errors.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "db/SessionHolder.h"
#include "ftp/FtpConnection.h"
#include "shopdb/Schema.h"

namespace Korvel::App {

namespace {

// The database as named in messages: a password in a connection URI is hidden.
std::string displayName(const std::string& url) {
    static const std::regex password(R"(^([a-z]+://[^:/@]*):[^@]*@)");
    return std::regex_replace(url, password, "$1:***@");
}

// Every command works on the shop's tables; an empty database would otherwise fail
// deep inside the first action with the engine's "no such table".
void requireShopSchema(const std::string& url) {
    if (!ShopDb::hasSchema(TSessionHolder(true)))
        throw Core::PlacedRuntimeError(
            "Baza danych " + displayName(url) + " nie zawiera schematu sklepu. Utwórz go poleceniem: korvel db init",
            CORE_SRC_INFO("Korvel::App::Host::Host"));
}

}  // namespace

Host::Host(const std::optional<std::string>& configPath, const std::optional<std::string>& databaseUrl,
           const std::filesystem::path& moduleDirectory)
    : ftpConnectionAction_(Ftp::registerFtpConnectionAction()) {
    if (configPath) Core::SingletonImplHolder<Core::CSetup>::instance().load(*configPath);
    if (databaseUrl) {
        DBKernel::setDefaultSession(*databaseUrl);
        requireShopSchema(*databaseUrl);
    }
    Core::SharedPackageLoader::instance().setModuleDirectory(moduleDirectory);
    auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
    loader.load("devices.dll");
    loader.initializeModules();
}

Host::~Host() {
    Core::SharedPackageLoader::instance().unloadAll();
    DBKernel::resetDefaultSession();
}

std::filesystem::path Host::defaultModuleDirectory(const char* argv0) {
    if (const char* dir = std::getenv("KORVEL_MODULE_DIR"); dir && *dir) return dir;
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path().parent_path() / "modules";
}

}  // namespace Korvel::App
