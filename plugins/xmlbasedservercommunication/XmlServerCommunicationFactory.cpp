#include "XmlServerCommunicationFactory.h"

#include "DictionaryElements.h"
#include "DictionarySenders.h"
#include "XmlDataSenders.h"
#include "XmlPromotionDataSender.h"
#include "cashregister/TransferFiles.h"
#include "frame/Configuration.h"

namespace XmlBasedServerCommunication {

namespace {

std::string outputDirectory() {
    std::string directory =
        Kolvenia::Config::directory({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Katalog - wyjście"});
    if (directory.empty() || directory.back() != '/') directory += '/';
    if (Kolvenia::Config::findKey(
            {"Parametry programu", "FrontOffice", "Serwer Kasowy", "Usuwaj pliki tymczasowe starsze niż X dni"}))
        Kolvenia::Kasa::clearOldTempFiles(directory);
    return directory;
}

template <class Record>
std::shared_ptr<XmlDictionarySender<Record>> dictionarySender(
    TransferFileKind kind, typename XmlDictionarySender<Record>::AppendRecord append) {
    return std::make_shared<XmlDictionarySender<Record>>(kind, outputDirectory(), append);
}

}  // namespace

CashRegisterServerCommunication::PluDataSenderPtr XmlServerCommunicationFactory::createPluDataSender() {
    return std::make_shared<XmlPluDataSender>(outputDirectory());
}

CashRegisterServerCommunication::CompositionDataSenderPtr XmlServerCommunicationFactory::createCompositionDataSender() {
    return std::make_shared<XmlCompositionDataSender>(outputDirectory());
}

CashRegisterServerCommunication::BundleDataSenderPtr XmlServerCommunicationFactory::createBundleDataSender() {
    return std::make_shared<XmlBundleDataSender>(outputDirectory(), renderedBundles_);
}

CashRegisterServerCommunication::CountrySenderPtr XmlServerCommunicationFactory::createCountrySender() {
    return dictionarySender<Korvel::Dao::Country>(CountryFile, appendCountry);
}

CashRegisterServerCommunication::ReturnReasonSenderPtr XmlServerCommunicationFactory::createReturnReasonSender() {
    return dictionarySender<Korvel::Dao::ReturnReason>(ReturnReasonFile, appendReturnReason);
}

CashRegisterServerCommunication::VatRateSenderPtr XmlServerCommunicationFactory::createVatRateSender() {
    return std::make_shared<XmlVatRateSender>(outputDirectory());
}

CashRegisterServerCommunication::MeasureUnitSenderPtr XmlServerCommunicationFactory::createMeasureUnitSender() {
    return dictionarySender<Core::MeasureUnit>(MeasureUnitFile, appendMeasureUnit);
}

CashRegisterServerCommunication::AutomaticDiscountTypeSenderPtr
XmlServerCommunicationFactory::createAutomaticDiscountTypeSender() {
    return dictionarySender<Korvel::Dao::AutomaticDiscountType>(AutomaticDiscountTypeFile, appendAutomaticDiscountType);
}

CashRegisterServerCommunication::PaymentFormSenderPtr XmlServerCommunicationFactory::createPaymentFormSender() {
    return dictionarySender<Platnosci::FormaPlatnosci>(PaymentFormFile, appendPaymentForm);
}

CashRegisterServerCommunication::BlockedVoucherSenderPtr XmlServerCommunicationFactory::createBlockedVoucherSender() {
    return std::make_shared<XmlBlockedVoucherSender>(outputDirectory());
}

CashRegisterServerCommunication::CashRegisterConfigSenderPtr
XmlServerCommunicationFactory::createCashRegisterConfigSender() {
    return std::make_shared<XmlCashRegisterConfigSender>(outputDirectory());
}

CashRegisterServerCommunication::PluConfigSenderPtr XmlServerCommunicationFactory::createPluConfigSender() {
    return std::make_shared<XmlPluConfigSender>(outputDirectory());
}

CashRegisterServerCommunication::IDailyTurnoverCommandSenderPtr
XmlServerCommunicationFactory::createDailyTurnoverCommandSender(int cashRegisterNumber) {
    return std::make_shared<XmlDailyTurnoverCommandSender>(outputDirectory(), cashRegisterNumber);
}

CashRegisterServerCommunication::MegaPromotionDataSenderPtr
XmlServerCommunicationFactory::createMegaPromotionDataSender() {
    return std::make_shared<XmlPromotionDataSender>(outputDirectory());
}

}  // namespace XmlBasedServerCommunication
