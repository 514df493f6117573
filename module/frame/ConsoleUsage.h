// The usage text console actions write on wrong arguments: the action's description,
// "Poprawne użycie akcji:" and its "fire" lines, one per line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace Kolvenia {

void writeUsage(std::ostream& out, const std::string& description, const std::vector<std::string>& fireLines);

}  // namespace Kolvenia
