#include "dialogs/deviceconfig/DeviceConfiguration.h"

#include <boost/format.hpp>
#include <charconv>

#include "core/I18n.h"
#include "db/OraError.h"
#include "db/Query.h"
#include "devicedefs/UrzadzenieView.h"
#include "dialogs/deviceconfig/ControlBindings.h"
#include "dialogs/deviceconfig/DeviceSends.h"
#include "dialogs/deviceconfig/DeviceTree.h"
#include "dialogs/deviceconfig/ReceiptPictures.h"
#include "dialogs/deviceconfig/ScaleComputer.h"
#include "forms/FormKernel.h"
#include "frame/Configuration.h"

namespace Kolvenia::DeviceConfig {

namespace {

using Core::I18n::translate;

// Host contract: the window's questions and messages.
constexpr const char* DeviceHeld = "Inna osoba modyfikuje parametry tego urządzenia.";
constexpr const char* GroupHeld = "Inna osoba modyfikuje parametry tej grupy urządzeń.";
constexpr const char* TryAgainLater = "\nPoczekaj chwilę i spróbuj ponownie.";
constexpr const char* SaveGroup = "Czy zapisać zmiany dla grupy urządzeń?";
constexpr const char* DuplicateNumber = " o takim numerze istnieje już w tej sekcji.";
constexpr const char* InvalidValue = "Wartość \"%1%\" jest niepoprawna.";
constexpr const char* DropChanges = "Czy chcesz anulować wprowadzone dane?";
constexpr const char* RemoveDevice = "Czy usunąć urządzenie?";
constexpr const char* SendConfiguration = "Czy wysłać konfigurację?";
constexpr const char* SendConfigurationToAll = "Czy wysłać konfigurację do wszystkich kas?";
constexpr const char* SendHeader = "Czy wysłać nagłówek?";

// Host contract: the root of the field colours' keys.
constexpr const char* ShopParameters = "Parametry sklepu";

// Colours of fields when the configuration names none.
constexpr const char* DefaultInvalidColour = "#FFC0C0";
constexpr const char* DefaultEditedColour = "#FFFFC0";

std::shared_ptr<FormKernel::IMessageBoxes> boxes() { return FormKernel::messageBoxes(); }

std::optional<int> wholeNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string textKey(std::initializer_list<const char*> path, const std::string& fallback) {
    const auto key = Config::findKey(path);
    if (!key) return fallback;
    try {
        return key->GetVal<std::string>();
    } catch (const std::logic_error&) {
        return fallback;  // a key without a text value leaves the default
    }
}

}  // namespace

TDeviceConfiguration::TDeviceConfiguration(TSessionHolder session)
    : session_(std::move(session)), definitions_(session_), bindings_(resolvedBindings(definitions_)) {
    for (DBKernel::Sql::OpenedQuery row("select nParamId, sWartoscDomyslna from DefParamUrz", session_); row;
         row.next()) {
        const std::string value = row["sWartoscDomyslna"].isNull() ? "" : row["sWartoscDomyslna"].asString();
        if (!value.empty()) defaults_[row["nParamId"].asInt()] = value;
    }
    reloadTree();
}

TDeviceConfiguration::~TDeviceConfiguration() { session_.Rollback(); }

void TDeviceConfiguration::checkControls(const std::vector<std::string>& controls) const {
    DeviceConfig::checkControls(bindings_, controls);
}

FieldColours TDeviceConfiguration::colours() const {
    return {textKey({ShopParameters, "Wygląd", "Kolory", "Kolor tła błędnego pola"}, DefaultInvalidColour),
            textKey({ShopParameters, "Wygląd", "Kolory", "Kolor tła edytowanego pola"}, DefaultEditedColour)};
}

bool TDeviceConfiguration::selectNode(std::size_t node) {
    if (!mayDropChanges()) return false;
    endEdit();
    selection_ = nodes_.at(node).selection;
    edit_ = lockRows(*selection_);
    if (!edit_) return false;
    if (edit_->devices().empty()) {  // removed by another operator since the tree was read
        endEdit();
        reloadTree();
        return false;
    }
    showPanel(edit_->devices().front());
    return true;
}

std::optional<DeviceEdit> TDeviceConfiguration::lockRows(const TSelection& selection) {
    session_.StartTransaction();
    try {
        return DeviceEdit::lock(session_, selection);
    } catch (const Oraerror::EOraError& error) {
        session_.Rollback();
        if (error.ErrorCode != Oraerror::Code::ResourceBusy) throw;
        boxes()->warning(translate(selection.isGroup() ? GroupHeld : DeviceHeld) + translate(TryAgainLater));
        return std::nullopt;
    }
}

void TDeviceConfiguration::resumeEdit(DeviceEdit kept) {
    edit_.reset();
    if (kept.isNew())
        session_.StartTransaction();  // a new device's rows are not in the database to lock
    else if (!lockRows(*selection_))
        return;
    edit_ = std::move(kept);
}

void TDeviceConfiguration::showPanel(const DeviceRow& device) {
    shown_ = {device.enabled, device.available, device.extended, std::to_string(device.number),
              std::to_string(device.section)};
    fields_ = shown_;
}

void TDeviceConfiguration::endEdit() {
    session_.Rollback();
    edit_.reset();
}

bool TDeviceConfiguration::mayDropChanges() { return !modified() || boxes()->question(translate(DropChanges)); }

std::optional<TSelection> TDeviceConfiguration::edited() const {
    if (!edit_) return std::nullopt;
    return selection_;
}

bool TDeviceConfiguration::modified() const {
    if (!edit_) return false;
    return edit_->modified() || fields_.enabled != shown_.enabled || fields_.available != shown_.available ||
           fields_.extended != shown_.extended || fields_.number != shown_.number || fields_.section != shown_.section;
}

DeviceFields TDeviceConfiguration::deviceFields() const { return fields_; }

void TDeviceConfiguration::setDeviceFields(const DeviceFields& fields) {
    if (!edit_) return;
    fields_ = fields;
    if (!selection_->isGroup()) return;
    fields_.number = shown_.number;  // a group's devices keep their own places
    fields_.section = shown_.section;
}

std::string TDeviceConfiguration::value(int paramId) const {
    if (!edit_) return {};
    if (const auto stored = edit_->value(paramId)) return *stored;
    const auto fallback = defaults_.find(paramId);
    return fallback == defaults_.end() ? std::string() : fallback->second;
}

void TDeviceConfiguration::setValue(int paramId, const std::string& value) {
    if (!edit_) return;
    edit_->setValue(paramId, value.empty() ? std::nullopt : std::optional<std::string>(value));
}

PictureLimits TDeviceConfiguration::pictureLimits() const { return receiptPictureLimits(); }

void TDeviceConfiguration::setPicture(int paramId, const ReceiptPicture& picture) {
    if (!edit_) return;
    // Stored in the edit's transaction: a cancelled edit leaves no picture behind.
    setValue(paramId, std::to_string(storeReceiptPicture(session_, picture)));
}

std::optional<ReceiptPicture> TDeviceConfiguration::picture(int paramId) const {
    const auto ref = wholeNumber(value(paramId));
    return ref ? loadReceiptPicture(session_, *ref) : std::nullopt;
}

std::optional<std::string> TDeviceConfiguration::invalidValue() const {
    for (const std::string* text : {&fields_.number, &fields_.section})
        if (!wholeNumber(*text)) return *text;
    // Only what the operator typed: stored values in other encodings stay as they are.
    for (const auto& [id, value] : edit_->changedValues()) {
        const auto type = definitions_.getParamType(id);
        const bool valid = type == CParametryUrzadzen::ptText ||
                           (type == CParametryUrzadzen::ptInt && wholeNumber(value)) ||
                           (type == CParametryUrzadzen::ptBool && (value == "0" || value == "1"));
        if (!valid) return value;
    }
    return std::nullopt;
}

bool TDeviceConfiguration::duplicateFound() {
    for (const DeviceRow& device : edit_->placedDevices()) {
        const int excluded = edit_->isNew() ? -1 : device.ref;
        DBKernel::Sql::OpenedQuery duplicate(Sql::duplicateNumber(device.type, device.section, device.number, excluded),
                                             session_);
        if (duplicate.empty()) continue;
        TUrzadzenie kind;
        kind.nNrTypuUrz = device.type;
        boxes()->error(TUrzadzenieView(kind).kindName() + translate(DuplicateNumber));
        return true;
    }
    return false;
}

bool TDeviceConfiguration::save() {
    if (!edit_) return false;
    if (selection_->isGroup() && !boxes()->question(translate(SaveGroup))) return false;
    if (const auto invalid = invalidValue()) {
        boxes()->error((boost::format(translate(InvalidValue)) % *invalid).str());
        return false;
    }
    const auto changed = [](bool now, bool before) { return now != before ? std::optional(now) : std::nullopt; };
    edit_->setSwitches(changed(fields_.enabled, shown_.enabled), changed(fields_.available, shown_.available),
                       changed(fields_.extended, shown_.extended));
    edit_->setPlace(*wholeNumber(fields_.section), *wholeNumber(fields_.number));
    if (duplicateFound()) return false;
    return commitEdit([this] { edit_->write(session_); });
}

bool TDeviceConfiguration::commitEdit(const std::function<void()>& writes) {
    try {
        writes();
        session_.Commit();
    } catch (const std::exception& error) {
        // Nothing of it stays; the edit goes on under its locks, taken again.
        session_.Rollback();
        boxes()->error(error.what());
        resumeEdit(std::move(*edit_));
        return false;
    }
    edit_.reset();
    selection_.reset();
    reloadTree();
    return true;
}

bool TDeviceConfiguration::cancel() {
    if (!edit_ || !boxes()->question(translate(DropChanges))) return false;
    endEdit();
    selection_.reset();
    return true;
}

bool TDeviceConfiguration::canRemove() const { return edit_ && !selection_->isGroup(); }

bool TDeviceConfiguration::remove() {
    if (!canRemove() || !boxes()->question(translate(RemoveDevice))) return false;
    return commitEdit([this] {
        if (!edit_->isNew()) edit_->remove(session_);  // a new device was never written
    });
}

bool TDeviceConfiguration::add() {
    if (!mayDropChanges()) return false;
    endEdit();
    // Without a selection (no device yet, say) the new device is a cash register.
    const int type = selection_ ? selection_->type : tuKasa;
    int section = selection_ ? selection_->section : -1;
    for (const TreeNode& node : nodes_)
        if (section == -1 && node.selection.type == type && !node.selection.isGroup()) section = node.selection.section;
    // A new device starts with the defaults of the parameters its pages show.
    std::map<int, std::string> defaults;
    for (const ControlBinding& binding : bindings_) {
        const auto value = defaults_.find(binding.paramId);
        if (binding.deviceType == type && value != defaults_.end()) defaults.insert(*value);
    }
    session_.StartTransaction();
    edit_ = DeviceEdit::newDevice(session_, type, section == -1 ? 0 : section, defaults);
    const DeviceRow& device = edit_->devices().front();
    selection_ = TSelection{device.type, device.section, device.number, device.ref};
    showPanel(device);
    return true;
}

bool TDeviceConfiguration::canSend() const {
    return edit_ && !edit_->isNew() && (selection_->type == tuKasa || selection_->type == tuWaga);
}

bool TDeviceConfiguration::send() {
    if (!canSend()) return false;
    const bool toCashRegisters = selection_->type == tuKasa;
    const char* question = !toCashRegisters        ? SendHeader
                           : selection_->isGroup() ? SendConfigurationToAll
                                                   : SendConfiguration;
    if (!boxes()->question(translate(question))) return false;
    try {
        toCashRegisters ? sendCashRegisterConfiguration(*selection_) : sendScaleHeaders();
    } catch (const std::exception& error) {
        boxes()->error(error.what());
        return false;
    }
    return true;
}

void TDeviceConfiguration::sendScaleHeaders() {
    const int header = definitions_.getParamId("sNaglowekWagi");
    std::vector<ScaleHeader> headers;
    for (const DeviceRow& device : edit_->devices())
        headers.push_back({device.ref, device.section, device.number,
                           edit_->deviceValue(device.ref, header).value_or(std::string())});
    DeviceConfig::sendScaleHeaders(headers);
}

bool TDeviceConfiguration::enableScalesHere(const std::string& computerName) { return takeScalesOver(computerName); }

void TDeviceConfiguration::reloadTree() { nodes_ = readDeviceTree(session_); }

}  // namespace Kolvenia::DeviceConfig
