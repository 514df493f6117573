#include "ProgressWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <limits>

namespace Korvel::Gui {

namespace {
// QProgressBar counts in int; longer work is shown in proportion.
int barValue(long long steps) { return static_cast<int>(std::min<long long>(steps, std::numeric_limits<int>::max())); }
}  // namespace

ProgressWindow::ProgressWindow(const QString& caption, ProgressPanel& panel, QWidget* owner)
    : panel_(panel),
      window_(new QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)),
      text_(new QLabel),
      bar_(new QProgressBar) {
    window_->setObjectName("ProgressWindow");
    window_->setWindowTitle(caption);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(window_);
    text_->setObjectName("lblTekst");
    bar_->setObjectName("pbPostep");
    bar_->setMinimumWidth(320);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    window_->show();
}

ProgressWindow::~ProgressWindow() { window_->close(); }

void ProgressWindow::setText(const std::string& text) {
    panel_.setText(text);
    text_->setText(QString::fromStdString(text));
}

void ProgressWindow::setMaximum(long long steps) {
    panel_.setMaximum(steps);
    bar_->setRange(0, barValue(steps));
    bar_->setValue(0);
}

void ProgressWindow::step(long long count) {
    panel_.step(count);
    bar_->setValue(std::min(bar_->maximum(), bar_->value() + barValue(count)));
}

void ProgressWindow::finish() {
    panel_.finish();
    bar_->setValue(bar_->maximum());
}

}  // namespace Korvel::Gui
