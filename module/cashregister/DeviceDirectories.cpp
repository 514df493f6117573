#include "cashregister/DeviceDirectories.h"

#include "cashregister/TransferFiles.h"
#include "devicedefs/Kolekcje.h"
#include "frame/Configuration.h"
#include "frame/params/DeviceParams.h"

namespace Kolvenia::Kasa {

namespace {

const TUrzadzenie* firstDevice(const TUrzadzenieCollectionPtr& devices,
                               const std::function<bool(const TUrzadzenie&)>& wanted) {
    if (!devices) return nullptr;
    for (std::size_t i = 0; i < devices->size(); ++i)
        if (wanted(*(*devices)[i])) return (*devices)[i];
    return nullptr;
}

bool isNotIntegratedCashRegister(const TUrzadzenie& device) {
    return device.nNrTypuUrz == tuKasa && !getParam<bool>(device, std::string("bKasaZintegrowana"));
}

bool isEnabledScale(const TUrzadzenie& device) { return device.nNrTypuUrz == tuWaga && device.bWlaczone; }

}  // namespace

void checkDeviceDirectories() {
    const auto devices = kolekcjaUrzadzen();
    if (firstDevice(devices, isNotIntegratedCashRegister)) {
        const char* title = "Błąd katalogu serwera kasowego!";
        checkTransferDirectory(
            Config::directory({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Katalog - wyjście"}), title);
        checkTransferDirectory(
            Config::directory({"Parametry programu", "FrontOffice", "Serwer Kasowy", "Katalog - wejście"}), title);
    }
    if (firstDevice(devices, isEnabledScale))
        checkTransferDirectory(
            Config::directory({"Parametry programu", "FrontOffice", "Serwer Wagowy", "Katalog danych"}),
            "Błąd katalogu serwera wagowego!");
    if (Config::key({"Parametry programu", "FrontOffice", "PriceChecker", "Włączony"}).GetVal<bool>())
        checkTransferDirectory(Config::directory({"Parametry programu", "FrontOffice", "PriceChecker", "Katalog"}),
                               "Błąd katalogu PriceCheckera!");
}

}  // namespace Kolvenia::Kasa
