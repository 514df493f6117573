// Base of the actions that the host's evening (end-of-day) processing runs.
//
// The host runs every registered action that derives from this class, in registration
// order, with an argument object that answers EveningProcessing::IEveningArgs: the day
// range to process and the place where the step reports its status text. A step
// first answers areExecuteConditionsSatisfied() (typically its own "Włączone" switch);
// only then does the host call its evening work.
//
//   class MyStep : public EveningProcessing::OdczytWieczornyAction {
//       bool areExecuteConditionsSatisfied() override { return switchedOn(); }
//       void executeEveningWork(EveningProcessing::IEveningArgs& args) override {
//           ... args.reportStatus("Wysłano.");
//       }
//   };
#pragma once

#include <memory>
#include <string>

#include "core/Action.h"

namespace EveningProcessing {

// What the evening run hands to each step.
class IEveningArgs : public virtual Core::IUnknown {
public:
    // The days to process, as host day numbers (days since 30.12.1899); the evening
    // run of one day hands the same day twice.
    virtual double dateFrom() const = 0;
    virtual double dateTo() const = 0;
    // The step's status line, shown to whoever runs the evening processing.
    virtual void reportStatus(const std::string& text) = 0;
};

// Host contract: the virtual operations, in this slot order.
class OdczytWieczornyAction : public Core::IAction, public Core::IExecutor {
public:
    virtual bool areExecuteConditionsSatisfied() = 0;
    virtual void executeEveningWork(IEveningArgs& args) = 0;
    // Whether the step may also be started by "fire"; the module's steps may not.
    virtual bool canRunFromFire() const { return false; }
    // With IEveningArgs: runs the evening work when the conditions are satisfied and
    // answers a Core::ActionStatus (a failure carries its message). Without them it
    // raises a refusal: a step runs only inside the evening processing.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
    ~OdczytWieczornyAction() override = default;
};

}  // namespace EveningProcessing
