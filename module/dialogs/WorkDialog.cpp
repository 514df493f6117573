#include "dialogs/WorkDialog.h"

#include <algorithm>

#include "core/I18n.h"
#include "forms/FormKernel.h"

namespace Kolvenia {

using Core::I18n::translate;

// The bar never runs past its end, whatever the work counts.
class WorkDialog::Progress : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    explicit Progress(WorkDialog& dialog) : dialog_(dialog) {}
    void setText(const std::string& text) override {
        dialog_.state_.text = text;
        dialog_.changed();
    }
    void setMaximum(long long steps) override {
        dialog_.state_.maximum = std::max(0LL, steps);
        dialog_.state_.position = 0;
        dialog_.changed();
    }
    void step(long long count) override {
        dialog_.state_.position = std::min(dialog_.state_.position + count, dialog_.state_.maximum);
        dialog_.changed();
    }
    void finish() override {
        dialog_.state_.position = dialog_.state_.maximum;
        dialog_.changed();
    }

private:
    WorkDialog& dialog_;
};

void WorkDialog::clickSend() {
    if (state_.working) return;
    state_ = State{};
    state_.working = true;
    changed();
    Progress progress(*this);
    try {
        work(progress);
        state_.done = true;
        state_.closeButton = translate("Zamknij");
    } catch (const std::exception& e) {
        state_.working = false;
        changed();
        FormKernel::messageBoxes()->error(e.what());
        return;
    }
    state_.working = false;
    changed();
}

void WorkDialog::changed() {
    if (listener_) listener_();
}

}  // namespace Kolvenia
