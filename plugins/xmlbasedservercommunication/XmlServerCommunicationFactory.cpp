#include "XmlServerCommunicationFactory.h"

#include "XmlDataSenders.h"
#include "XmlPromotionDataSender.h"
#include "cashregister/TransferFiles.h"
#include "frame/Configuration.h"

namespace XmlBasedServerCommunication {

namespace {

std::string outputDirectory() {
    std::string directory = Kolvenia::Config::directory({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Katalog - wyjście"});
    if (directory.empty() || directory.back() != '/') directory += '/';
    if (Kolvenia::Config::findKey({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Usuwaj pliki tymczasowe starsze niż X dni"}))
        Kolvenia::Kasa::clearOldTempFiles(directory);
    return directory;
}

}  // namespace

CashRegisterServerCommunication::PluDataSenderPtr XmlServerCommunicationFactory::createPluDataSender() {
    return std::make_shared<XmlPluDataSender>(outputDirectory());
}

CashRegisterServerCommunication::CompositionDataSenderPtr XmlServerCommunicationFactory::createCompositionDataSender() {
    return std::make_shared<XmlCompositionDataSender>(outputDirectory());
}

CashRegisterServerCommunication::BundleDataSenderPtr XmlServerCommunicationFactory::createBundleDataSender() {
    return std::make_shared<XmlBundleDataSender>(outputDirectory());
}

CashRegisterServerCommunication::MegaPromotionDataSenderPtr XmlServerCommunicationFactory::createMegaPromotionDataSender() {
    return std::make_shared<XmlPromotionDataSender>(outputDirectory());
}

}  // namespace XmlBasedServerCommunication
