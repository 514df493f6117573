#include "core/ActionContainer.h"

#include <algorithm>
#include <boost/format.hpp>
#include <cctype>

namespace Core::Action {

namespace {
std::string lookupKey(const std::string& guid) {
    std::string key = guid;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    return key;
}
}  // namespace

java::pointer<IUnknown> ExecutorInvoker::invoke(const std::shared_ptr<IAction>& action, java::pointer<IUnknown> args) {
    return action->as<IExecutor>().execute(std::move(args));
}

CContainer& CContainer::instance() {
    static CContainer container;
    return container;
}

RegistrationHandle CContainer::registerActionCreator(const std::string& guid, ActionCreator creator,
                                                     const std::string& className) {
    const std::string key = lookupKey(guid);
    std::lock_guard lock(mutex_);
    if (entries_.count(key))
        throw PlacedLogicError((boost::format("Akcja %1% jest już zarejestrowana.") % guid).str(),
                               CORE_SRC_INFO("CContainer::registerActionCreator"));
    const std::uint64_t serial = nextSerial_++;
    entries_.emplace(key, Entry{serial, Listing{guid, className}, std::move(creator)});
    return std::make_unique<Registration>([this, key, serial] { unregister(key, serial); });
}

void CContainer::unregister(const std::string& key, std::uint64_t serial) {
    std::lock_guard lock(mutex_);
    auto it = entries_.find(key);
    if (it != entries_.end() && it->second.serial == serial) entries_.erase(it);
}

bool CContainer::contains(const std::string& guid) const {
    std::lock_guard lock(mutex_);
    return entries_.count(lookupKey(guid)) != 0;
}

std::shared_ptr<IAction> CContainer::getAction(const std::string& guid) const {
    ActionCreator creator;
    {
        std::lock_guard lock(mutex_);
        auto it = entries_.find(lookupKey(guid));
        if (it == entries_.end())
            throw PlacedRuntimeError((boost::format("Brak akcji o identyfikatorze %1%.") % guid).str(),
                                     CORE_SRC_INFO("CContainer::getAction"));
        creator = it->second.creator;
    }
    return creator();  // outside the lock: a creator may itself consult the container
}

std::vector<CContainer::Listing> CContainer::listings() const {
    std::lock_guard lock(mutex_);
    std::vector<const Entry*> ordered;
    for (const auto& [key, entry] : entries_) ordered.push_back(&entry);
    std::sort(ordered.begin(), ordered.end(), [](const Entry* a, const Entry* b) { return a->serial < b->serial; });
    std::vector<Listing> result;
    for (const Entry* entry : ordered) result.push_back(entry->listing);
    return result;
}

}  // namespace Core::Action
