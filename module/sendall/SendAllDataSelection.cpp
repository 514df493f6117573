#include "sendall/SendAllDataSelection.h"

#include <algorithm>

#include "devicedefs/Kolekcje.h"

namespace Kolvenia::SendAll {

TSelectCashRegisterData::TSelectCashRegisterData(DataToSendToDeviceCollectionPtr kinds, std::vector<DeviceLine> devices)
    : kinds_(std::move(kinds)), kindChecked_(kinds_->kinds().size(), false), devices_(std::move(devices)) {
    updateAllBoxes();
}

std::vector<TSelectCashRegisterData::DeviceLine> TSelectCashRegisterData::devicesInTransmission() {
    std::vector<DeviceLine> lines;
    const auto devices = kolekcjaKasIWagDoTransmisji();
    for (std::size_t i = 0; devices && i < devices->size(); ++i) {
        const TUrzadzenie& device = *(*devices)[i];
        const std::string number = std::to_string(device.nNrKolvenia);
        lines.push_back({device.nNrTypuUrz == tuWaga
                             ? "waga " + number + " (sekcja " + std::to_string(device.nNrSekcji) + ")"
                             : "kasa " + number,
                         device.lUrzadzenieRef, false});
    }
    return lines;
}

void TSelectCashRegisterData::setKindChecked(std::size_t line, bool checked) {
    const auto type = kinds_->kinds().at(line).type;
    if (checked)
        tickWithDependencies(type);
    else
        untickWithDependants(type);
    updateAllBoxes();
}

void TSelectCashRegisterData::setDeviceChecked(std::size_t line, bool checked) {
    devices_.at(line).checked = checked;
    updateAllBoxes();
}

void TSelectCashRegisterData::clickAllKinds(bool checked) {
    std::fill(kindChecked_.begin(), kindChecked_.end(), checked);
    updateAllBoxes();
}

void TSelectCashRegisterData::clickAllDevices(bool checked) {
    for (auto& device : devices_) device.checked = checked;
    updateAllBoxes();
}

// Dependencies are followed through: a kind ticked for another's sake brings its own.
void TSelectCashRegisterData::tickWithDependencies(DataToSendToDeviceDesc::Type type) {
    const auto& kinds = kinds_->kinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i].type != type || kindChecked_[i]) continue;
        kindChecked_[i] = true;
        for (const auto dependency : kinds[i].dependencies) tickWithDependencies(dependency);
    }
}

void TSelectCashRegisterData::untickWithDependants(DataToSendToDeviceDesc::Type type) {
    const auto& kinds = kinds_->kinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i].type == type && kindChecked_[i]) {
            kindChecked_[i] = false;
            for (const auto& other : kinds)
                if (other.dependencies.count(type)) untickWithDependants(other.type);
        }
    }
}

void TSelectCashRegisterData::updateAllBoxes() {
    allKinds_ =
        !kindChecked_.empty() && std::all_of(kindChecked_.begin(), kindChecked_.end(), [](bool c) { return c; });
    allDevices_ = !devices_.empty() &&
                  std::all_of(devices_.begin(), devices_.end(), [](const DeviceLine& d) { return d.checked; });
}

bool TSelectCashRegisterData::acceptEnabled() const {
    return std::find(kindChecked_.begin(), kindChecked_.end(), true) != kindChecked_.end() &&
           std::any_of(devices_.begin(), devices_.end(), [](const DeviceLine& d) { return d.checked; });
}

SendAllDataArgs TSelectCashRegisterData::args(const std::string& menuPath) const {
    SendAllDataArgs args;
    args.form.menuPath = menuPath;
    for (std::size_t i = 0; i < kindChecked_.size(); ++i)
        if (kindChecked_[i]) args.kinds.insert(kinds_->kinds()[i].type);
    for (const auto& device : devices_)
        if (device.checked) args.deviceRefs.insert(device.deviceRef);
    return args;
}

}  // namespace Kolvenia::SendAll
