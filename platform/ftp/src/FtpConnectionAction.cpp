#include "CurlFtpConnection.h"
#include "core/ActionContainer.h"

namespace Ftp {

namespace {

// Answers a new, unconnected connection for every invocation.
class FtpConnectionAction : public Core::IAction, public Core::IExecutor {
public:
    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown>) override {
        return java::pointer<Core::IUnknown>(std::make_shared<CurlFtpConnection>());
    }
};

}  // namespace

IFtpConnectionPtr connectionOf(const java::pointer<Core::IUnknown>& actionResult) {
    IFtpConnection& connection = actionResult->as<IFtpConnection>();
    return IFtpConnectionPtr(actionResult.shared(), &connection);
}

Core::RegistrationHandle registerFtpConnectionAction() {
    return Core::Action::CContainer::instance().registerActionCreator(
        ConnectionActionGuid, [] { return std::make_shared<FtpConnectionAction>(); }, "Ftp::FtpConnectionAction");
}

}  // namespace Ftp
