// What an action is and how its arguments reach it.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "core/JavaPointer.h"
#include "core/ProgressIndicator.h"

namespace Core {

class IAction : public virtual IUnknown {
public:
    // Instance-registered actions answer their GUID; creator-registered ones are given
    // theirs at registration and keep this default, which raises "Operation not supported.".
    virtual std::string getGUID() const;
    ~IAction() override = default;
};

class IExecutor : public virtual IUnknown {
public:
    // Default: forwards to execute2 through shared ownership.
    virtual java::pointer<IUnknown> execute(java::pointer<IUnknown> args);
    // Default: raises "IExecutor::execute illegal function call.".
    virtual std::shared_ptr<IUnknown> execute2(std::shared_ptr<IUnknown> args);
    ~IExecutor() override = default;
};

// Text arguments that followed the GUID on a console line.
class IArgVectorGetter : public virtual IUnknown {
public:
    virtual const std::vector<std::string>& getArgVector() const = 0;
};

// Where console usage texts, progress and summaries go.
class IOStreamGetter : public virtual IUnknown {
public:
    virtual std::ostream& getOStream() = 0;
};

// Marker: the action was started from outside the host's windows (console "fire").
class IExternalExecutionArgsGetter : public virtual IUnknown {};

// A date handed to an action, as a host day number (days since 30.12.1899).
class IDateGetter : public virtual IUnknown {
public:
    virtual double getDate() const = 0;
};

// Where long work shows its progress (a console bar, a progress window).
class IProgressIndicatorGetter : public virtual IUnknown {
public:
    virtual ThreadUserIo::ISteppableProgressIndicator& getProgressIndicator() = 0;
};

// What an action answers when its outcome matters to the caller: success or the
// message of the failure, and a flag the caller handed in and wants back.
class ActionStatus : public virtual IUnknown {
public:
    ActionStatus(bool succeeded, std::string message, unsigned char flag = 0)
        : succeeded_(succeeded), message_(std::move(message)), flag_(flag) {}
    bool succeeded() const { return succeeded_; }
    const std::string& message() const { return message_; }
    unsigned char flag() const { return flag_; }

private:
    bool succeeded_;
    std::string message_;
    unsigned char flag_;
};

// Runs an action with an argument object; the container hands it the action it found.
class IActionInvoker : public virtual IUnknown {
public:
    virtual java::pointer<IUnknown> invoke(const std::shared_ptr<IAction>& action, java::pointer<IUnknown> args) = 0;
};

}  // namespace Core
