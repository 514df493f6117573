// The promotion actions: all promotions for a caller, the new and modified ones from
// the service call, the console and a window, one by GUID from the console, and one or
// several chosen by reference in a window. Each runs sendPromotions with its own
// promotions and reports the outcome its own way (result, console stream, message box).
#pragma once

#include "core/Action.h"
#include "core/Registration.h"

class CSendPromotionActionBase : public Core::IAction, public Core::IExecutor {};

// Window: sends the promotions whose references the window hands over, asking first
// about each one already sent; without references it shows
// "Nieznany błąd - brak informacji o promocji do wysłania.". Started from the host's
// menu (a parent window and no references), it first lets the operator choose any
// number of promotions in the promotion choice window (IPromotionChoice).
// Host contract: the action class name.
class CSendPredefinedPromotionsWithRefGui : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Console: "fire <guid_akcji> <guid_promocji>".
// Host contract: the action class name.
class CSendPromotionWithGuidFire : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Window: as CSendPredefinedPromotionsWithRefGui for the first reference only; from the
// menu the operator chooses exactly one promotion.
// Host contract: the action class name.
class CSendPromotionWithRefGui : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Caller: every promotion; answers a Core::ActionStatus.
// Host contract: the action class name.
class CSendAllPromotions : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Service call: the new and modified promotions; with no installed cash register
// there is nothing to do, which is not a failure.
// Host contract: the action class name.
class CSendNewAndModifiedPromotionsService : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Console: "fire <guid_akcji>", no arguments.
// Host contract: the action class name.
class CSendNewAndModifiedPromotionsFire : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

// Window (or the send-all-data action, without one): the new and modified promotions.
// From the menu the operator first looks them over in the promotion choice window and
// sends or cancels; with none it says so and sends nothing.
// Host contract: the action class name.
class CSendNewAndModifiedPromotionsGui : public CSendPromotionActionBase {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerPromotionsActionsObjects(Core::ModuleRegistrationList& list);
