#include "WorkDialogWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ProgressBarValue.h"

namespace Korvel::Gui {

WorkDialogWindow::WorkDialogWindow(const std::string& formClass, std::shared_ptr<Core::IUnknown> model, QWidget* parent)
    : QDialog(parent), owner_(std::move(model)), model_(owner_->as<Kolvenia::IWorkDialog>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromStdString(formClass));
    setWindowTitle(QString::fromStdString(model_.caption()));
    lblText_ = new QLabel(this);
    lblText_->setObjectName("lblText");
    pbProgress_ = new QProgressBar(this);
    pbProgress_->setObjectName("pbProgress");
    btnWyslij_ = new QPushButton("&Wyślij", this);
    btnWyslij_->setObjectName("btnWyslij");
    btnWyslij_->setDefault(true);
    btnAnuluj_ = new QPushButton(this);
    btnAnuluj_->setObjectName("btnAnuluj");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnWyslij_);
    buttons->addWidget(btnAnuluj_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText_);
    layout->addWidget(pbProgress_);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(btnWyslij_, &QPushButton::clicked, this, [this] { model_.clickSend(); });
    connect(btnAnuluj_, &QPushButton::clicked, this, &QDialog::close);
    // The work runs inside clickSend on this thread: redraw now, and let Qt paint.
    model_.setListener([this] {
        showModel();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    showModel();
}

WorkDialogWindow::~WorkDialogWindow() { model_.setListener(nullptr); }

void WorkDialogWindow::closeEvent(QCloseEvent* event) {
    if (model_.state().working)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void WorkDialogWindow::reject() {
    if (!model_.state().working) QDialog::reject();
}

void WorkDialogWindow::showModel() {
    const auto state = model_.state();
    lblText_->setText(QString::fromStdString(state.text));
    showOnBar(pbProgress_, state.position, state.maximum);
    btnAnuluj_->setText(QString::fromStdString(state.closeButton));
    btnWyslij_->setEnabled(!state.working);
    btnAnuluj_->setEnabled(!state.working);
}

}  // namespace Korvel::Gui
