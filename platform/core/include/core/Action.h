// What an action is and how its arguments reach it.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "core/JavaPointer.h"

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

// Runs an action with an argument object; the container hands it the action it found.
class IActionInvoker : public virtual IUnknown {
public:
    virtual java::pointer<IUnknown> invoke(const std::shared_ptr<IAction>& action, java::pointer<IUnknown> args) = 0;
};

}  // namespace Core
