#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace Korvel::Gui {

namespace {
QString text(const std::string& utf8) { return QString::fromStdString(utf8); }
QWidget* owner() { return QApplication::activeWindow(); }
}  // namespace

void QtMessageBoxes::information(const std::string& message) {
    QMessageBox::information(owner(), "Informacja", text(message));
}

void QtMessageBoxes::warning(const std::string& message) {
    QMessageBox::warning(owner(), "Ostrzeżenie", text(message));
}

void QtMessageBoxes::error(const std::string& message) { QMessageBox::critical(owner(), "Błąd", text(message)); }

bool QtMessageBoxes::question(const std::string& message) {
    return QMessageBox::question(owner(), "Pytanie", text(message)) == QMessageBox::Yes;
}

}  // namespace Korvel::Gui
