#include "sendall/SendAllDataProgress.h"

#include <algorithm>

#include "core/I18n.h"

namespace Kolvenia::SendAll {

using Core::I18n::translate;

namespace {
long long cutToMaximum(long long position, long long maximum) { return std::min(position, maximum); }
}  // namespace

// Kinds know only their own steps; the bar never runs past its end, whatever they count.
class TdlgSendAllData::KindProgress : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    explicit KindProgress(TdlgSendAllData& window) : window_(window) {}
    void setText(const std::string&) override {}
    void setMaximum(long long steps) override {
        std::lock_guard lock(window_.mutex_);
        window_.state_.kind = {0, std::max(0LL, steps)};
    }
    void step(long long count) override {
        std::lock_guard lock(window_.mutex_);
        auto& bar = window_.state_.kind;
        bar.position = cutToMaximum(bar.position + count, bar.maximum);
    }
    void finish() override {
        std::lock_guard lock(window_.mutex_);
        window_.state_.kind.position = window_.state_.kind.maximum;
    }

private:
    TdlgSendAllData& window_;
};

TdlgSendAllData::TdlgSendAllData() : kindProgress_(std::make_shared<KindProgress>(*this)) {}

void TdlgSendAllData::setSteps(int steps) {
    std::lock_guard lock(mutex_);
    steps_ = std::max(0, steps);
    done_ = 0;
    moveOverall();
}

void TdlgSendAllData::advance(int steps) {
    std::lock_guard lock(mutex_);
    done_ += steps;
    moveOverall();
}

void TdlgSendAllData::moveOverall() {
    const long long position = steps_ == 0 ? 0 : static_cast<long long>(done_) * OverallMaximum / steps_;
    state_.overall.position = cutToMaximum(position, OverallMaximum);
    // Host contract: the main label.
    state_.mainLabel =
        translate("Wysyłanie danych ") + std::to_string(std::min(done_, steps_)) + " / " + std::to_string(steps_);
}

void TdlgSendAllData::finish() {
    std::lock_guard lock(mutex_);
    state_.finished = true;
    state_.cancelButton = translate("Zamknij");
}

void TdlgSendAllData::showText(const std::string& text) {
    std::lock_guard lock(mutex_);
    state_.kindLabel = text;
    state_.kind = {};
    state_.comments.push_back(text);
}

bool TdlgSendAllData::cancelled() {
    std::lock_guard lock(mutex_);
    return state_.cancelRequested;
}

void TdlgSendAllData::clickCancelOrClose() {
    std::lock_guard lock(mutex_);
    if (state_.finished)
        state_.closed = true;
    else
        state_.cancelRequested = true;
}

void TdlgSendAllData::clickDetails() {
    std::lock_guard lock(mutex_);
    state_.detailsShown = !state_.detailsShown;
    state_.height = state_.detailsShown ? DetailsShownHeight : DetailsHiddenHeight;
    state_.detailsButton = translate(state_.detailsShown ? "Ukryj <<" : "Szczegóły >>");
}

TdlgSendAllData::State TdlgSendAllData::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

}  // namespace Kolvenia::SendAll
