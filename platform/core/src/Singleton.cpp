#include "core/Singleton.h"

#include <map>
#include <mutex>

namespace Core::detail {

namespace {
struct Registry {
    std::recursive_mutex mutex;  // a constructor may itself ask for another singleton
    std::map<std::string, std::shared_ptr<void>> instances;
};
Registry& registry() {
    static Registry r;
    return r;
}
}  // namespace

std::shared_ptr<void> findSingleton(const std::string& key) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.instances.find(key);
    return it == r.instances.end() ? nullptr : it->second;
}

void storeSingleton(const std::string& key, std::shared_ptr<void> instance) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.instances[key] = std::move(instance);
}

std::shared_ptr<void> findOrMakeSingleton(const std::string& key, const std::function<std::shared_ptr<void>()>& make) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.instances.find(key);
    if (it != r.instances.end()) return it->second;
    auto made = make();
    r.instances[key] = made;
    return made;
}

void eraseSingleton(const std::string& key) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.instances.erase(key);
}

}  // namespace Core::detail
