// The host's visual progress window: a small frameless-to-close window with a caption,
// the work's text and a bar, shown while long work runs on the window's thread. It
// also moves the owner's status-bar panel, so both tell the same progress.
//
//   ProgressWindow progress("Przesyłanie PLU", *panel, this);   // shows at once
//   model.send(progress, tick);                                 // closes when it goes
#pragma once

#include <QDialog>

#include "ProgressPanel.h"

class QLabel;
class QProgressBar;

namespace Korvel::Gui {

class ProgressWindow : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    ProgressWindow(const QString& caption, ProgressPanel& panel, QWidget* owner);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void setText(const std::string& text) override;
    void setMaximum(long long steps) override;
    void step(long long count = 1) override;
    void finish() override;

private:
    ProgressPanelIndicator panel_;
    QDialog* window_;
    QLabel* text_;
    QProgressBar* bar_;
};

}  // namespace Korvel::Gui
