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

// What the window sees of the selection. Every operation is pure virtual, so that a
// window built apart from the module reaches the object through its own table.
class ISendAllDataSelection : public virtual Core::IUnknown {
public:
    struct DeviceLine {
        std::string text;
        int deviceRef = 0;
        bool checked = false;
    };

    virtual const DataToSendToDeviceCollection& kinds() const = 0;
    virtual bool kindChecked(std::size_t line) const = 0;
    virtual const std::vector<DeviceLine>& devices() const = 0;
    virtual bool allKindsChecked() const = 0;
    virtual bool allDevicesChecked() const = 0;
    // Something to send and somewhere to send it: at least one kind and one device.
    virtual bool acceptEnabled() const = 0;

    virtual void setKindChecked(std::size_t line, bool checked) = 0;
    virtual void setDeviceChecked(std::size_t line, bool checked) = 0;
    virtual void clickAllKinds(bool checked) = 0;
    virtual void clickAllDevices(bool checked) = 0;
    virtual void accept() = 0;
    virtual void cancel() = 0;
    virtual bool accepted() const = 0;
};

// Host contract: the selection window's form class and caption.
class TSelectCashRegisterData : public ISendAllDataSelection {
public:
    static constexpr const char* formClass = "TSelectCashRegisterData";
    static constexpr const char* caption = "Wysłanie wszystkich danych do kas";

    TSelectCashRegisterData(DataToSendToDeviceCollectionPtr kinds, std::vector<DeviceLine> devices);

    // The cash registers and scales taking part in transmission, unticked.
    static std::vector<DeviceLine> devicesInTransmission();

    const DataToSendToDeviceCollection& kinds() const override { return *kinds_; }
    bool kindChecked(std::size_t line) const override { return kindChecked_.at(line); }
    const std::vector<DeviceLine>& devices() const override { return devices_; }
    bool allKindsChecked() const override { return allKinds_; }
    bool allDevicesChecked() const override { return allDevices_; }
    bool acceptEnabled() const override;

    void setKindChecked(std::size_t line, bool checked) override;
    void setDeviceChecked(std::size_t line, bool checked) override;
    void clickAllKinds(bool checked) override;
    void clickAllDevices(bool checked) override;

    void accept() override { accepted_ = true; }
    void cancel() override { accepted_ = false; }
    bool accepted() const override { return accepted_; }

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
