// The list argument of the cash-register configuration send: register numbers
// separated by any of ",", ";" and blank; empty items between adjacent separators are
// dropped. The result is a set: ascending, each number once.
#pragma once

#include <optional>
#include <set>
#include <string>

namespace Kolvenia::Kasa {

// Empty when an item is not an integer or no item is given.
std::optional<std::set<int>> parseCashRegisterList(const std::string& text);

}  // namespace Kolvenia::Kasa
