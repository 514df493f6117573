// Reading the host's configuration tree by key path, from the root.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "config/Key.h"

namespace Kolvenia::Config {

// The key at the path; missing keys are attached empty, so a read of a missing value
// fails in GetVal naming the whole path.
Korvel::TKey key(std::initializer_list<const char*> path);

// The key at the path when every key on the way exists; never attaches anything.
std::optional<Korvel::TKey> findKey(std::initializer_list<const char*> path);

// A directory value: read as text, environment-variable references expanded.
std::string directory(std::initializer_list<const char*> path);

}  // namespace Kolvenia::Config
