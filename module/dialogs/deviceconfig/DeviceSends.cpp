#include "dialogs/deviceconfig/DeviceSends.h"

#include <set>
#include <sstream>

#include "cashregister/config/ConfigSendActions.h"
#include "devicedefs/Kolekcje.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "scales/ScaleXmlFileSender.h"

namespace Kolvenia::DeviceConfig {

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.push_back(line);
    }
    return result;
}

bool inSelection(const TUrzadzenie& device, const TSelection& selection) {
    if (!selection.isGroup()) return device.lUrzadzenieRef == selection.deviceRef;
    return device.nNrTypuUrz == selection.type && (selection.section == -1 || device.nNrSekcji == selection.section);
}

}  // namespace

void sendCashRegisterConfiguration(const TSelection& selection) {
    std::set<int> numbers;
    const auto devices = kolekcjaUrzadzen();
    for (std::size_t i = 0; devices && i < devices->size(); ++i) {
        const TUrzadzenie& device = *(*devices)[i];
        if (device.nNrTypuUrz == tuKasa && inSelection(device, selection)) numbers.insert(device.nNrKolvenia);
    }
    Kasa::sendCashRegisterConfig(numbers);
}

void sendScaleHeaders(const std::vector<ScaleHeader>& headers) {
    std::set<int> refs;
    for (const ScaleHeader& header : headers) refs.insert(header.deviceRef);
    Devices::ScaleXmlFileSender scales;
    scales.begin(CFromSetUrzCollectionModStrategy(refs));
    for (const ScaleHeader& header : headers) scales.sendHeaderLines(header.number, header.section, lines(header.text));
    scales.end();
}

}  // namespace Kolvenia::DeviceConfig
