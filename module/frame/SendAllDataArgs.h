// What the send-all-data action is started with, and how it reports back: the chosen
// devices and kinds of data, an observer of the whole run (one step per kind, texts,
// the operator's cancel request) and a progress indicator each kind drives.
//
//   SendAllDataArgs args;
//   args.deviceRefs = {101, 102};
//   args.kinds = {10, 20};
//   args.observer = window;         // optional: without one the run shows nothing
//   container.invoke(ActionGuids::SendAllData, invoker, java::make<SendAllDataActionInvoker>(args));
//
// The observer is called from the background thread that sends; it must be safe to
// call from there.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "core/ProgressIndicator.h"
#include "forms/FormKernel.h"

// Host contract: the observer's operations, in their order.
class ISendAllDataProgressObserver {
public:
    virtual ~ISendAllDataProgressObserver() = default;
    virtual void setSteps(int steps) = 0;
    virtual void advance(int steps) = 0;
    virtual void finish() = 0;
    virtual void showText(const std::string& text) = 0;
    // Read between two kinds: the kind being sent always runs to its end.
    virtual bool cancelled() = 0;
};

// Host contract: the arguments of the send-all-data action.
struct SendAllDataArgs {
    FormKernel::TBaseFormArgs form;
    std::set<int> deviceRefs;  // lUrzadzenieRef of the chosen cash registers and scales
    std::set<int> kinds;       // "Kod typu operacji" of the chosen kinds; sent in this (ascending) order
    std::shared_ptr<ISendAllDataProgressObserver> observer;
    std::shared_ptr<Core::ThreadUserIo::ISteppableProgressIndicator> kindProgress;
};
