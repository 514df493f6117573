#include "ProgressPanel.h"

#include <QPainter>
#include <algorithm>

namespace Korvel::Gui {

void ProgressPanel::setPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == percent_) return;
    percent_ = percent;
    update();
}

void ProgressPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect done = rect();
    done.setWidth(rect().width() * percent_ / 100);
    painter.fillRect(done, Qt::blue);
}

void ProgressPanelIndicator::setText(const std::string& text) { panel_.setToolTip(QString::fromStdString(text)); }

void ProgressPanelIndicator::setMaximum(long long steps) {
    maximum_ = steps;
    done_ = 0;
    panel_.setPercent(0);
}

void ProgressPanelIndicator::step(long long count) {
    done_ += count;
    if (maximum_ > 0) panel_.setPercent(static_cast<int>(done_ * 100 / maximum_));
}

}  // namespace Korvel::Gui
