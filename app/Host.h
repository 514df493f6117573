// The host around the module: configuration, database session, the FTP connection
// action, module directory, loading and initialising the "devices" module, and
// unloading it at the end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/Registration.h"

namespace Korvel::App {

class Host {
public:
    // Loads the configuration (an empty tree when no file is named), opens the shop
    // database as the host's default session when a URL is given, then loads the module.
    Host(const std::optional<std::string>& configPath, const std::optional<std::string>& databaseUrl,
         const std::filesystem::path& moduleDirectory);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Where the modules live: $KORVEL_MODULE_DIR, else ../modules beside the program.
    static std::filesystem::path defaultModuleDirectory(const char* argv0);

private:
    Core::RegistrationHandle ftpConnectionAction_;
};

}  // namespace Korvel::App
