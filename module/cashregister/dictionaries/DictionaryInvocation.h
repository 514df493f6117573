// How a dictionary send reads the object it was invoked with: console arguments and
// stream, the send-all-data invoker's chosen registers and progress, or a parent
// window, whose operator chooses the registers in the selection dialog.
#pragma once

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/Action.h"
#include "core/ProgressIndicator.h"

namespace Kolvenia::Dictionaries {

// Where a run goes: every register of its collection, or the chosen ones.
struct CashRegisterChoice {
    bool cancelled = false;
    std::optional<std::set<int>> deviceRefs;  // empty: no narrowing
};

class DictionaryInvocation {
public:
    explicit DictionaryInvocation(java::pointer<Core::IUnknown> args) : args_(std::move(args)) {}

    // Started by "fire" or by the send-all-data action: no window opens.
    bool withoutWindow() const;
    // The registers the send-all-data action hands over, if any.
    std::optional<std::set<int>> givenCashRegisters() const;
    // Under the send-all-data action, its choice (or none); otherwise the operator's
    // choice in the selection dialog, opened with the menu path: a console run of a
    // menu action therefore fails for want of a window.
    CashRegisterChoice chooseCashRegisters(const std::string& menuPath, const std::string& actionName) const;

    // The invoker's progress, else the console's, else one that shows nothing.
    Core::ThreadUserIo::ISteppableProgressIndicator& progress();
    // The console's stream and arguments; null outside a console run.
    std::ostream* console() const;
    const std::vector<std::string>* arguments() const;
    const java::pointer<Core::IUnknown>& args() const { return args_; }

private:
    java::pointer<Core::IUnknown> args_;
    Core::ThreadUserIo::NullProgressIndicator silent_;
};

// Base of the dictionary send actions: runs the work, then hands its message to
// whoever started it (the console stream, or a message box when a window started
// it) and answers a Core::ActionStatus; an error becomes a failed status with its
// message, shown the same way.
class DictionaryAction : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;

protected:
    // The work; answers the message for the operator (empty: none).
    virtual std::string run(DictionaryInvocation& invocation) = 0;
};

}  // namespace Kolvenia::Dictionaries
