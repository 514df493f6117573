#include "core/Action.h"

#include "core/Errors.h"

namespace Core {

std::string IAction::getGUID() const {
    throw PlacedLogicError("Operation not supported.", CORE_SRC_INFO("IAction::getGUID"));
}

java::pointer<IUnknown> IExecutor::execute(java::pointer<IUnknown> args) {
    return java::pointer<IUnknown>(execute2(args.shared()));
}

std::shared_ptr<IUnknown> IExecutor::execute2(std::shared_ptr<IUnknown>) {
    throw PlacedLogicError("IExecutor::execute illegal function call.", CORE_SRC_INFO("IExecutor::execute2"));
}

}  // namespace Core
