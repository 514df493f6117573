// Connections to an FTP server, made by the host action that the FTP library
// registers. A caller invokes the action, takes the IFtpConnection from its result,
// then: setPassive, connect, upload once per file, close. Every operation either
// completes or raises Ftp::FtpError; messages name the server and the user, never the
// password.
//
//   auto result = Core::Action::CContainer::instance().invoke(Ftp::ConnectionActionGuid,
//                     std::make_shared<Core::Action::NullInvoker>(), {});
//   auto connection = Ftp::connectionOf(result);
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "core/IUnknown.h"
#include "core/JavaPointer.h"
#include "core/Registration.h"

namespace Ftp {

// Host contract: the GUID of the action that creates FTP connections.
inline constexpr const char* ConnectionActionGuid = "{64408051-846A-4958-B8B7-0216FD71AA03}";

class FtpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Host contract: one FTP session.
class IFtpConnection : public virtual Core::IUnknown {
public:
    // Passive (the client opens the data connections) or active mode; passive by default.
    virtual void setPassive(bool passive) = 0;
    // Opens the control connection and logs in.
    virtual void connect(const std::string& server, const std::string& user, const std::string& password) = 0;
    // Stores the local file under the remote path (relative to the login folder; a
    // backslash counts as a slash). An existing remote file is replaced. Binary
    // transfers send the bytes unchanged; text transfers use the server's line ends.
    virtual void upload(const std::string& localPath, const std::string& remotePath, bool binary) = 0;
    // Logs out and closes; harmless when not connected.
    virtual void close() = 0;
};

using IFtpConnectionPtr = std::shared_ptr<IFtpConnection>;

// The connection an invocation of the connection action answered; raises the
// interface-cast error for any other result.
IFtpConnectionPtr connectionOf(const java::pointer<Core::IUnknown>& actionResult);

// Registers the connection action with the host's action container; the host holds
// the handle for its lifetime.
Core::RegistrationHandle registerFtpConnectionAction();

}  // namespace Ftp
