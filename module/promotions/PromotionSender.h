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

class PromotionSender {
public:
    // Takes the installed cash registers, narrowed by the strategy, as the targets;
    // raises "Brak zainstalowanych kas." when no cash register is installed.
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
