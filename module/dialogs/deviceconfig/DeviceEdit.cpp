#include "dialogs/deviceconfig/DeviceEdit.h"

#include "core/Errors.h"
#include "core/I18n.h"
#include "db/Command.h"
#include "db/GetRef.h"
#include "db/OraError.h"
#include "db/Query.h"

namespace Kolvenia::DeviceConfig {

namespace {

using DBKernel::Sql::Command;
using DBKernel::Sql::OpenedQuery;

// Host contract: the message of a failed write of the extended-transmission switch.
constexpr const char* ExtendedSwitchError = "Błąd przy zapisie parametru 'bRozszerzonaTransmisja'";

bool flag(const DBKernel::Sql::Field& field) { return !field.isNull() && field.asInt() == 1; }

void bindDevice(Command& command, const DeviceRow& row) {
    command.Params["bWlaczone"] = row.enabled ? 1 : 0;
    command.Params["bDostepne"] = row.available ? 1 : 0;
    command.Params["bRozszerzonaTransmisja"] = row.extended ? 1 : 0;
    command.Params["nNrSekcji"] = row.section;
    command.Params["nNrKolvenia"] = row.number;
}

void insertDevice(TSessionHolder session, const DeviceRow& row) {
    Command insert(Sql::InsertDevice, session);
    insert.Params["lUrzadzenieRef"] = row.ref;
    insert.Params["nNrTypuUrz"] = row.type;
    bindDevice(insert, row);
    insert.execute();
}

void updateDevice(TSessionHolder session, const DeviceRow& row, const DeviceRow& stored) {
    try {
        Command update(Sql::ModifyDevice, session);
        update.Params["OLD_lUrzadzenieRef"] = row.ref;
        bindDevice(update, row);
        update.execute();
    } catch (const Oraerror::EOraError&) {
        if (row.extended == stored.extended) throw;
        throw Core::PlacedRuntimeError(Core::I18n::translate(ExtendedSwitchError),
                                       CORE_SRC_INFO("DeviceEdit::updateDevice"));
    }
}

void writeParameter(TSessionHolder session, int deviceRef, int paramId, const ParameterValue& parameter) {
    if (parameter.rowRef) {
        Command update(Sql::ModifyParameter, session);
        update.Params["OLD_lParamUrzRef"] = *parameter.rowRef;
        update.Params["sWartoscParam"] = parameter.value;
        update.execute();
        return;
    }
    Command insert(Sql::InsertParameter, session);
    insert.Params["lParamUrzRef"] = GetRef(session);
    insert.Params["lUrzadzenieRef"] = deviceRef;
    insert.Params["nParamId"] = paramId;
    insert.Params["sWartoscParam"] = parameter.value;
    insert.execute();
}

}  // namespace

DeviceEdit DeviceEdit::lock(TSessionHolder session, const TSelection& selection) {
    DeviceEdit edit;
    for (OpenedQuery row(Sql::lockDevices(selection), session); row; row.next()) {
        edit.devices_.push_back({row["lUrzadzenieRef"].asInt(), row["nNrTypuUrz"].asInt(), row["nNrSekcji"].asInt(),
                                 row["nNrKolvenia"].asInt(), flag(row["bWlaczone"]), flag(row["bDostepne"]),
                                 flag(row["bRozszerzonaTransmisja"])});
    }
    edit.storedDevices_ = edit.devices_;
    for (OpenedQuery row(Sql::lockParameters(selection), session); row; row.next()) {
        std::optional<std::string> value;
        if (!row["sWartoscParam"].isNull() && !row["sWartoscParam"].asString().empty())
            value = row["sWartoscParam"].asString();
        edit.parameters_[row["lUrzadzenieRef"].asInt()][row["nParamId"].asInt()] = {row["lParamUrzRef"].asInt64(),
                                                                                    value, value};
    }
    return edit;
}

DeviceEdit DeviceEdit::newDevice(TSessionHolder session, int type, int section,
                                 const std::map<int, std::string>& defaults) {
    OpenedQuery last("select coalesce(max(nNrKolvenia), 0) nLast from Urzadzenie where nNrTypuUrz = " +
                         std::to_string(type) + " and nNrSekcji = " + std::to_string(section),
                     session);
    DeviceEdit edit;
    edit.inserted_ = true;
    edit.devices_.push_back({static_cast<int>(GetRef(session)), type, section, last["nLast"].asInt() + 1});
    for (const auto& [id, value] : defaults) edit.parameters_[edit.devices_.front().ref][id].value = value;
    return edit;
}

bool DeviceEdit::modified() const {
    if (inserted_ || devices_ != storedDevices_) return true;
    for (const auto& [device, values] : parameters_)
        for (const auto& [id, parameter] : values)
            if (parameter.changed()) return true;
    return false;
}

std::optional<std::string> DeviceEdit::value(int paramId) const {
    if (devices_.empty()) return std::nullopt;
    return deviceValue(devices_.front().ref, paramId);
}

std::optional<std::string> DeviceEdit::deviceValue(int deviceRef, int paramId) const {
    const auto device = parameters_.find(deviceRef);
    if (device == parameters_.end()) return std::nullopt;
    const auto parameter = device->second.find(paramId);
    return parameter == device->second.end() ? std::nullopt : parameter->second.value;
}

void DeviceEdit::setValue(int paramId, const std::optional<std::string>& value) {
    for (const DeviceRow& device : devices_) parameters_[device.ref][paramId].value = value;
}

void DeviceEdit::setSwitches(std::optional<bool> enabled, std::optional<bool> available, std::optional<bool> extended) {
    for (DeviceRow& device : devices_) {
        device.enabled = enabled.value_or(device.enabled);
        device.available = available.value_or(device.available);
        device.extended = extended.value_or(device.extended);
    }
}

void DeviceEdit::setPlace(int section, int number) {
    if (devices_.size() != 1) return;
    devices_.front().section = section;
    devices_.front().number = number;
}

std::map<int, std::string> DeviceEdit::changedValues() const {
    std::map<int, std::string> changed;
    for (const auto& [device, values] : parameters_)
        for (const auto& [id, parameter] : values)
            if (parameter.changed() && parameter.value) changed[id] = *parameter.value;
    return changed;
}

std::vector<DeviceRow> DeviceEdit::placedDevices() const {
    std::vector<DeviceRow> placed;
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const bool moved = inserted_ || devices_[i].section != storedDevices_[i].section ||
                           devices_[i].number != storedDevices_[i].number;
        if (moved) placed.push_back(devices_[i]);
    }
    return placed;
}

void DeviceEdit::write(TSessionHolder session) const {
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        if (inserted_)
            insertDevice(session, devices_[i]);
        else if (devices_[i] != storedDevices_[i])
            updateDevice(session, devices_[i], storedDevices_[i]);
    }
    for (const auto& [device, values] : parameters_)
        for (const auto& [id, parameter] : values)
            if (parameter.changed()) writeParameter(session, device, id, parameter);
}

void DeviceEdit::remove(TSessionHolder session) const {
    for (const DeviceRow& device : devices_) {
        const auto values = parameters_.find(device.ref);
        if (values != parameters_.end()) {
            for (const auto& [id, parameter] : values->second) {
                if (!parameter.rowRef) continue;
                Command erase(Sql::DeleteParameter, session);
                erase.Params["OLD_lParamUrzRef"] = *parameter.rowRef;
                erase.execute();
            }
        }
        Command erase(Sql::DeleteDevice, session);
        erase.Params["OLD_lUrzadzenieRef"] = device.ref;
        erase.execute();
    }
}

}  // namespace Kolvenia::DeviceConfig
