#include "dialogs/deviceconfig/DeviceTree.h"

#include "db/Query.h"
#include "devicedefs/UrzadzenieView.h"

namespace Kolvenia::DeviceConfig {

namespace {

constexpr int All = -1;

std::string deviceName(const TSelection& selection) {
    TUrzadzenie device;
    device.nNrTypuUrz = selection.type;
    device.nNrSekcji = selection.section;
    device.nNrKolvenia = selection.number;
    return TUrzadzenieView(device).displayName();
}

}  // namespace

std::string typeGroupName(int type) {
    switch (type) {
    case tuKasa: return "Kasy";
    case tuWaga: return "Wagi";
    case tuSkaner: return "Skanery";
    default: return "Urządzenia typu " + std::to_string(type);
    }
}

std::vector<TreeNode> readDeviceTree(TSessionHolder session) {
    std::vector<TreeNode> nodes;
    bool sectionsShown = false;  // whether the current type's devices sit under sections
    for (DBKernel::Sql::OpenedQuery row(Sql::QueryTypyUrz, session); row; row.next()) {
        TSelection selection{row["nNrTypuUrz"].asInt(), row["nNrSekcji"].asInt(), row["nNrKolvenia"].asInt(),
                             row["lUrzadzenieRef"].asInt()};
        if (selection.section == All) {
            nodes.push_back({typeGroupName(selection.type), 0, selection});
        } else if (selection.deviceRef == All) {
            sectionsShown = row["nLiczbaSekcji"].asInt() > 1;
            if (sectionsShown) nodes.push_back({"Sekcja " + std::to_string(selection.section), 1, selection});
        } else {
            nodes.push_back({deviceName(selection), sectionsShown ? 2 : 1, selection});
        }
    }
    return nodes;
}

}  // namespace Kolvenia::DeviceConfig
