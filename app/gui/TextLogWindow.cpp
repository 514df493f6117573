#include "TextLogWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Korvel::Gui {

TextLogWindow::TextLogWindow(const FormKernel::ITextLog& log, QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(FormKernel::TextLogFormClass);
    setWindowTitle(QString::fromStdString(log.caption()));
    resize(800, 560);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName("memLog");
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Logs line their columns up with spaces.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(QString::fromStdString(log.text()));
    auto* close = new QPushButton("&Zamknij", this);
    close->setObjectName("btnZamknij");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
}

}  // namespace Korvel::Gui
