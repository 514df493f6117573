// The factory this module registers: its senders write XML transfer files into the
// cash-register server's output directory.
#pragma once

#include <memory>

#include "RenderedBundles.h"
#include "cashregister/CashRegisterServerCommunication.h"

namespace XmlBasedServerCommunication {

// Each sender is made for the output directory configured at that moment: "Parametry
// programu" -> "FrontOffice" -> "Serwer Kasowy" -> "Katalog - wyjście", environment
// references expanded. Making one also removes the temporary files that interrupted
// sends left there, when "Usuwaj pliki tymczasowe starsze niż X dni" is configured.
class XmlServerCommunicationFactory : public CashRegisterServerCommunication::CashRegisterServerCommunicationFactory {
public:
    CashRegisterServerCommunication::PluDataSenderPtr createPluDataSender() override;
    CashRegisterServerCommunication::CompositionDataSenderPtr createCompositionDataSender() override;
    CashRegisterServerCommunication::BundleDataSenderPtr createBundleDataSender() override;
    CashRegisterServerCommunication::CountrySenderPtr createCountrySender() override;
    CashRegisterServerCommunication::ReturnReasonSenderPtr createReturnReasonSender() override;
    CashRegisterServerCommunication::VatRateSenderPtr createVatRateSender() override;
    CashRegisterServerCommunication::MeasureUnitSenderPtr createMeasureUnitSender() override;
    CashRegisterServerCommunication::AutomaticDiscountTypeSenderPtr createAutomaticDiscountTypeSender() override;
    CashRegisterServerCommunication::PaymentFormSenderPtr createPaymentFormSender() override;
    CashRegisterServerCommunication::BlockedVoucherSenderPtr createBlockedVoucherSender() override;
    CashRegisterServerCommunication::CashRegisterConfigSenderPtr createCashRegisterConfigSender() override;
    CashRegisterServerCommunication::PluConfigSenderPtr createPluConfigSender() override;
    CashRegisterServerCommunication::IDailyTurnoverCommandSenderPtr createDailyTurnoverCommandSender(
        int cashRegisterNumber) override;
    CashRegisterServerCommunication::MegaPromotionDataSenderPtr createMegaPromotionDataSender() override;

private:
    std::shared_ptr<RenderedBundles> renderedBundles_ = std::make_shared<RenderedBundles>();
};

}  // namespace XmlBasedServerCommunication
