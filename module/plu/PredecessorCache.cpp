#include "plu/PredecessorCache.h"

#include "db/Query.h"

namespace Devices {

const std::vector<int>& PredecessorCache::getPredecessors(int successorId) {
    static const std::vector<int> none;
    load();
    const auto found = predecessors_.find(successorId);
    return found == predecessors_.end() ? none : found->second;
}

void PredecessorCache::load() {
    if (loaded_) return;
    DBKernel::Sql::OpenedQuery query(
        "\n select tp.ltowarref predecessor_id, ts.ltowarref successor_id\n from towar tp, towar ts\n where "
        "tp.successor_id = ts.ltowarref",
        session_);
    for (; query; query.next()) predecessors_[query["successor_id"].asInt()].push_back(query["predecessor_id"].asInt());
    loaded_ = true;
}

}  // namespace Devices
