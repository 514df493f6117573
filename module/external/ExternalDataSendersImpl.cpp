#include "external/ExternalDataSendersImpl.h"

#include "core/Errors.h"

namespace Senders {

Core::RegistrationHandle ExternalDataSendersImpl::addSenderCreator(const char* name, SenderCreator creator) {
    if (creators_.contains(name))
        // Host contract: the message and its place.
        throw Core::PlacedRuntimeError(std::string("Próba powtórnego zarejestrowania sendera ") + name,
                                       CORE_SRC_INFO("ExternalDataSendersImpl::addSenderCreator"));
    auto registration = std::shared_ptr<Core::Registration>(creators_.add(name, std::move(creator)));
    // The senders a creator made go with it: their code may leave with the creator's module.
    std::weak_ptr<MadeSenders> senders = senders_;
    return std::make_unique<Core::Registration>([senders, key = std::string(name), registration] {
        if (auto alive = senders.lock())
            std::erase_if(*alive, [&](const MadeSender& made) { return made.creatorKey == key; });
    });
}

std::vector<std::string> ExternalDataSendersImpl::registeredKeys() const {
    std::vector<std::string> keys;
    for (const auto& entry : creators_.entries()) keys.push_back(entry.first);
    return keys;
}

void ExternalDataSendersImpl::init(const PLUSenderArgs& args) {
    senders_->clear();
    for (const auto& [key, creator] : creators_.entries()) {
        auto sender = creator();
        sender->init(args);
        senders_->push_back({key, std::move(sender)});
    }
}

void ExternalDataSendersImpl::checkCommunication() {
    for (const auto& made : *senders_) made.sender->checkCommunication();
}

void ExternalDataSendersImpl::beginSending(int day) {
    for (const auto& made : *senders_) made.sender->beginSending(day);
}

void ExternalDataSendersImpl::sendTowar(Db::TDataSet& record) {
    for (const auto& made : *senders_) made.sender->sendTowar(record);
}

void ExternalDataSendersImpl::endSending() {
    for (const auto& made : *senders_) made.sender->endSending();
    senders_->clear();
}

}  // namespace Senders
