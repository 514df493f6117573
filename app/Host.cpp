#include "Host.h"

#include <cstdlib>

#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "db/SessionHolder.h"
#include "ftp/FtpConnection.h"

namespace Korvel::App {

Host::Host(const std::optional<std::string>& configPath, const std::optional<std::string>& databaseUrl,
           const std::filesystem::path& moduleDirectory)
    : ftpConnectionAction_(Ftp::registerFtpConnectionAction()) {
    if (configPath) Core::SingletonImplHolder<Core::CSetup>::instance().load(*configPath);
    if (databaseUrl) DBKernel::setDefaultSession(*databaseUrl);
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
