// The rows of one edit of the device configuration window, kept until "Zapisz" as the
// window's cached datasets keep them: the devices of the selection (QueryUrz) and their
// parameter values (QueryParamUrz), each with what is stored, so that only what changed
// is written. Loading takes the rows from the two lock queries, so what is edited is
// exactly what is locked.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "dialogs/deviceconfig/DeviceConfigSql.h"

namespace Kolvenia::DeviceConfig {

struct DeviceRow {
    int ref = 0;
    int type = 0;
    int section = 0;
    int number = 0;
    bool enabled = true;    // bWlaczone
    bool available = true;  // bDostepne
    bool extended = false;  // bRozszerzonaTransmisja
    bool operator==(const DeviceRow&) const = default;
};

struct ParameterValue {
    std::optional<std::int64_t> rowRef;  // lParamUrzRef; empty: the device has no row yet
    std::optional<std::string> stored;
    std::optional<std::string> value;
    bool changed() const { return value != stored; }
};

class DeviceEdit {
public:
    // Takes both locks of the selection in the session's open transaction and reads the
    // locked rows; a lock that cannot be taken at once raises the kernel's error 54.
    static DeviceEdit lock(TSessionHolder session, const TSelection& selection);
    // A new device of the type in the section, numbered after the last one there.
    static DeviceEdit newDevice(TSessionHolder session, int type, int section,
                                const std::map<int, std::string>& defaults);

    const std::vector<DeviceRow>& devices() const { return devices_; }
    bool isNew() const { return inserted_; }
    bool modified() const;

    // The value shown for the selection: the first device's.
    std::optional<std::string> value(int paramId) const;
    std::optional<std::string> deviceValue(int deviceRef, int paramId) const;
    // Sets the value for every device of the selection.
    void setValue(int paramId, const std::optional<std::string>& value);
    // Sets the switches given for every device; one left empty keeps each device's own.
    void setSwitches(std::optional<bool> enabled, std::optional<bool> available, std::optional<bool> extended);
    // Number and section of a single device.
    void setPlace(int section, int number);

    // The values the operator changed, by parameter, for their check.
    std::map<int, std::string> changedValues() const;
    // The devices whose number or section is new, for the duplicate check.
    std::vector<DeviceRow> placedDevices() const;
    // Writes every change through the cached-update statements, a new parameter row
    // taking its reference from GetRef(). The caller owns the transaction.
    void write(TSessionHolder session) const;
    // Deletes the single device and its parameter rows.
    void remove(TSessionHolder session) const;

private:
    std::vector<DeviceRow> devices_;
    std::vector<DeviceRow> storedDevices_;
    std::map<int, std::map<int, ParameterValue>> parameters_;  // device -> nParamId -> value
    bool inserted_ = false;
};

}  // namespace Kolvenia::DeviceConfig
