// Loading modules by file name. A name ending in ".dll" or ".bpl" resolves to the shared
// object of the same base name, in lower case, in the module directory
// ("Tankora.dll" -> <dir>/tankora.so). A module exports
//     extern "C" int DllEntryPoint(void* instance, unsigned long reason, void* reserved);
// called with reason 1 after loading and 0 before unloading; 0 at load refuses the module.
// Modules that an entry loads while it attaches are unloaded before it, also when its
// attach fails, so no registration they hold outlives the code that undoes it.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/Registration.h"
#include "core/SrcInfo.h"

namespace Core {

constexpr unsigned long DLL_PROCESS_DETACH = 0;
constexpr unsigned long DLL_PROCESS_ATTACH = 1;

class SharedPackageLoader {
public:
    static SharedPackageLoader& instance();

    SharedPackageLoader();
    ~SharedPackageLoader();

    // Loads the module once; a second load of the same file only counts it.
    // Raises "Nie można załadować modułu %1%: %2%" when it cannot be loaded or refuses.
    void load(const std::string& moduleFileName);
    bool isLoaded(const std::string& moduleFileName) const;
    // Detaches and unloads every module, newest first.
    void unloadAll();

    void setModuleDirectory(const std::filesystem::path& directory);
    const std::filesystem::path& moduleDirectory() const { return moduleDirectory_; }
    std::filesystem::path resolve(const std::string& moduleFileName) const;

private:
    struct Module {
        std::filesystem::path path;
        void* handle;
    };
    mutable std::recursive_mutex mutex_;
    std::filesystem::path moduleDirectory_;
    std::vector<Module> modules_;

    // Detaches and unloads the modules from the position on, newest first.
    void unloadFrom(std::size_t position);
};

// The loader that also runs the modules' queued initialisation functions. Shares the
// loaded modules with SharedPackageLoader; obtained through SingletonImplHolder.
class SharedPackageLoaderWithDep {
public:
    void load(const std::string& moduleFileName);
    // Runs every queued initialisation function once, in queue order, including
    // functions queued by modules that those functions load.
    void initializeModules();
};

using InitializeModuleFunction = std::pair<SrcInfo, std::function<void()>>;
// Host contract: queues the function for initializeModules. The handle takes it out of
// the queue again while it has not run: a module keeps it in its registration list, so
// that an attach that fails, or an unload, leaves no function of its code queued.
[[nodiscard]] RegistrationHandle registerInitializeModuleFunction(InitializeModuleFunction function);

namespace PackageLoaderWithDep {
class Dependencies {
public:
    static Dependencies& instance();
    // Records that a module attached and takes part in deferred initialisation. A module
    // is known by its handle: a null instance is refused with a logic error.
    void registerForDeferredLoadDependencies(void* instance, unsigned long reason);
    std::size_t registeredCount() const;

private:
    mutable std::mutex mutex_;
    std::vector<void*> instances_;
};
}  // namespace PackageLoaderWithDep

}  // namespace Core
