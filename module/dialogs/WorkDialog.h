// The behaviour of a small service dialog that does one piece of work on "Wyślij":
// a progress text, a bar, the send button and a close button that reads "Anuluj"
// until the work is done and "Zamknij" after. The work runs on the caller's thread
// (the window's); the listener hears of every change so the window can redraw while
// the work goes on. A failure is shown in an error box and leaves the dialog ready
// to try again.
//
//   class MyDialog : public WorkDialog {
//       MyDialog() : WorkDialog("Caption") {}
//       void work(Core::ThreadUserIo::ISteppableProgressIndicator& progress) override { ... }
//   };
#pragma once

#include <functional>
#include <string>

#include "core/IUnknown.h"
#include "core/ProgressIndicator.h"

namespace Kolvenia {

// What the window sees of the dialog. Every operation is pure virtual, so that a
// window built apart from the module reaches the object through its own table.
class IWorkDialog : public virtual Core::IUnknown {
public:
    struct State {
        std::string text;
        long long position = 0;
        long long maximum = 0;
        std::string closeButton = "Anuluj";
        bool working = false;  // the send is running: neither button may be pressed
        bool done = false;     // the last send went through to its end
    };

    virtual std::string caption() const = 0;
    virtual State state() const = 0;
    // "Wyślij": does the work, then returns.
    virtual void clickSend() = 0;
    // Called after each change, on the thread that made it.
    virtual void setListener(std::function<void()> listener) = 0;
};

class WorkDialog : public IWorkDialog {
public:
    explicit WorkDialog(std::string caption) : caption_(std::move(caption)) {}

    std::string caption() const override { return caption_; }
    State state() const override { return state_; }
    void clickSend() override;
    void setListener(std::function<void()> listener) override { listener_ = std::move(listener); }

protected:
    // The dialog's work; raises to report a failure.
    virtual void work(Core::ThreadUserIo::ISteppableProgressIndicator& progress) = 0;

private:
    class Progress;
    void changed();

    std::string caption_;
    State state_;
    std::function<void()> listener_;
};

}  // namespace Kolvenia
