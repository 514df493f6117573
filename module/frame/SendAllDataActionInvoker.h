// The argument object of an action started by the send-all-data action: the cash
// registers (and scales) chosen by the operator and where the action shows its
// progress. An action that finds this interface on its arguments runs without a
// window and sends to the chosen devices only. The send-all-data action itself is
// started with one that carries its whole SendAllDataArgs.
#pragma once

#include <memory>
#include <optional>
#include <set>

#include "core/IUnknown.h"
#include "core/ProgressIndicator.h"
#include "frame/SendAllDataArgs.h"

// Host contract: the class name other modules test for.
class SendAllDataActionInvoker : public virtual Core::IUnknown {
public:
    SendAllDataActionInvoker(std::optional<std::set<int>> deviceRefs,
                             std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> progress)
        : deviceRefs_(std::move(deviceRefs)), progress_(std::move(progress)) {}
    explicit SendAllDataActionInvoker(SendAllDataArgs args)
        : deviceRefs_(args.deviceRefs), progress_(args.kindProgress), args_(std::move(args)) {}

    // The chosen device references (lUrzadzenieRef); empty when no choice was made.
    const std::optional<std::set<int>>& deviceRefs() const { return deviceRefs_; }
    // The indicator to drive; one that shows nothing when none was given.
    Core::ThreadUserIo::ISteppableProgressIndicator& progress() const { return progress_ ? *progress_ : silent_; }
    // The whole arguments, when the invoker was made from them.
    const std::optional<SendAllDataArgs>& sendAllDataArgs() const { return args_; }

private:
    std::optional<std::set<int>> deviceRefs_;
    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> progress_;
    mutable Core::ThreadUserIo::NullProgressIndicator silent_;
    std::optional<SendAllDataArgs> args_;
};
