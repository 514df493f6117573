// Writes a tree in the configuration file format: UTF-8, two-space indentation,
// children in order, placeholders left out.
#pragma once

#include <string>

#include "config/Key.h"

namespace Korvel {

std::string writeConfiguration(const TKey& root);

}  // namespace Korvel
