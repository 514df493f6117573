// What the device configuration window sees of its behaviour. Every operation is pure
// virtual and every type here is plain data, so a window built apart from the module
// (the Qt host) reaches the module's object through the object's own table, without
// linking the module.
//
// The window shows nodes() as its tree. Selecting a node locks the node's devices and
// parameters for editing (selectNode answers false, after the lock message, when
// another operator holds them); the edit ends with save(), cancel(), remove() or the
// selection of another node, which all release the locks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/IUnknown.h"

namespace Kolvenia::DeviceConfig {

// What one node of the tree stands for; -1 is "all" (a group).
struct TSelection {
    int type = -1;       // nNrTypuUrz
    int section = -1;    // nNrSekcji; -1: every section of the type
    int number = -1;     // nNrKolvenia
    int deviceRef = -1;  // lUrzadzenieRef; -1: a group

    bool isGroup() const { return deviceRef == -1; }
    bool operator==(const TSelection&) const = default;
};

struct TreeNode {
    std::string text;  // "Kasy", "Sekcja 2", "Kasa nr 3"
    int depth = 0;     // 0 type, 1 section or device, 2 device under a section
    TSelection selection;
};

enum class ControlKind {
    Check,      // bool parameter: a check box
    Number,     // int parameter: an edit accepting a whole number
    Text,       // one line of text
    Lines,      // text of several lines
    Choice,     // int parameter: the index of one of `choices`
    File,       // a file name, chosen with an open dialog
    Directory,  // a directory, chosen with a directory dialog
    Picture,    // the reference of a stored picture
};

struct ControlBinding {
    int deviceType;    // nNrTypuUrz of the devices whose page holds the control
    std::string page;  // page of that device type ("Kasy", "Wagi", ...)
    std::string tab;   // page within it; empty when the page has none
    std::string control;
    std::string caption;
    ControlKind kind;
    std::string parameter;  // DefParamUrz.sNazwa
    int paramId = 0;        // resolved against the shop's definitions
    std::vector<std::string> choices{};
};

// The device panel: the switches and, for one device, its number and section as typed.
struct DeviceFields {
    bool enabled = false;    // cbxWlaczone "&Zainstalowane"
    bool available = false;  // cbxDostepne "&Aktualnie czynne"
    bool extended = false;   // "Rozszerzona transmisja"
    std::string number;      // EditNrUrz
    std::string section;     // EditNrSekcji
};

// Background colours of fields: one whose value is wrong, one being edited.
struct FieldColours {
    std::string invalid;
    std::string edited;
};

// A receipt header or footer picture as the cash registers print it: one bit per dot,
// rows of width / 8 bytes, the first dot of a row in the high bit, a set bit black.
struct ReceiptPicture {
    int width = 0;  // a multiple of 8
    int height = 0;
    std::string bits;
};

// The largest picture the cash registers take.
struct PictureLimits {
    int width = 0;
    int height = 0;
};

class IDeviceConfiguration : public virtual Core::IUnknown {
public:
    // Host contract: the window's class and caption.
    static constexpr const char* formClass = "TdlgKonfUrzForm";
    static constexpr const char* caption = "Konfiguracja urządzeń";

    virtual const std::vector<TreeNode>& nodes() const = 0;
    virtual bool noDevices() const = 0;  // PanelBrak "Brak urządzeń."
    virtual const std::vector<ControlBinding>& bindings() const = 0;
    // Stops the window when one of its parameter controls has no valid binding.
    virtual void checkControls(const std::vector<std::string>& controls) const = 0;
    virtual FieldColours colours() const = 0;

    virtual bool selectNode(std::size_t node) = 0;
    virtual std::optional<TSelection> edited() const = 0;
    virtual bool modified() const = 0;

    virtual DeviceFields deviceFields() const = 0;
    virtual void setDeviceFields(const DeviceFields& fields) = 0;
    // A parameter's text as stored ("1"/"0" for a switch); empty without a value.
    virtual std::string value(int paramId) const = 0;
    virtual void setValue(int paramId, const std::string& value) = 0;

    // The configured largest picture; raises a clear message when the width configured
    // is not a multiple of 8, before any picture is loaded.
    virtual PictureLimits pictureLimits() const = 0;
    // Stores the picture for the edit (it stays only if the edit is saved) and makes it
    // the value of the picture parameter; raises when it does not fit the limits.
    virtual void setPicture(int paramId, const ReceiptPicture& picture) = 0;
    // The picture the parameter refers to, if any.
    virtual std::optional<ReceiptPicture> picture(int paramId) const = 0;

    // The buttons and menu commands; each answers whether it did its work.
    virtual bool save() = 0;    // ButtonZastosuj "&Zapisz"
    virtual bool cancel() = 0;  // ButtonPrzywroc "&Anuluj"
    virtual bool remove() = 0;  // ButtonUsun "&Usuń"
    virtual bool add() = 0;     // ButtonDodaj "&Dodaj": of the selected type and section; a register without one
    virtual bool send() = 0;    // ButtonWyslij "&Wyślij"
    virtual bool canSend() const = 0;
    virtual bool canRemove() const = 0;

    // "Włącz wagi na tym komputerze" ticked: whether the scales may run on this computer
    // (asks when another computer is recorded); a yes records this computer's name.
    virtual bool enableScalesHere(const std::string& computerName) = 0;
};

}  // namespace Kolvenia::DeviceConfig
