#include "cashregister/config/CashRegisterListArgument.h"

#include <charconv>

namespace Kolvenia::Kasa {

std::optional<std::set<int>> parseCashRegisterList(const std::string& text) {
    std::set<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(",; ", start), text.size());
        if (end > start) {
            int number = 0;
            const char* first = text.data() + start;
            const char* last = text.data() + end;
            const auto [stop, error] = std::from_chars(first, last, number);
            if (error != std::errc() || stop != last) return std::nullopt;
            numbers.insert(number);
        }
        start = end + 1;
    }
    if (numbers.empty()) return std::nullopt;  // only separators: no register named
    return numbers;
}

}  // namespace Kolvenia::Kasa
