// A keyed registry whose entries live as long as their registration handles.
// Iteration is in ascending key order.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/Errors.h"
#include "core/Registration.h"

namespace Core {

template <class Value>
class ObjectRegistry {
public:
    ObjectRegistry() : entries_(std::make_shared<std::map<std::string, Value>>()) {}

    bool contains(const std::string& key) const { return entries_->count(key) != 0; }

    // Refuses a key it already holds: "Duplicate registration for key <key>".
    RegistrationHandle add(const std::string& key, Value value) {
        if (contains(key))
            throw PlacedLogicError("Duplicate registration for key " + key, CORE_SRC_INFO("ObjectRegistry::add"));
        entries_->emplace(key, std::move(value));
        std::weak_ptr<std::map<std::string, Value>> entries = entries_;
        return std::make_unique<Registration>([entries, key] {
            if (auto alive = entries.lock()) alive->erase(key);
        });
    }

    // Raises "Missing registered object for key <key>" when absent.
    const Value& get(const std::string& key) const {
        auto it = entries_->find(key);
        if (it == entries_->end())
            throw PlacedLogicError("Missing registered object for key " + key, CORE_SRC_INFO("ObjectRegistry::get"));
        return it->second;
    }

    const std::map<std::string, Value>& entries() const { return *entries_; }

private:
    // Shared so that a handle outliving the registry finds nothing to undo.
    std::shared_ptr<std::map<std::string, Value>> entries_;
};

}  // namespace Core
