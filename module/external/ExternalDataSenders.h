// Module public face: plugins and other modules include this header; change it compatibly.
// The external data senders registry: every receiver of PLU records other than the
// cash registers, scales and directory price checker (label systems, Elzab RS price
// checkers, other modules' senders) registers a creator under a key, and the PLU
// sender drives all of them through this one process-wide registry. Exported:
// other modules include this header and register their own creators.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Registration.h"

struct PLUSenderArgs;
namespace Db {
class TDataSet;
}

namespace Senders {

class IArticleDataExternalSystemSender {
public:
    virtual void init(const PLUSenderArgs& args) = 0;
    virtual void checkCommunication() = 0;
    // Start of a transmission; the number is a day number for price and promotion lookups.
    virtual void beginSending(int day) = 0;
    // One PLU record; the dataset stands on it.
    virtual void sendTowar(Db::TDataSet& record) = 0;
    virtual void endSending() = 0;
    virtual ~IArticleDataExternalSystemSender() = default;
};

using IArticleDataExternalSystemSenderPtr = std::shared_ptr<IArticleDataExternalSystemSender>;
using SenderCreator = std::function<IArticleDataExternalSystemSenderPtr()>;

// Found through Core::SingletonImplHolder<Senders::ExternalDataSenders>.
class ExternalDataSenders {
public:
    // Raises "Próba powtórnego zarejestrowania sendera <name>" for a name already taken.
    virtual Core::RegistrationHandle addSenderCreator(const char* name, SenderCreator creator) = 0;
    virtual std::vector<std::string> registeredKeys() const = 0;

    // Drops the senders of an earlier transmission, then creates and initialises one
    // sender per creator, in ascending key order.
    virtual void init(const PLUSenderArgs& args) = 0;
    // Forward to every sender in creation order; an error stops the forwarding.
    virtual void checkCommunication() = 0;
    virtual void beginSending(int day) = 0;
    virtual void sendTowar(Db::TDataSet& record) = 0;
    // Ends every sender, then drops them.
    virtual void endSending() = 0;

    virtual ~ExternalDataSenders() = default;
};

}  // namespace Senders
