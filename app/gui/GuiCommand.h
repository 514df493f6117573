// `korvel gui`: the host's main window with the module's menus. Runs the Qt event loop
// until the window closes; the host (configuration, database, module) is made first.
#pragma once

namespace Korvel::Gui {

int runGui(const char* programName);

}  // namespace Korvel::Gui
