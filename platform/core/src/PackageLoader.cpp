#include "core/PackageLoader.h"

#include <dlfcn.h>

#include <algorithm>
#include <boost/format.hpp>
#include <cctype>
#include <deque>

#include "core/Debug.h"
#include "core/Errors.h"
#include "core/Singleton.h"

namespace Core {

namespace {
using EntryPoint = int (*)(void*, unsigned long, void*);

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool hasHostExtension(const std::string& name) {
    const std::string lower = lowerCase(name);
    return lower.size() > 4 && (lower.ends_with(".dll") || lower.ends_with(".bpl"));
}

[[noreturn]] void refuse(const std::string& name, const std::string& reason) {
    throw PlacedRuntimeError((boost::format("Nie można załadować modułu %1%: %2%") % name % reason).str(),
                             CORE_SRC_INFO("SharedPackageLoader::load"));
}

EntryPoint entryPointOf(void* handle) { return reinterpret_cast<EntryPoint>(dlsym(handle, "DllEntryPoint")); }

struct InitializationQueue {
    struct Entry {
        std::uint64_t serial;
        InitializeModuleFunction function;
    };
    std::mutex mutex;
    std::deque<Entry> pending;
    std::uint64_t lastSerial = 0;
};
InitializationQueue& initializationQueue() {
    static InitializationQueue queue;
    return queue;
}
}  // namespace

SharedPackageLoader& SharedPackageLoader::instance() {
    static SharedPackageLoader loader;
    return loader;
}

SharedPackageLoader::SharedPackageLoader() {
    if (const char* dir = std::getenv("KORVEL_MODULE_DIR"); dir && *dir) moduleDirectory_ = dir;
}

SharedPackageLoader::~SharedPackageLoader() { unloadAll(); }

void SharedPackageLoader::setModuleDirectory(const std::filesystem::path& directory) {
    std::lock_guard lock(mutex_);
    moduleDirectory_ = directory;
}

std::filesystem::path SharedPackageLoader::resolve(const std::string& moduleFileName) const {
    if (!hasHostExtension(moduleFileName)) return moduleFileName;
    const std::string base = lowerCase(moduleFileName.substr(0, moduleFileName.size() - 4));
    return moduleDirectory_ / (base + ".so");
}

bool SharedPackageLoader::isLoaded(const std::string& moduleFileName) const {
    std::lock_guard lock(mutex_);
    const auto path = resolve(moduleFileName);
    return std::any_of(modules_.begin(), modules_.end(), [&](const Module& m) { return m.path == path; });
}

void SharedPackageLoader::load(const std::string& moduleFileName) {
    std::lock_guard lock(mutex_);
    const auto path = resolve(moduleFileName);
    if (std::any_of(modules_.begin(), modules_.end(), [&](const Module& m) { return m.path == path; })) return;
    if (Debug::loggingEnabled())
        Debug::logLine("Loading module: " + path.string(), CORE_SRC_INFO("SharedPackageLoader::load"));

    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) refuse(moduleFileName, dlerror());
    EntryPoint entry = entryPointOf(handle);
    if (!entry) {
        dlclose(handle);
        refuse(moduleFileName, "brak funkcji DllEntryPoint");
    }
    // Registered before the entry runs, so that a module the entry itself loads is
    // unloaded before this one.
    const std::size_t position = modules_.size();
    modules_.push_back({path, handle});
    if (entry(handle, DLL_PROCESS_ATTACH, nullptr) == 0) {
        // What the entry loaded may hold registrations whose undo is this module's code.
        unloadFrom(position + 1);
        modules_.pop_back();
        dlclose(handle);
        refuse(moduleFileName, "moduł odmówił inicjalizacji");
    }
}

void SharedPackageLoader::unloadAll() {
    std::lock_guard lock(mutex_);
    unloadFrom(0);
}

void SharedPackageLoader::unloadFrom(std::size_t position) {
    while (modules_.size() > position) {
        Module module = modules_.back();
        modules_.pop_back();
        if (EntryPoint entry = entryPointOf(module.handle)) entry(module.handle, DLL_PROCESS_DETACH, nullptr);
        dlclose(module.handle);
    }
}

void SharedPackageLoaderWithDep::load(const std::string& moduleFileName) {
    SharedPackageLoader::instance().load(moduleFileName);
}

void SharedPackageLoaderWithDep::initializeModules() {
    auto& queue = initializationQueue();
    for (;;) {
        InitializeModuleFunction next;
        {
            std::lock_guard lock(queue.mutex);
            if (queue.pending.empty()) return;
            next = std::move(queue.pending.front().function);
            queue.pending.pop_front();
        }
        if (Debug::loggingEnabled()) Debug::logLine("Initializing module", next.first);
        next.second();
    }
}

RegistrationHandle registerInitializeModuleFunction(InitializeModuleFunction function) {
    auto& queue = initializationQueue();
    std::lock_guard lock(queue.mutex);
    const std::uint64_t serial = ++queue.lastSerial;
    queue.pending.push_back({serial, std::move(function)});
    return std::make_unique<Registration>([serial] {
        auto& queue = initializationQueue();
        std::lock_guard lock(queue.mutex);
        std::erase_if(queue.pending,
                      [serial](const InitializationQueue::Entry& entry) { return entry.serial == serial; });
    });
}

namespace PackageLoaderWithDep {

Dependencies& Dependencies::instance() {
    static Dependencies dependencies;
    return dependencies;
}

void Dependencies::registerForDeferredLoadDependencies(void* instance, unsigned long reason) {
    if (!instance)
        throw PlacedLogicError("Moduł bez uchwytu nie może czekać na swoje zależności.",
                               CORE_SRC_INFO("Dependencies::registerForDeferredLoadDependencies"));
    std::lock_guard lock(mutex_);
    if (reason == DLL_PROCESS_ATTACH) instances_.push_back(instance);
}

std::size_t Dependencies::registeredCount() const {
    std::lock_guard lock(mutex_);
    return instances_.size();
}

}  // namespace PackageLoaderWithDep

}  // namespace Core
