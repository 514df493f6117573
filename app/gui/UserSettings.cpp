#include "UserSettings.h"

namespace Korvel::Gui {

std::unique_ptr<QSettings> userSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "korvel", "korvel");
}

}  // namespace Korvel::Gui
