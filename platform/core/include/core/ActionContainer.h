// The process-wide registry of actions by GUID. Lookups ignore letter case, since GUIDs
// arrive typed by hand on the console.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/Action.h"
#include "core/Debug.h"
#include "core/Errors.h"
#include "core/Registration.h"

namespace Core::Action {

using ActionCreator = std::function<std::shared_ptr<IAction>()>;

// Caller policy of invoke: how the invoker is asked to run the action.
struct StdCaller {
    template <class InvokerPtr>
    java::pointer<IUnknown> operator()(InvokerPtr& invoker, const std::shared_ptr<IAction>& action,
                                       java::pointer<IUnknown> args) const {
        return invoker->invoke(action, std::move(args));
    }
};

// Runs an action through its IExecutor; what the host uses when nothing else is asked for.
class ExecutorInvoker : public IActionInvoker {
public:
    java::pointer<IUnknown> invoke(const std::shared_ptr<IAction>& action, java::pointer<IUnknown> args) override;
};

// Runs an action that takes no arguments (a factory such as the FTP connection action):
// its executor gets an empty argument object.
class NullInvoker : public IActionInvoker {
public:
    java::pointer<IUnknown> invoke(const std::shared_ptr<IAction>& action, java::pointer<IUnknown>) override {
        return action->as<IExecutor>().execute({});
    }
};

class CContainer {
public:
    static CContainer& instance();

    // Registers a creator under a GUID; className names the action's class for listings.
    // A second registration under a GUID that is taken is refused
    // ("Akcja %1% jest już zarejestrowana.").
    RegistrationHandle registerActionCreator(const std::string& guid, ActionCreator creator,
                                             const std::string& className = {});

    bool contains(const std::string& guid) const;
    // The action registered under the GUID, made by its creator; raises
    // "Brak akcji o identyfikatorze %1%." when there is none.
    std::shared_ptr<IAction> getAction(const std::string& guid) const;
    struct Listing {
        std::string guid;
        std::string className;
    };
    // Every registration, in registration order.
    std::vector<Listing> listings() const;

    template <class InvokerPtr, class Caller = StdCaller>
    java::pointer<IUnknown> invoke(const std::string& guid, InvokerPtr invoker, java::pointer<IUnknown> args,
                                   Caller caller = Caller()) {
        if (Debug::loggingEnabled())
            Debug::logLine("Invoking action: " + guid, CORE_SRC_INFO("CContainer::invoke<T,Caller>"));
        auto action = getAction(guid);
        return caller(invoker, action, std::move(args));
    }

private:
    struct Entry {
        std::uint64_t serial;
        Listing listing;
        ActionCreator creator;
    };
    void unregister(const std::string& key, std::uint64_t serial);

    mutable std::mutex mutex_;
    std::map<std::string, Entry> entries_;  // by upper-case GUID
    std::uint64_t nextSerial_ = 0;
};

}  // namespace Core::Action
