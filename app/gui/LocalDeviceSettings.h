// Device settings of this computer, kept in the per-user settings file under
// "Dravon/Korvel", group "Devices": whether the scales run here, the scanner's local
// serial settings and the keyboard scanner's prefix (group "Skaner/Klawiaturowy").
// Each control is bound to one value name; a value the file does not hold leaves its
// control as it is, and a change is written at once.
#pragma once

#include <QString>
#include <memory>

class QWidget;
class QCheckBox;
class QSettings;

namespace Korvel::Gui {

class LocalDeviceSettings {
public:
    // Adds the scanners' local settings to `scanners` and the keyboard scanner's to
    // `keyboard`.
    LocalDeviceSettings(QWidget* scanners, QWidget* keyboard);
    ~LocalDeviceSettings();

    // Shows the stored value of "Wagi na tym komputerze" in the box and keeps it there.
    void bindScalesHere(QCheckBox* box);
    void storeScalesHere(bool on);

    // The settings file, in the "Devices" group.
    static std::unique_ptr<QSettings> settings();
};

}  // namespace Korvel::Gui
