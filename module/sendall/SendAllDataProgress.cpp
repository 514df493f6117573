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
        window_.change([&](State& state) { state.kind = {0, std::max(0LL, steps)}; });
    }
    void step(long long count) override {
        window_.change(
            [&](State& state) { state.kind.position = cutToMaximum(state.kind.position + count, state.kind.maximum); });
    }
    void finish() override {
        window_.change([](State& state) { state.kind.position = state.kind.maximum; });
    }

private:
    TdlgSendAllData& window_;
};

TdlgSendAllData::TdlgSendAllData() : kindProgress_(std::make_shared<KindProgress>(*this)) {}

void TdlgSendAllData::setSteps(int steps) {
    change([&](State&) {
        steps_ = std::max(0, steps);
        done_ = 0;
        moveOverall();
    });
}

void TdlgSendAllData::advance(int steps) {
    change([&](State&) {
        done_ += steps;
        moveOverall();
    });
}

void TdlgSendAllData::moveOverall() {
    const long long position = steps_ == 0 ? 0 : static_cast<long long>(done_) * OverallMaximum / steps_;
    state_.overall.position = cutToMaximum(position, OverallMaximum);
    // Host contract: the main label.
    state_.mainLabel =
        translate("Wysyłanie danych ") + std::to_string(std::min(done_, steps_)) + " / " + std::to_string(steps_);
}

void TdlgSendAllData::finish() {
    change([](State& state) {
        state.finished = true;
        state.cancelButton = translate("Zamknij");
    });
}

void TdlgSendAllData::showText(const std::string& text) {
    change([&](State& state) {
        state.kindLabel = text;
        state.kind = {};
        state.comments.push_back(text);
    });
}

bool TdlgSendAllData::cancelled() {
    std::lock_guard lock(mutex_);
    return state_.cancelRequested;
}

void TdlgSendAllData::clickCancelOrClose() {
    change([](State& state) {
        if (state.finished)
            state.closed = true;
        else
            state.cancelRequested = true;
    });
}

void TdlgSendAllData::clickDetails() {
    change([](State& state) {
        state.detailsShown = !state.detailsShown;
        state.height = state.detailsShown ? DetailsShownHeight : DetailsHiddenHeight;
        state.detailsButton = translate(state.detailsShown ? "Ukryj <<" : "Szczegóły >>");
    });
}

TdlgSendAllData::State TdlgSendAllData::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void TdlgSendAllData::setListener(std::function<void()> listener) {
    std::lock_guard lock(listenerMutex_);
    listener_ = std::move(listener);
}

void TdlgSendAllData::notify() {
    std::lock_guard lock(listenerMutex_);
    if (listener_) listener_();
}

}  // namespace Kolvenia::SendAll
