#include "VoucherFiles.h"

namespace VoucherFiles {

std::string range(int id) {
    const std::string number = std::to_string(id);
    return "<blokada><grupa>G" + number +
           "</grupa><data_waznosci>2027-12-31</data_waznosci><nominal>50.00</nominal>"
           "<numerator_od>" +
           number + "001</numerator_od><numerator_do>" + number + "999</numerator_do></blokada>\n";
}

std::string document(const std::vector<int>& ids) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<blokady>\n";
    for (int id : ids) text += range(id);
    return text + "</blokady>\n";
}

}  // namespace VoucherFiles
