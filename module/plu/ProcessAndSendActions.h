// The actions that run the PLU engine: the day's transmission (from the console, the
// host or a PLU-sending window) and the transmission of chosen products (from other
// modules).
#pragma once

#include <functional>
#include <list>

#include "core/Action.h"
#include "core/Registration.h"

// Present when a PLU-sending window starts the transmission: its progress, a callback
// after every row, and a flag it wants back in the result.
class IVisualPluSender : public virtual Core::IUnknown {
public:
    virtual Core::ThreadUserIo::ISteppableProgressIndicator& getProgressIndicator() = 0;
    virtual std::function<void()> getTickCallback() = 0;
    virtual unsigned char getResultFlag() const = 0;
};

namespace FormKernel {
// The arguments a form hands to an action: here, the references of chosen products.
class IBaseFormArgs : public virtual Core::IUnknown {
public:
    virtual const std::list<int>& getReferences() const = 0;
};
}  // namespace FormKernel

class ActionProcessAndSendPLU : public Core::IAction, public Core::IExecutor {
public:
    // Builds today's dataset, processes and sends every row, writes the summary to the
    // arguments' stream. A failed run writes its message there and answers a failed
    // Core::ActionStatus.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

class SendPLUForArticle : public Core::IAction, public Core::IExecutor {
public:
    // Sends the PLUs of the products of the form arguments; raises
    // "Brak zainstalowanych kas." when there is no installed cash register.
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerActionProcessAndSendPLUObjects(Core::ModuleRegistrationList& list);
void registerSendPLUForArticleObjects(Core::ModuleRegistrationList& list);
