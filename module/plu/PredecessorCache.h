// Which products a product succeeds. A product can replace older ones, and their PLU
// codes follow it on the devices. Every succession is read once, on the first lookup.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "db/SessionHolder.h"

namespace Devices {

class PredecessorCache {
public:
    explicit PredecessorCache(TSessionHolder session) : session_(std::move(session)) {}

    // The products `successorId` replaced, in the order read; empty when none.
    const std::vector<int>& getPredecessors(int successorId);

private:
    void load();

    TSessionHolder session_;
    bool loaded_ = false;
    std::unordered_map<int, std::vector<int>> predecessors_;
};

using PredecessorCachePtr = std::shared_ptr<PredecessorCache>;

}  // namespace Devices
