#include "external/ExternalDataSendersImpl.h"

#include "core/Errors.h"

namespace Senders {

Core::RegistrationHandle ExternalDataSendersImpl::addSenderCreator(const char* name, SenderCreator creator) {
    if (creators_.contains(name))
        throw Core::PlacedRuntimeError(std::string("Próba powtórnego zarejestrowania sendera ") + name,
                                       CORE_SRC_INFO("ExternalDataSendersImpl::addSenderCreator"));
    return creators_.add(name, std::move(creator));
}

std::vector<std::string> ExternalDataSendersImpl::registeredKeys() const {
    std::vector<std::string> keys;
    for (const auto& entry : creators_.entries()) keys.push_back(entry.first);
    return keys;
}

void ExternalDataSendersImpl::init(const PLUSenderArgs& args) {
    senders_.clear();
    for (const auto& entry : creators_.entries()) {
        auto sender = entry.second();
        sender->init(args);
        senders_.push_back(std::move(sender));
    }
}

void ExternalDataSendersImpl::checkCommunication() {
    for (const auto& sender : senders_) sender->checkCommunication();
}

void ExternalDataSendersImpl::beginSending(int day) {
    for (const auto& sender : senders_) sender->beginSending(day);
}

void ExternalDataSendersImpl::sendTowar(Db::TDataSet& record) {
    for (const auto& sender : senders_) sender->sendTowar(record);
}

void ExternalDataSendersImpl::endSending() {
    for (const auto& sender : senders_) sender->endSending();
    senders_.clear();
}

}  // namespace Senders
