#include "frame/Configuration.h"

#include "config/Setup.h"
#include "core/Singleton.h"
#include "files/Environment.h"

namespace Kolvenia::Config {

namespace {
Korvel::TKey root() { return Core::SingletonImplHolder<Core::CSetup>::instance().getRootKey(); }
}  // namespace

Korvel::TKey key(std::initializer_list<const char*> path) {
    Korvel::TKey current = root();
    for (const char* name : path) current = current.GetKey(name);
    return current;
}

std::optional<Korvel::TKey> findKey(std::initializer_list<const char*> path) {
    std::optional<Korvel::TKey> current = root();
    for (const char* name : path) {
        current = current->FindKey(name);
        if (!current) break;
    }
    return current;
}

std::string directory(std::initializer_list<const char*> path) {
    return Files::expandEnvironmentVariables(key(path).GetVal<std::string>());
}

}  // namespace Kolvenia::Config
