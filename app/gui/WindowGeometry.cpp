#include "WindowGeometry.h"

#include <QWidget>

#include "UserSettings.h"

namespace Korvel::Gui {

namespace {
QString keyOf(const QWidget& window) { return window.objectName() + "/geometry"; }
}  // namespace

void restoreWindowGeometry(QWidget& window) {
    const QByteArray saved = userSettings()->value(keyOf(window)).toByteArray();
    if (!saved.isEmpty()) window.restoreGeometry(saved);
}

void saveWindowGeometry(const QWidget& window) {
    userSettings()->setValue(keyOf(window), window.saveGeometry());
}

}  // namespace Korvel::Gui
