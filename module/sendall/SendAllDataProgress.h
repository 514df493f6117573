// The behaviour of the send-all-data progress window, without the window: the overall
// bar (one step per kind), the bar of the current kind, the main label, the current
// kind's label, the comments list, and the two buttons. The background thread calls it
// as the run's observer and the current kind drives kindProgress(); the window reads
// its state (under the same lock) and forwards the operator's clicks.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "frame/SendAllDataArgs.h"

namespace Kolvenia::SendAll {

// Host contract: the progress window's form class, caption and texts.
class TdlgSendAllData : public virtual Core::IUnknown, public ISendAllDataProgressObserver {
public:
    static constexpr const char* formClass = "TdlgSendAllData";
    static constexpr const char* caption = "Wysyłanie wszystkich danych do kas";
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

    TdlgSendAllData();

    void setSteps(int steps) override;
    void advance(int steps) override;
    void finish() override;
    void showText(const std::string& text) override;
    bool cancelled() override;

    // The indicator handed to each kind: it moves the current kind's bar. It refers to
    // this window, so the run must hold the window (as its observer) while it uses it.
    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> kindProgress() { return kindProgress_; }

    // "Anuluj" asks the run to stop after the current kind; once the run has finished
    // the same button reads "Zamknij" and closes the window.
    void clickCancelOrClose();
    // "Szczegóły >>" / "Ukryj <<".
    void clickDetails();

    State state() const;

private:
    class KindProgress;
    void moveOverall();

    mutable std::mutex mutex_;
    State state_;
    int steps_ = 0;
    int done_ = 0;
    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> kindProgress_;
};

}  // namespace Kolvenia::SendAll
