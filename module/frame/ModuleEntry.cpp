#include "frame/ModuleEntry.h"

#include "cashregister/CashRegisterModuleName.h"
#include "cashregister/CheckCommunicationAction.h"
#include "cashregister/config/ConfigSendActions.h"
#include "cashregister/dictionaries/CountriesActions.h"
#include "cashregister/dictionaries/DiscountsActions.h"
#include "cashregister/dictionaries/MeasureUnitsActions.h"
#include "cashregister/dictionaries/NotAvailableActions.h"
#include "cashregister/dictionaries/PaymentsAction.h"
#include "cashregister/dictionaries/ReturnReasonsAction.h"
#include "cashregister/dictionaries/VatRatesActions.h"
#include "cashregister/turnover/DailyTurnoverActions.h"
#include "cashregister/vouchers/BlockedVoucherActions.h"
#include "core/ModuleEntry.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "dialogs/TransmissionProgress.h"
#include "dialogs/deviceconfig/DeviceConfigurationAction.h"
#include "external/ExternalSendersRegistration.h"
#include "labels/LabelsRegistration.h"
#include "plu/ProcessAndSendActions.h"
#include "plu/SendPluBrowserAction.h"
#include "pricechecker/ElzabRsPriceCheckerSender.h"
#include "pricechecker/SendAllPriceCheckerAction.h"
#include "promotions/PromotionActions.h"
#include "scales/ScaleDataTransferFileManager.h"
#include "sendall/SendAllDataRegistration.h"
#include "sendall/SendAllPluAction.h"

namespace Kolvenia {

namespace {
Core::RegistrationListPtr moduleRegistrations;
}

// Units register in the module's fixed order; the order is part of the host's contract.
void registerObjects(Core::ModuleRegistrationList& list) {
    Senders::registerExternalDataSendersObjects(list);
    registerActionProcessAndSendPLUObjects(list);
    Labels::registerElectronicLabelsActionsObjects(list);
    Dictionaries::registerMarkdownReasonsObjects(list);
    registerPromotionsActionsObjects(list);
    DeviceConfig::registerDeviceConfigurationObjects(list);
    AllPlus::registerSendAllPluObjects(list);
    Devices::PriceChecker::registerSendAllPriceCheckerObjects(list);
    TransmissionProgress::registerTransmissionProgressObjects(list);
    Labels::registerElectronicLabelsSenderObjects(list);
    Devices::PriceChecker::registerElzabRsPriceCheckerSender(list);
    registerSendPLUForArticleObjects(list);
    Devices::registerGetDefaultManagerObjects(list);
    Dictionaries::registerCountriesObjects(list);
    SendAll::registerSendAllDataObjects(list);
    SendAll::registerSendAllDataDlgObjects(list);
    Dictionaries::registerReturnReasonsObjects(list);
    Dictionaries::registerAutomaticDiscountTypesObjects(list);
    BlockedVouchers::registerBlockedVoucherObjects(list);
    Kasa::registerSendCashRegisterConfigObjects(list);
    Dictionaries::registerCustomersObjects(list);
    Labels::registerElectronicLabelsStockExportDialogObjects(list);
    Dictionaries::registerMeasureUnitsObjects(list);
    Dictionaries::registerPaymentsObjects(list);
    Kasa::registerSendPluConfigObjects(list);
    registerSendPLUObjects(list);
    Dictionaries::registerVatRatesObjects(list);
    Labels::registerSesLabelsSenderObjects(list);
    Kasa::registerCheckCommunicationObjects(list);
    DailyTurnover::registerDailyTurnoverObjects(list);
    list.add(Core::registerInitializeModuleFunction({CORE_SRC_INFO("registerObjects"), initializeModule}));
}

void initializeModule() {
    const std::string name = Kasa::getCashRegisterModuleName();
    if (!name.empty()) Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance().load(name + ".dll");
}

}  // namespace Kolvenia

int DllEntryPoint(void* instance, unsigned long reason, void*) {
    return Core::moduleEntryPoint(instance, reason, Kolvenia::moduleRegistrations, Kolvenia::registerObjects);
}
