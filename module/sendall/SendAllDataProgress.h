// The behaviour of the send-all-data progress window, without the window: the overall
// bar (one step per kind), the bar of the current kind, the main label, the current
// kind's label, the comments list, and the two buttons. The background thread calls it
// as the run's observer and the current kind drives kindProgress(); the window reads
// its state (under the same lock), forwards the operator's clicks and hears of every
// change through its listener.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "frame/SendAllDataArgs.h"

namespace Kolvenia::SendAll {

// What the window sees of the progress: the state to draw, the two buttons, and a
// listener told after every change, on the thread that made it (mostly the run's).
class ISendAllDataProgressWindow : public virtual Core::IUnknown {
public:
    static constexpr int OverallMaximum = 100;
    static constexpr int DetailsHiddenHeight = 145;
    static constexpr int DetailsShownHeight = 380;

    struct Bar {
        long long position = 0;
        long long maximum = 0;
    };
    // What the window shows at one moment.
    struct State {
        std::string mainLabel;
        Bar overall{0, OverallMaximum};
        std::string kindLabel;
        Bar kind;
        std::vector<std::string> comments;
        std::string cancelButton = "Anuluj";
        std::string detailsButton = "Szczegóły >>";
        bool detailsShown = false;
        int height = DetailsHiddenHeight;
        bool finished = false;
        bool cancelRequested = false;
        bool closed = false;
    };

    virtual State state() const = 0;
    // "Anuluj" asks the run to stop after the current kind; once the run has finished
    // the same button reads "Zamknij" and closes the window.
    virtual void clickCancelOrClose() = 0;
    // "Szczegóły >>" / "Ukryj <<".
    virtual void clickDetails() = 0;
    // Called after each change, outside the state's lock. Replacing it (nullptr to stop
    // listening) waits for a call in progress, so a window that has let go of the
    // listener is never called again.
    virtual void setListener(std::function<void()> listener) = 0;
};

// Host contract: the progress window's form class, caption and texts.
class TdlgSendAllData : public ISendAllDataProgressWindow, public ISendAllDataProgressObserver {
public:
    static constexpr const char* formClass = "TdlgSendAllData";
    static constexpr const char* caption = "Wysyłanie wszystkich danych do kas";

    TdlgSendAllData();

    void setSteps(int steps) override;
    void advance(int steps) override;
    void finish() override;
    void showText(const std::string& text) override;
    bool cancelled() override;

    // The indicator handed to each kind: it moves the current kind's bar. It refers to
    // this window, so the run must hold the window (as its observer) while it uses it.
    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> kindProgress() { return kindProgress_; }

    void clickCancelOrClose() override;
    void clickDetails() override;
    State state() const override;
    void setListener(std::function<void()> listener) override;

private:
    class KindProgress;
    void moveOverall();
    // Applies the change under the lock, then tells the listener.
    template <class Change>
    void change(Change&& apply) {
        {
            std::lock_guard lock(mutex_);
            apply(state_);
        }
        notify();
    }
    void notify();

    mutable std::mutex mutex_;
    State state_;
    int steps_ = 0;
    int done_ = 0;
    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> kindProgress_;
    std::mutex listenerMutex_;  // held while the listener runs
    std::function<void()> listener_;
};

}  // namespace Kolvenia::SendAll
