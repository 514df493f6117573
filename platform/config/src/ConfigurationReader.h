// Reads the configuration file format into a new tree. Refuses anything malformed with
// a Core::PlacedRuntimeError naming the source, the line and the reason.
#pragma once

#include <string>

#include "config/Key.h"

namespace Korvel {

// `sourceName` names the text in messages (the file's path).
TKey readConfiguration(const std::string& text, const std::string& sourceName);

}  // namespace Korvel
