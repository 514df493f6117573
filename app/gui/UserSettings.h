// The Qt host's one per-user settings file, in place of the registry: an INI file at
// $XDG_CONFIG_HOME/korvel/korvel.ini (~/.config/korvel/korvel.ini by default). Saved
// window data and this computer's device settings live in it, each in its own group.
// Tests point it elsewhere with QSettings::setPath(IniFormat, UserScope, dir).
#pragma once

#include <QSettings>
#include <memory>

namespace Korvel::Gui {

// Opens the file anew on every call, so a path set by a test takes effect at once.
std::unique_ptr<QSettings> userSettings();

}  // namespace Korvel::Gui
