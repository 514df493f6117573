// Host contract: the sender of one promotion run. Holds the cash-register
// communication's promotion data sender with its target registers, the gifts and the
// promotions handed to it; nothing reaches the registers before send.
//
//   PromotionSender sender(CNotIntegratedUrzCollectionModStrategy());
//   sender.loadGifts(session);
//   sender.add(record); ...
//   sender.send();
#pragma once

#include <vector>

#include "cashregister/CashRegisterServerCommunication.h"
#include "db/SessionHolder.h"
#include "frame/strategies/IUrzCollectionModStrategy.h"

// Host contract: the text of a run without a cash register to send to.
inline constexpr const char* NoInstalledCashRegisters = "Brak zainstalowanych kas.";

class PromotionSender {
public:
    // Takes the installed cash registers, narrowed by the strategy, as the targets.
    // Raises NoInstalledCashRegisters when none remains: promotions recorded as sent
    // must have somewhere to go.
    explicit PromotionSender(const IUrzCollectionModStrategy& strategy);

    // Every row of prezent, as the gifts the profits refer to.
    void loadGifts(const TSessionHolder& session);
    void add(const Kolvenia::ExportedPromotionPtr& promotion);
    void send();

    const std::vector<Kolvenia::ExportedPromotionGift>& gifts() const { return gifts_; }
    std::size_t promotionCount() const { return promotionCount_; }
    const std::vector<int>& cashRegisters() const { return cashRegisters_; }

private:
    CashRegisterServerCommunication::MegaPromotionDataSenderPtr dataSender_;
    std::vector<int> cashRegisters_;
    std::vector<Kolvenia::ExportedPromotionGift> gifts_;
    std::size_t promotionCount_ = 0;
};
