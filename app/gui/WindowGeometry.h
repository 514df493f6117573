// A window's place and size kept between sessions in the host's per-user settings file
// (UserSettings.h), under the window's object name.
//
//   window.setObjectName("TSendPluForm");
//   restoreWindowGeometry(window);   // in the constructor, after the default size
//   saveWindowGeometry(window);      // when the window closes
#pragma once

class QWidget;

namespace Korvel::Gui {

void restoreWindowGeometry(QWidget& window);
void saveWindowGeometry(const QWidget& window);

}  // namespace Korvel::Gui
