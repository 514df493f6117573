#include "scales/DevicesService.h"

#include "business/CompanyDirectory.h"
#include "devicedefs/Kolekcje.h"
#include "frame/Configuration.h"
#include "frame/params/DeviceParams.h"
#include "plu/ProductDataForFrontOfficeFromDataSet.h"
#include "tools/PluStatus.h"

namespace Devices {

namespace {
constexpr const char* ProgramParameters = "Parametry programu";
constexpr const char* ProductAddingLock = "Blokada dodawania towarów";
}  // namespace

bool DefaultDevicesServiceConfig::isProductAddingLockOn() const {
    return Kolvenia::Config::key({ProgramParameters, ProductAddingLock}).GetVal<bool>();
}

bool DefaultDevicesServiceConfig::isProductTypeLockedForDevices(int productType) const {
    auto devices = Kolvenia::Config::findKey({ProgramParameters, ProductAddingLock, "Urządzenia"});
    auto type = devices ? devices->FindKey(std::to_string(productType)) : std::nullopt;
    return type && type->GetVal<bool>();
}

bool DefaultDevicesServiceConfig::isSaleAllowedForActivityStatus(int activityStatus) const {
    if (!activityStatuses_) activityStatuses_.emplace();
    return !activityStatuses_->findStatus(activityStatus).isSaleBlocked();
}

std::optional<int> DefaultDevicesServiceConfig::getDefaultProductUsagePeriod(TSessionHolder session,
                                                                             int deviceReference) const {
    return Kolvenia::queryIntParam(std::move(session), deviceReference, UsagePeriodParameter);
}

bool DefaultDevicesServiceConfig::isSplittableVatSaleOnSiteAllowed() const {
    return Business::CompanyDirectory().ownCompany().getSplittableVatSaleOnSiteAllowed();
}

DevicesService::DevicesService() : DevicesService(std::make_shared<DefaultDevicesServiceConfig>()) {}

DevicesService::DevicesService(IDevicesServiceConfigPtr config) : config_(std::move(config)) {}

bool DevicesService::isPluToBeDeletedFromDevices(const IProductDataForFrontOffice& product) const {
    const int status = product.getPluStatus();
    if (status == Plu::Status::ToDelete || status == Plu::Status::Deleted) return true;
    if (product.hasSeveralPrices() && product.isMultiPriceElementSaleLocked()) return true;
    if (config_->isProductAddingLockOn() && config_->isProductTypeLockedForDevices(product.getProductType()))
        return true;
    if (!config_->isSaleAllowedForActivityStatus(product.getActivityStatus())) return true;
    return product.isLocallySaleBlocked();
}

std::optional<int> DevicesService::getDefaultProductUsagePeriodForScale(int deviceReference) const {
    return config_->getDefaultProductUsagePeriod(TSessionHolder(true), deviceReference);
}

TUrzadzenieCollectionPtr DevicesService::getDeviceCollection() const { return Kolvenia::kolekcjaUrzadzen(); }

bool DevicesService::isPluToBeDeletedFromDevices(Db::TDataSet* record) const {
    return isPluToBeDeletedFromDevices(ProductDataForFrontOfficeFromDataSet(*record));
}

}  // namespace Devices
