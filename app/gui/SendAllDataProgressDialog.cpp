#include "SendAllDataProgressDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ProgressBarValue.h"

namespace Korvel::Gui {

namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

void showBar(QProgressBar* bar, const Kolvenia::SendAll::ISendAllDataProgressWindow::Bar& value) {
    showOnBar(bar, value.position, value.maximum);
}

}  // namespace

SendAllDataProgressDialog::SendAllDataProgressDialog(std::shared_ptr<Core::IUnknown> model, QWidget* parent)
    : QDialog(parent), owner_(std::move(model)), model_(owner_->as<Kolvenia::SendAll::ISendAllDataProgressWindow>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    using Kolvenia::SendAll::TdlgSendAllData;
    setWindowTitle(QString::fromUtf8(TdlgSendAllData::caption));
    setObjectName(TdlgSendAllData::formClass);
    lblMain_ = named(new QLabel(this), "lblMain");
    pbOverall_ = named(new QProgressBar(this), "pbOverall");
    lblKind_ = named(new QLabel(this), "lblKind");
    pbKind_ = named(new QProgressBar(this), "pbKind");
    btnAnuluj_ = named(new QPushButton(this), "btnAnuluj");
    btnSzczegoly_ = named(new QPushButton(this), "btnSzczegoly");
    lbComments_ = named(new QListWidget(this), "lbComments");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSzczegoly_);
    buttons->addStretch();
    buttons->addWidget(btnAnuluj_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMain_);
    layout->addWidget(pbOverall_);
    layout->addWidget(lblKind_);
    layout->addWidget(pbKind_);
    layout->addLayout(buttons);
    layout->addWidget(lbComments_, 1);
    setMinimumWidth(460);

    connect(this, &SendAllDataProgressDialog::modelChanged, this, &SendAllDataProgressDialog::showModel,
            Qt::QueuedConnection);
    connect(btnAnuluj_, &QPushButton::clicked, this, [this] {
        model_.clickCancelOrClose();
        showModel();
    });
    connect(btnSzczegoly_, &QPushButton::clicked, this, [this] {
        model_.clickDetails();
        showModel();
    });
    model_.setListener([this] { emit modelChanged(); });
    showModel();
}

SendAllDataProgressDialog::~SendAllDataProgressDialog() { model_.setListener(nullptr); }

void SendAllDataProgressDialog::reject() {
    model_.clickCancelOrClose();
    showModel();
}

void SendAllDataProgressDialog::showModel() {
    const auto state = model_.state();
    lblMain_->setText(QString::fromStdString(state.mainLabel));
    showBar(pbOverall_, state.overall);
    lblKind_->setText(QString::fromStdString(state.kindLabel));
    showBar(pbKind_, state.kind);
    for (auto i = static_cast<std::size_t>(lbComments_->count()); i < state.comments.size(); ++i)
        lbComments_->addItem(QString::fromStdString(state.comments[i]));
    btnAnuluj_->setText(QString::fromStdString(state.cancelButton));
    btnSzczegoly_->setText(QString::fromStdString(state.detailsButton));
    lbComments_->setVisible(state.detailsShown);
    resize(width(), std::max(state.height, minimumSizeHint().height()));
    if (state.closed) accept();
}

}  // namespace Korvel::Gui
