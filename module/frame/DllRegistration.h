// The module entry's two steps, kept generic over the registration function so that
// the failure paths can be exercised with any function.
#pragma once

#include <memory>

#include "core/Debug.h"
#include "core/PackageLoader.h"
#include "core/Registration.h"

namespace Kolvenia {

using RegistrationListPtr = std::unique_ptr<Core::ModuleRegistrationList>;

// Attach (reason 1) creates the list and fills it through registerFunction; detach
// (reason 0) releases and destroys an existing list. Any other reason, a detach
// without a list, or an exception (logged) yields false. A failed attach leaves no
// list behind, so nothing of the module stays registered.
template <class FunctionT>
bool manageDllRegistations(unsigned long reason, RegistrationListPtr& list, FunctionT registerFunction) {
    try {
        if (reason == Core::DLL_PROCESS_ATTACH) {
            auto created = std::make_unique<Core::ModuleRegistrationList>();
            registerFunction(*created);
            list = std::move(created);
            return true;
        }
        if (reason == Core::DLL_PROCESS_DETACH && list) {
            list->release();
            list.reset();
            return true;
        }
    } catch (const std::exception& e) {
        Core::Debug::logException(CORE_SRC_INFO("manageDllRegistations<FunctionT>"), e.what());
    } catch (...) {
        Core::Debug::logException(CORE_SRC_INFO("manageDllRegistations<FunctionT>"), "unknown exception");
    }
    return false;
}

// As manageDllRegistations, then, after a successful attach, registers the module for
// deferred loading of its dependencies; when that fails the attach is undone.
template <class FunctionT>
bool manageDllRegistationsAndDependencies(void* instance, unsigned long reason, RegistrationListPtr& list,
                                          FunctionT registerFunction) {
    bool result = manageDllRegistations(reason, list, registerFunction);
    if (result && reason == Core::DLL_PROCESS_ATTACH) {
        try {
            Core::PackageLoaderWithDep::Dependencies::instance().registerForDeferredLoadDependencies(instance, reason);
        } catch (const std::exception& e) {
            Core::Debug::logException(CORE_SRC_INFO("manageDllRegistationsAndDependencies<FunctionT>"), e.what());
            list.reset();  // the load fails, so nothing of the module may stay registered
            result = false;
        }
    }
    return result;
}

}  // namespace Kolvenia
