#pragma once

#include "core/ObjectRegistry.h"
#include "external/ExternalDataSenders.h"

namespace Senders {

class ExternalDataSendersImpl : public ExternalDataSenders {
public:
    Core::RegistrationHandle addSenderCreator(const char* name, SenderCreator creator) override;
    std::vector<std::string> registeredKeys() const override;

    void init(const PLUSenderArgs& args) override;
    void checkCommunication() override;
    void beginSending(int day) override;
    void sendTowar(Db::TDataSet& record) override;
    void endSending() override;

private:
    struct MadeSender {
        std::string creatorKey;
        IArticleDataExternalSystemSenderPtr sender;
    };
    using MadeSenders = std::vector<MadeSender>;

    Core::ObjectRegistry<SenderCreator> creators_;
    // Shared so that a handle kept by another module after this registry went (its
    // module's attach failed) finds nothing to undo instead of a dangling registry.
    std::shared_ptr<MadeSenders> senders_ = std::make_shared<MadeSenders>();
};

}  // namespace Senders
