// A status-bar panel drawn as a progress bar (pure blue over the done part), and the
// progress indicator that moves it while long work runs on the window's thread.
#pragma once

#include <QWidget>

#include "core/ProgressIndicator.h"

namespace Korvel::Gui {

class ProgressPanel : public QWidget {
public:
    explicit ProgressPanel(QWidget* parent = nullptr) : QWidget(parent) {}
    int percent() const { return percent_; }
    void setPercent(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent_ = 0;
};

// Moves the panel; the panel is emptied again when the work ends.
class ProgressPanelIndicator : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    explicit ProgressPanelIndicator(ProgressPanel& panel) : panel_(panel) {}
    ~ProgressPanelIndicator() override { panel_.setPercent(0); }
    ProgressPanelIndicator(const ProgressPanelIndicator&) = delete;
    ProgressPanelIndicator& operator=(const ProgressPanelIndicator&) = delete;

    void setText(const std::string& text) override;
    void setMaximum(long long steps) override;
    void step(long long count = 1) override;
    void finish() override { panel_.setPercent(100); }

private:
    ProgressPanel& panel_;
    long long maximum_ = 0;
    long long done_ = 0;
};

}  // namespace Korvel::Gui
