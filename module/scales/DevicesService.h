// What every device sender asks: which devices exist, whether a PLU is to be deleted
// from the devices instead of loaded, and the usage period a scale prints for a
// product without one of its own.
#pragma once

#include <memory>
#include <optional>

#include "business/ProductActivityStatuses.h"
#include "devicedefs/UrzadzenieCollection.h"
#include "external/PLUSenderArgs.h"
#include "plu/IProductDataForFrontOffice.h"

namespace Devices {

// The settings the rules read.
class IDevicesServiceConfig {
public:
    virtual ~IDevicesServiceConfig() = default;
    virtual bool isProductAddingLockOn() const = 0;
    virtual bool isProductTypeLockedForDevices(int productType) const = 0;
    virtual bool isSaleAllowedForActivityStatus(int activityStatus) const = 0;
    virtual std::optional<int> getDefaultProductUsagePeriod(TSessionHolder session, int deviceReference) const = 0;
    virtual bool isSplittableVatSaleOnSiteAllowed() const = 0;
};
using IDevicesServiceConfigPtr = std::shared_ptr<IDevicesServiceConfig>;

// Over the configuration tree ("Parametry programu" -> "Blokada dodawania towarów"),
// the device parameters (133: usage period) and the host's business library.
class DefaultDevicesServiceConfig : public IDevicesServiceConfig {
public:
    bool isProductAddingLockOn() const override;
    bool isProductTypeLockedForDevices(int productType) const override;
    bool isSaleAllowedForActivityStatus(int activityStatus) const override;
    std::optional<int> getDefaultProductUsagePeriod(TSessionHolder session, int deviceReference) const override;
    bool isSplittableVatSaleOnSiteAllowed() const override;

    static constexpr int UsagePeriodParameter = 133;

private:
    // Asked for every record: the dictionary is read once, on first use.
    mutable std::optional<Core::ProductActivityStatuses> activityStatuses_;
};

class DevicesService : public IPluDeletionPredicate {
public:
    DevicesService();
    explicit DevicesService(IDevicesServiceConfigPtr config);

    // The first rule that holds decides: state 3 or 4; a multi-price product whose
    // element sale is locked; the product-adding lock with the product's type locked;
    // an activity status that blocks sale; a local sale block.
    virtual bool isPluToBeDeletedFromDevices(const IProductDataForFrontOffice& product) const;
    // The usage period of parameter 133 of the device, read in a fresh session.
    virtual std::optional<int> getDefaultProductUsagePeriodForScale(int deviceReference) const;
    // All devices; null when there are none.
    virtual TUrzadzenieCollectionPtr getDeviceCollection() const;

    // The current row of a PLU dataset.
    bool isPluToBeDeletedFromDevices(Db::TDataSet* record) const;
    bool isToBeDeleted(Db::TDataSet& record) const override { return isPluToBeDeletedFromDevices(&record); }

private:
    IDevicesServiceConfigPtr config_;
};

}  // namespace Devices
