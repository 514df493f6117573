// The parameter pages of the device configuration window, built from the behaviour's
// control bindings: one control per binding, named as the binding names it, on its
// page and tab. The controls show the edited node's values and hand every change back
// to the behaviour at once.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialogs/deviceconfig/IDeviceConfiguration.h"

class QTabWidget;
class QWidget;

namespace Korvel::Gui {

class DeviceParameterControls {
public:
    // Builds the controls on `pages` (a page per name, with inner tabs where bindings
    // name them); `edited` runs after every change the operator makes.
    DeviceParameterControls(Kolvenia::DeviceConfig::IDeviceConfiguration& model, QTabWidget* pages,
                            std::function<void()> edited);

    // The page of that name, made empty when no binding named it.
    QWidget* page(const QString& name);
    // The tab of a page with inner tabs.
    QWidget* tab(const QString& page, const QString& tab);
    // Names of the controls built, for the behaviour's check of their bindings.
    std::vector<std::string> controlNames() const;
    // Shows the values of the edited node, or clears every control without one.
    void show();
    void setEditedColour(const QString& colour) { editedColour_ = colour; }

private:
    struct Control {
        std::string name;
        int paramId;
        QWidget* widget;
        std::function<void(const QString&)> display;
    };
    QWidget* build(const Kolvenia::DeviceConfig::ControlBinding& binding);
    QWidget* buildPicture(const Kolvenia::DeviceConfig::ControlBinding& binding);
    QWidget* container(const Kolvenia::DeviceConfig::ControlBinding& binding);
    void changed(int paramId, QWidget* widget, const QString& value);

    Kolvenia::DeviceConfig::IDeviceConfiguration& model_;
    QTabWidget* pages_;
    std::function<void()> edited_;
    std::map<QString, QTabWidget*> innerTabs_;
    std::vector<Control> controls_;
    QString editedColour_;
    bool showing_ = false;
};

}  // namespace Korvel::Gui
