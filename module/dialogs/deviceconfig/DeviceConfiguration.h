// The device configuration window's behaviour, without the window: the tree of
// devices, the edit of one node under its row locks, and the commands of its buttons.
// It works in a session of its own, so that its locks and its open transaction belong
// to the window alone; the host's other work goes on in the default session.
//
//   TDeviceConfiguration dialog;             // reads the tree and the control bindings
//   if (dialog.selectNode(2)) {              // locks the node's rows, or says who holds them
//       dialog.setValue(id, "1");
//       dialog.save();                       // checks, writes, commits, releases
//   }
//
// Questions and messages go to the host's message boxes (FormKernel::messageBoxes()).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "db/SessionHolder.h"
#include "devicedefs/ParametryUrzadzen.h"
#include "dialogs/deviceconfig/DeviceEdit.h"
#include "dialogs/deviceconfig/IDeviceConfiguration.h"

namespace Kolvenia::DeviceConfig {

class TDeviceConfiguration : public IDeviceConfiguration {
public:
    // A private session on the host's database by default. Raises "Nie ustalono
    // poprawnie tagów komponentów." when a control's parameter is not defined.
    explicit TDeviceConfiguration(TSessionHolder session = TSessionHolder(false));
    ~TDeviceConfiguration() override;

    const std::vector<TreeNode>& nodes() const override { return nodes_; }
    bool noDevices() const override { return nodes_.empty(); }
    const std::vector<ControlBinding>& bindings() const override { return bindings_; }
    void checkControls(const std::vector<std::string>& controls) const override;
    FieldColours colours() const override;

    bool selectNode(std::size_t node) override;
    std::optional<TSelection> edited() const override;
    bool modified() const override;

    DeviceFields deviceFields() const override;
    void setDeviceFields(const DeviceFields& fields) override;
    // The device's value, or the parameter's default when it has none.
    std::string value(int paramId) const override;
    void setValue(int paramId, const std::string& value) override;

    PictureLimits pictureLimits() const override;
    void setPicture(int paramId, const ReceiptPicture& picture) override;
    std::optional<ReceiptPicture> picture(int paramId) const override;

    bool save() override;
    bool cancel() override;
    bool remove() override;
    bool add() override;
    bool send() override;
    bool canSend() const override;
    bool canRemove() const override;

    bool enableScalesHere(const std::string& computerName) override;

private:
    // Both locks in a new transaction; empty, after the message, when another holds them.
    std::optional<DeviceEdit> lockRows(const TSelection& selection);
    // After a failed save: the same rows as typed, under locks taken again.
    void resumeEdit(DeviceEdit kept);
    void showPanel(const DeviceRow& device);
    void endEdit();
    // Runs the writes and commits, ending the edit; on failure rolls all back and goes on.
    bool commitEdit(const std::function<void()>& writes);
    bool mayDropChanges();
    std::optional<std::string> invalidValue() const;
    bool duplicateFound();
    void reloadTree();
    void sendScaleHeaders();

    TSessionHolder session_;
    CParametryUrzadzen definitions_;
    std::vector<ControlBinding> bindings_;
    std::map<int, std::string> defaults_;  // DefParamUrz.sWartoscDomyslna, where not empty
    std::vector<TreeNode> nodes_;
    std::optional<TSelection> selection_;
    std::optional<DeviceEdit> edit_;
    DeviceFields shown_;   // the panel as the edit began
    DeviceFields fields_;  // the panel as the operator typed it
};

}  // namespace Kolvenia::DeviceConfig
