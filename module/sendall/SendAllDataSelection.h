// The behaviour of the send-all-data selection window, without the window: two check
// lists (kinds of data, devices), each with its "Wszystkie" box. Ticking a kind ticks
// every kind it depends on; unticking one unticks every kind that depends on it. A
// "Wszystkie" box ticks or unticks its whole list and is ticked exactly when every
// line of its list is.
//
//   TSelectCashRegisterData selection(kinds, TSelectCashRegisterData::devicesInTransmission());
//   selection.setKindChecked(2, true);
//   selection.clickAllDevices(true);
//   SendAllDataArgs args = selection.args(menuPath);
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "frame/SendAllDataArgs.h"
#include "sendall/DataToSendToDevice.h"

namespace Kolvenia::SendAll {

// Host contract: the selection window's form class and caption.
class TSelectCashRegisterData : public virtual Core::IUnknown {
public:
    static constexpr const char* formClass = "TSelectCashRegisterData";
    static constexpr const char* caption = "Wysłanie wszystkich danych do kas";

    struct DeviceLine {
        std::string text;
        int deviceRef = 0;
        bool checked = false;
    };

    TSelectCashRegisterData(DataToSendToDeviceCollectionPtr kinds, std::vector<DeviceLine> devices);

    // The cash registers and scales taking part in transmission, unticked.
    static std::vector<DeviceLine> devicesInTransmission();

    const DataToSendToDeviceCollection& kinds() const { return *kinds_; }
    bool kindChecked(std::size_t line) const { return kindChecked_.at(line); }
    const std::vector<DeviceLine>& devices() const { return devices_; }
    bool allKindsChecked() const { return allKinds_; }
    bool allDevicesChecked() const { return allDevices_; }

    void setKindChecked(std::size_t line, bool checked);
    void setDeviceChecked(std::size_t line, bool checked);
    void clickAllKinds(bool checked);
    void clickAllDevices(bool checked);

    void accept() { accepted_ = true; }
    void cancel() { accepted_ = false; }
    bool accepted() const { return accepted_; }

    // The ticked devices and kinds, with the window's menu path.
    SendAllDataArgs args(const std::string& menuPath) const;

private:
    void tickWithDependencies(DataToSendToDeviceDesc::Type type);
    void untickWithDependants(DataToSendToDeviceDesc::Type type);
    void updateAllBoxes();

    DataToSendToDeviceCollectionPtr kinds_;
    std::vector<bool> kindChecked_;
    std::vector<DeviceLine> devices_;
    bool allKinds_ = false;
    bool allDevices_ = false;
    bool accepted_ = false;
};

}  // namespace Kolvenia::SendAll
