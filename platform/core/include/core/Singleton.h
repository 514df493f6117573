// The host's singleton registry. Instances are keyed by type name in the host core
// library, so a module loaded at run time finds the same instance as the program.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "core/Errors.h"

namespace Core {

namespace detail {
std::shared_ptr<void> findSingleton(const std::string& key);
void storeSingleton(const std::string& key, std::shared_ptr<void> instance);
// Finds or, when absent, makes and stores the instance under the registry lock.
std::shared_ptr<void> findOrMakeSingleton(const std::string& key, const std::function<std::shared_ptr<void>()>& make);
void eraseSingleton(const std::string& key);
}  // namespace detail

template <class T>
class SingletonImplHolder {
public:
    // The registered instance; a default-constructible type is made on first use,
    // any other raises "Brak instancji singletonu %1%." until one is registered.
    static T& instance() {
        if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>) {
            auto p = detail::findOrMakeSingleton(key(),
                                                 [] { return std::static_pointer_cast<void>(std::make_shared<T>()); });
            return *static_cast<T*>(p.get());
        } else {
            auto p = find();
            if (!p)
                throw PlacedRuntimeError("Brak instancji singletonu " + key() + ".",
                                         CORE_SRC_INFO("SingletonImplHolder::instance"));
            return *p;
        }
    }
    static std::shared_ptr<T> find() { return std::static_pointer_cast<T>(detail::findSingleton(key())); }
    static void set(std::shared_ptr<T> instance) { detail::storeSingleton(key(), std::move(instance)); }
    static void reset() { detail::eraseSingleton(key()); }

private:
    static std::string key() { return typeName<T>(); }
};

}  // namespace Core
