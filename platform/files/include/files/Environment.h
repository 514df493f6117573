// Expansion of environment-variable references in configured paths.
#pragma once

#include <functional>
#include <string>

namespace Files {

// Replaces $NAME, ${NAME} and %NAME% with the variable's value. A reference to an
// unset variable, and text that only looks like one ("100%", a lone "$"), stay as
// written, so that a typo shows up in the path rather than silently vanishing.
std::string expandEnvironmentVariables(const std::string& text);

// As above, with the variables looked up through `lookup` (nullptr when unset).
std::string expandEnvironmentVariables(const std::string& text,
                                       const std::function<const char*(const std::string&)>& lookup);

}  // namespace Files
