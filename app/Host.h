// The host around the module: configuration, module directory, loading and
// initialising the "devices" module, and unloading it at the end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace Korvel::App {

class Host {
public:
    // Loads the configuration (an empty tree when no file is named), then the module.
    Host(const std::optional<std::string>& configPath, const std::filesystem::path& moduleDirectory);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Where the modules live: $KORVEL_MODULE_DIR, else ../modules beside the program.
    static std::filesystem::path defaultModuleDirectory(const char* argv0);
};

}  // namespace Korvel::App
