#include "frame/ActionRegistration.h"

#include <typeinfo>

#include "core/Debug.h"

namespace Kolvenia {

namespace detail {
Core::RegistrationHandle registerWithContainer(const std::string& guid, Core::Action::ActionCreator creator,
                                               const std::string& className, const Core::SrcInfo& place,
                                               const char* logPrefix) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(logPrefix + guid, place);
    return Core::Action::CContainer::instance().registerActionCreator(guid, std::move(creator), className);
}
}  // namespace detail

Core::RegistrationHandle regAction(const std::shared_ptr<Core::IAction>& action, const Core::SrcInfo& place) {
    const Core::IAction& object = *action;
    return detail::registerWithContainer(
        action->getGUID(), [action] { return action; }, Core::demangle(typeid(object).name()), place,
        "Registering action: ");
}

}  // namespace Kolvenia
