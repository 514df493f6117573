// One promotion run, shared by every promotion action: the petrol-station module's
// action first when petrol-station support is on, then the gifts and the action's
// promotions translated and handed to the PromotionSender, each recorded as sent,
// and one send at the end. All of it is one transaction: a run that fails sends
// nothing and records nothing, so the next run offers the same promotions again.
// Inside a transaction the caller holds on the default session, the marks become
// part of it and the caller commits or rolls back.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "core/ProgressIndicator.h"
#include "promotion/PromotionDao.h"

namespace Promotion {

struct SendRunRequest {
    // The action's promotions, read through the promotion access of the run.
    std::function<std::vector<PromotionPtr>(IPromotionDao&)> promotions;
    // The chosen cash registers (lUrzadzenieRef); without a choice every installed one.
    std::optional<std::set<int>> deviceRefs;
    Core::ThreadUserIo::ISteppableProgressIndicator* progress = nullptr;
};

struct SendRunResult {
    std::size_t sent = 0;
    std::size_t simpleSkipped = 0;
};

// Raises the error that ended the run; a translation error reads "Błąd podczas
// wysyłania promocji o numerze <number>: <cause>".
SendRunResult sendPromotions(const SendRunRequest& request);

}  // namespace Promotion
