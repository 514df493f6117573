#include "DeviceParameterControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ReceiptPictureImage.h"
#include "forms/FormKernel.h"

namespace Korvel::Gui {

namespace {

using Kolvenia::DeviceConfig::ControlBinding;
using Kolvenia::DeviceConfig::ControlKind;

QString qt(const std::string& text) { return QString::fromStdString(text); }

// The stored encodings of a true switch, as the device library reads them.
bool isTrue(const QString& value) {
    const QString text = value.trimmed().toLower();
    return text == "1" || text == "t" || text == "tak" || text == "true";
}

QFormLayout* formOf(QWidget* widget) {
    if (auto* form = qobject_cast<QFormLayout*>(widget->layout())) return form;
    return new QFormLayout(widget);
}

// Host contract: the label file dialog's filter and default extension, and the prompt
// of the error-log directory.
constexpr const char* LabelFiles = "Pliki etykiet (*.seq);;Wszystkie pliki (*.*)";
constexpr const char* LabelFileExtension = "SEQ";
constexpr const char* PictureFiles = "Obrazki (*.png *.bmp *.jpg *.jpeg *.gif);;Wszystkie pliki (*.*)";
constexpr const char* LogDirectoryPrompt = "Katalog logu błędów wysyłania do etykiet:";

// Prints the picture at the printer's dots, as large as a receipt printer prints it
// (about 203 dots per inch), on the printer the operator chooses.
void printPicture(const QImage& image, QWidget* parent) {
    constexpr double ReceiptDotsPerInch = 203.0;
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    const double scale = printer.resolution() / ReceiptDotsPerInch;
    painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
}

}  // namespace

DeviceParameterControls::DeviceParameterControls(Kolvenia::DeviceConfig::IDeviceConfiguration& model, QTabWidget* pages,
                                                 std::function<void()> edited)
    : model_(model), pages_(pages), edited_(std::move(edited)) {
    for (const ControlBinding& binding : model_.bindings()) {
        QWidget* widget = build(binding);
        controls_.back().name = binding.control;
        controls_.back().widget->setObjectName(qt(binding.control));
        if (binding.kind == ControlKind::Check)
            formOf(container(binding))->addRow(widget);
        else
            formOf(container(binding))->addRow(qt(binding.caption), widget);
    }
}

QWidget* DeviceParameterControls::page(const QString& name) {
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->tabText(i) == name) return pages_->widget(i);
    auto* page = new QWidget;
    page->setObjectName("Page" + QString(name).remove(' '));
    pages_->addTab(page, name);
    return page;
}

QWidget* DeviceParameterControls::tab(const QString& pageName, const QString& tabName) {
    QTabWidget*& tabs = innerTabs_[pageName];
    if (!tabs) {
        tabs = new QTabWidget;
        (new QVBoxLayout(page(pageName)))->addWidget(tabs);
    }
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == tabName) return tabs->widget(i);
    auto* tab = new QWidget;
    tabs->addTab(tab, tabName);
    return tab;
}

QWidget* DeviceParameterControls::container(const ControlBinding& binding) {
    return binding.tab.empty() ? page(qt(binding.page)) : tab(qt(binding.page), qt(binding.tab));
}

QWidget* DeviceParameterControls::build(const ControlBinding& binding) {
    const int id = binding.paramId;
    switch (binding.kind) {
    case ControlKind::Check: {
        auto* box = new QCheckBox(qt(binding.caption));
        QObject::connect(box, &QCheckBox::toggled, [this, id, box](bool on) { changed(id, box, on ? "1" : "0"); });
        controls_.push_back({{}, id, box, [box](const QString& v) { box->setChecked(isTrue(v)); }});
        return box;
    }
    case ControlKind::Choice: {
        auto* combo = new QComboBox;
        for (const std::string& choice : binding.choices) combo->addItem(qt(choice));
        QObject::connect(combo, &QComboBox::currentIndexChanged,
                         [this, id, combo](int index) { changed(id, combo, QString::number(index)); });
        controls_.push_back({{}, id, combo, [combo](const QString& v) { combo->setCurrentIndex(v.toInt()); }});
        return combo;
    }
    case ControlKind::Lines: {
        auto* memo = new QPlainTextEdit;
        memo->setTabChangesFocus(true);
        QObject::connect(memo, &QPlainTextEdit::textChanged,
                         [this, id, memo] { changed(id, memo, memo->toPlainText()); });
        controls_.push_back({{}, id, memo, [memo](const QString& v) { memo->setPlainText(v); }});
        return memo;
    }
    case ControlKind::Picture: return buildPicture(binding);
    default: break;
    }
    auto* edit = new QLineEdit;
    QObject::connect(edit, &QLineEdit::textEdited, [this, id, edit](const QString& v) { changed(id, edit, v); });
    controls_.push_back({{}, id, edit, [edit](const QString& v) { edit->setText(v); }});
    if (binding.kind != ControlKind::File && binding.kind != ControlKind::Directory) return edit;
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    auto* choose = new QPushButton("...");
    choose->setObjectName(qt(binding.control) + "Wybierz");
    layout->addWidget(choose);
    const bool file = binding.kind == ControlKind::File;
    QObject::connect(choose, &QPushButton::clicked, [this, id, edit, file] {
        QString chosen;
        if (file) {
            QFileDialog dialog(edit, QString(), edit->text(), LabelFiles);
            dialog.setDefaultSuffix(LabelFileExtension);
            if (dialog.exec() == QDialog::Accepted) chosen = dialog.selectedFiles().value(0);
        } else {
            chosen = QFileDialog::getExistingDirectory(edit, LogDirectoryPrompt, edit->text());
        }
        if (chosen.isEmpty()) return;
        edit->setText(chosen);
        changed(id, edit, chosen);
    });
    return row;
}

QWidget* DeviceParameterControls::buildPicture(const ControlBinding& binding) {
    const int id = binding.paramId;
    auto* picture = new QLabel;
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumHeight(120);
    controls_.push_back({{}, id, picture, [this, id, picture](const QString&) {
                             const auto stored = model_.picture(id);
                             if (stored)
                                 picture->setPixmap(QPixmap::fromImage(imageOf(*stored)));
                             else
                                 picture->setText("(brak obrazka)");
                         }});
    auto* choose = new QPushButton("Wybierz nowy obrazek");
    choose->setObjectName(qt(binding.control) + "Wybierz");
    QObject::connect(choose, &QPushButton::clicked, [this, id, picture] {
        try {
            const auto limits = model_.pictureLimits();
            const QString file = QFileDialog::getOpenFileName(picture, "Wybierz nowy obrazek", QString(), PictureFiles);
            if (file.isEmpty()) return;
            const QImage image(file);
            if (image.isNull()) throw std::runtime_error(("Nie można odczytać obrazka " + file + ".").toStdString());
            model_.setPicture(id, receiptPictureOf(image, limits));
            picture->setPixmap(QPixmap::fromImage(imageOf(*model_.picture(id))));
            edited_();
        } catch (const std::exception& error) {
            FormKernel::messageBoxes()->error(error.what());
        }
    });
    auto* print = new QPushButton("Drukuj obrazek");
    print->setObjectName(qt(binding.control) + "Drukuj");
    QObject::connect(print, &QPushButton::clicked, [this, id, print] {
        if (const auto stored = model_.picture(id)) printPicture(imageOf(*stored), print);
    });
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose);
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
    return column;
}

std::vector<std::string> DeviceParameterControls::controlNames() const {
    std::vector<std::string> names;
    for (const Control& control : controls_) names.push_back(control.name);
    return names;
}

void DeviceParameterControls::show() {
    showing_ = true;
    for (const Control& control : controls_) {
        control.display(qt(model_.value(control.paramId)));
        control.widget->setStyleSheet(QString());
    }
    showing_ = false;
}

void DeviceParameterControls::changed(int paramId, QWidget* widget, const QString& value) {
    if (showing_) return;
    model_.setValue(paramId, value.toStdString());
    if (!editedColour_.isEmpty()) widget->setStyleSheet("background-color: " + editedColour_);
    edited_();
}

}  // namespace Korvel::Gui
