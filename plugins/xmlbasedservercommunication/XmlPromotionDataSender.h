// The promotion data sender of the XML-based communication: at send, one transfer file
// with the gifts and the promotions handed to it since the last send. The conditions,
// profits and parameters of a promotion write their own elements through the writer.
#pragma once

#include <vector>

#include "TransferFileWriter.h"
#include "cashregister/CashRegisterServerCommunication.h"

namespace XmlBasedServerCommunication {

// Promotions are changes: a send without promotions writes no file, whatever the gifts.
class XmlPromotionDataSender : public CashRegisterServerCommunication::MegaPromotionDataSender {
public:
    explicit XmlPromotionDataSender(const std::string& directory) : file_(PromotionFile, directory) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void addGift(const Kolvenia::ExportedPromotionGift& gift) override { gifts_.push_back(gift); }
    void add(const Kolvenia::ExportedPromotion& promotion) override { promotions_.push_back(promotion); }
    void send() override;

private:
    TransferFileWriter file_;
    std::vector<Kolvenia::ExportedPromotionGift> gifts_;
    std::vector<Kolvenia::ExportedPromotion> promotions_;
};

}  // namespace XmlBasedServerCommunication
