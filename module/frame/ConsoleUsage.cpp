#include "frame/ConsoleUsage.h"

#include "core/I18n.h"

namespace Kolvenia {

void writeUsage(std::ostream& out, const std::string& description, const std::vector<std::string>& fireLines) {
    out << Core::I18n::translate(description) << '\n' << Core::I18n::translate("Poprawne użycie akcji:") << '\n';
    for (const auto& line : fireLines) out << Core::I18n::translate(line) << '\n';
}

}  // namespace Kolvenia
