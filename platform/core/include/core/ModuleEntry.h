// The entry of every loadable module: one failure policy for all. An attach that fails
// at any step undoes every registration it made (its queued initialisation function
// included) and refuses the load with 0; a module that attached is registered for
// deferred loading of its dependencies. A module keeps its list in one pointer:
//     Core::RegistrationListPtr registrations;
//     extern "C" int DllEntryPoint(void* instance, unsigned long reason, void*) {
//         return Core::moduleEntryPoint(instance, reason, registrations, registerObjects);
//     }
// The steps are templates over the registration function so that tests can make any
// step fail.
#pragma once

#include <memory>

#include "core/Debug.h"
#include "core/PackageLoader.h"
#include "core/Registration.h"

namespace Core {

using RegistrationListPtr = std::unique_ptr<ModuleRegistrationList>;

// Host contract: attach and detach of the module's registration list, with its log places.
// Attach (reason 1) creates the list and fills it through registerFunction; detach
// (reason 0) releases and destroys an existing list. Any other reason, a detach
// without a list, or an exception (logged) yields false. A failed attach leaves no
// list behind, so nothing of the module stays registered.
template <class FunctionT>
bool manageDllRegistations(unsigned long reason, RegistrationListPtr& list, FunctionT registerFunction) {
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            auto created = std::make_unique<ModuleRegistrationList>();
            registerFunction(*created);
            list = std::move(created);
            return true;
        }
        if (reason == DLL_PROCESS_DETACH && list) {
            list->release();
            list.reset();
            return true;
        }
    } catch (const std::exception& e) {
        Debug::logException(CORE_SRC_INFO("manageDllRegistations<FunctionT>"), e.what());
    } catch (...) {
        Debug::logException(CORE_SRC_INFO("manageDllRegistations<FunctionT>"), "unknown exception");
    }
    return false;
}

// Host contract: as manageDllRegistations, then, after a successful attach, registers the
// module for deferred loading of its dependencies; when that fails the attach is undone.
template <class FunctionT>
bool manageDllRegistationsAndDependencies(void* instance, unsigned long reason, RegistrationListPtr& list,
                                          FunctionT registerFunction) {
    bool result = manageDllRegistations(reason, list, registerFunction);
    if (result && reason == DLL_PROCESS_ATTACH) {
        try {
            PackageLoaderWithDep::Dependencies::instance().registerForDeferredLoadDependencies(instance, reason);
        } catch (const std::exception& e) {
            Debug::logException(CORE_SRC_INFO("manageDllRegistationsAndDependencies<FunctionT>"), e.what());
            list.reset();  // the load fails, so nothing of the module may stay registered
            result = false;
        }
    }
    return result;
}

// The whole body of a module's DllEntryPoint: logs the call, then attaches or detaches.
// Returns the entry's truth value, 1 or 0.
template <class FunctionT>
int moduleEntryPoint(void* instance, unsigned long reason, RegistrationListPtr& list, FunctionT registerFunction) {
    Debug::logDllEntryPoint(instance, reason, CORE_SRC_INFO("DllEntryPoint"));
    return manageDllRegistationsAndDependencies(instance, reason, list, registerFunction) ? 1 : 0;
}

}  // namespace Core
