#include "QtWindowData.h"

#include <QVariant>

#include "UserSettings.h"

namespace Korvel::Gui {

namespace {

QString keyOf(const std::string& windowClass, const std::string& name) {
    return QString::fromStdString(windowClass) + '/' + QString::fromStdString(name);
}

QVariant read(const std::string& windowClass, const std::string& name) {
    return userSettings()->value(keyOf(windowClass, name));
}

void write(const std::string& windowClass, const std::string& name, const QVariant& value) {
    const auto settings = userSettings();
    settings->setValue(keyOf(windowClass, name), value);
    settings->sync();
}

}  // namespace

std::optional<int> QtWindowData::readInt(const std::string& windowClass, const std::string& name) const {
    const QVariant value = read(windowClass, name);
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (!value.isValid() || !isNumber) return std::nullopt;
    return number;
}

std::optional<std::string> QtWindowData::readText(const std::string& windowClass, const std::string& name) const {
    const QVariant value = read(windowClass, name);
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void QtWindowData::writeInt(const std::string& windowClass, const std::string& name, int value) {
    write(windowClass, name, value);
}

void QtWindowData::writeText(const std::string& windowClass, const std::string& name, const std::string& value) {
    write(windowClass, name, QString::fromStdString(value));
}

std::string QtWindowData::fileName() { return userSettings()->fileName().toStdString(); }

}  // namespace Korvel::Gui
