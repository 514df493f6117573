// The host's stored properties: named values kept in the shop database (table
// StoredProperty), shared by every computer of the shop. A flag that one part of the
// back office sets and another clears is read and cleared under a row lock, in the
// caller's transaction, so that a change made meanwhile is not lost:
//
//   session.StartTransaction();
//   Korvel::StoredProperties properties(session);
//   if (properties.lockBool(name)) { ...work...; properties.setBool(name, false); }
//   session.Commit();
//
// Booleans are stored as "1" and "0"; a property never stored reads as false.
#pragma once

#include <optional>
#include <string>

#include "db/SessionHolder.h"

namespace Korvel {

class StoredProperties {
public:
    explicit StoredProperties(TSessionHolder session = TSessionHolder(true));

    std::optional<std::string> get(const std::string& name) const;
    bool getBool(const std::string& name) const;
    // Reads the property and holds its row until the transaction ends (waiting for a
    // holder in another session). Needs an open transaction: a logic error otherwise.
    bool lockBool(const std::string& name) const;
    // Stores the value, adding the property when it is new.
    void set(const std::string& name, const std::string& value) const;
    void setBool(const std::string& name, bool value) const { set(name, value ? "1" : "0"); }

private:
    TSessionHolder session_;
};

}  // namespace Korvel
