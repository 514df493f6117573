// How the module's units register their actions with the host's action container.
#pragma once

#include <memory>
#include <string>

#include "core/ActionContainer.h"
#include "core/Errors.h"
#include "core/SrcInfo.h"

namespace Kolvenia {

namespace detail {
Core::RegistrationHandle registerWithContainer(const std::string& guid, Core::Action::ActionCreator creator,
                                               const std::string& className, const Core::SrcInfo& place,
                                               const char* logPrefix);
}

// Registers a creator: the container makes a new action object for every call.
template <class Creator>
Core::RegistrationHandle regActionCreator(const std::string& guid, Creator creator, const Core::SrcInfo& place) {
    using Action = typename decltype(creator())::element_type;
    return detail::registerWithContainer(
        guid, [creator]() -> std::shared_ptr<Core::IAction> { return creator(); }, Core::typeName<Action>(), place,
        "Registering action creator: ");
}

// Registers one action object under the GUID it answers; every call gets that object.
Core::RegistrationHandle regAction(const std::shared_ptr<Core::IAction>& action, const Core::SrcInfo& place);

}  // namespace Kolvenia
