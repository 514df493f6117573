// Module public face: plugins and other modules include this header; change it compatibly.
// What every external data sender is initialised with for one transmission.
#pragma once

#include <memory>

#include "db/SessionHolder.h"

namespace Db {
class TDataSet;
}

namespace Devices {

// Answers whether the PLU of the record a dataset stands on is to be removed from the
// devices rather than loaded.
class IPluDeletionPredicate {
public:
    virtual bool isToBeDeleted(Db::TDataSet& record) const = 0;
    virtual ~IPluDeletionPredicate() = default;
};
using IPluDeletionPredicatePtr = std::shared_ptr<const IPluDeletionPredicate>;

}  // namespace Devices

struct PLUSenderArgs {
    TSessionHolder session;  // the transmission's connection and transaction
    Devices::IPluDeletionPredicatePtr deletionPredicate;
    int day = 0;  // the transmission day, a host day number
};
