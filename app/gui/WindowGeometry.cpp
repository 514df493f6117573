#include "WindowGeometry.h"

#include <QSettings>
#include <QWidget>

namespace Korvel::Gui {

namespace {
// The settings file: <user configuration folder>/korvel/okna.ini.
constexpr const char* Organization = "korvel";
constexpr const char* FileName = "okna";
QString keyOf(const QWidget& window) { return window.objectName() + "/geometry"; }
}  // namespace

void restoreWindowGeometry(QWidget& window) {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organization, FileName);
    const QByteArray saved = settings.value(keyOf(window)).toByteArray();
    if (!saved.isEmpty()) window.restoreGeometry(saved);
}

void saveWindowGeometry(const QWidget& window) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, Organization, FileName);
    settings.setValue(keyOf(window), window.saveGeometry());
}

}  // namespace Korvel::Gui
