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
    // Drops the senders a creator made: their code may leave with the creator's module.
    void dropSendersOf(const std::string& creatorKey);

    Core::ObjectRegistry<SenderCreator> creators_;
    std::vector<MadeSender> senders_;
};

}  // namespace Senders
