// The device configuration window ("Konfiguracja urządzeń") on Qt: the tree of devices,
// the device panel, the parameter pages, the buttons and the "&Opcje" and "&Edycja"
// menus. It draws its behaviour object and forwards the operator's moves to it; the
// per-computer settings (scales on this computer, the scanners' local settings) are
// kept in this computer's settings file.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "dialogs/deviceconfig/IDeviceConfiguration.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTreeWidget;

namespace Korvel::Gui {

class DeviceParameterControls;
class LocalDeviceSettings;

class TdlgKonfUrzForm : public QMainWindow {
    Q_OBJECT
public:
    // Shares the behaviour object for as long as the window is open. Raises the
    // behaviour's error when a parameter control has no valid binding.
    TdlgKonfUrzForm(std::shared_ptr<Core::IUnknown> model, QWidget* parent);
    ~TdlgKonfUrzForm() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel(QWidget* area);
    void buildButtons(QWidget* area);
    void fillTree();
    void nodeChosen();
    void showEdit();
    void panelEdited();
    void command(bool (Kolvenia::DeviceConfig::IDeviceConfiguration::*run)());
    void scalesTicked(bool on);
    bool guarded(const std::function<void()>& work);

    std::shared_ptr<Core::IUnknown> keep_;
    Kolvenia::DeviceConfig::IDeviceConfiguration& model_;
    QTreeWidget* tree_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QWidget* editArea_ = nullptr;
    QCheckBox* cbxWlaczone_ = nullptr;
    QCheckBox* cbxDostepne_ = nullptr;
    QCheckBox* cbxRozszerzona_ = nullptr;
    QLineEdit* editNrUrz_ = nullptr;
    QLineEdit* editNrSekcji_ = nullptr;
    QCheckBox* ckbWlaczWagi_ = nullptr;
    QTabWidget* pages_ = nullptr;
    std::unique_ptr<DeviceParameterControls> parameters_;
    std::unique_ptr<LocalDeviceSettings> local_;
    std::vector<QPushButton*> buttons_;
    Kolvenia::DeviceConfig::FieldColours colours_;
    bool showing_ = false;
};

}  // namespace Korvel::Gui
