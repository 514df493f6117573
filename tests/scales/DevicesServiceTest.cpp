#include <gtest/gtest.h>

#include <map>

#include "config/Setup.h"
#include "core/Singleton.h"
#include "scales/DevicesService.h"

namespace {

// A product as the rules see it; every value set by the test.
struct Product : Devices::IProductDataForFrontOffice {
    int status = 2;
    bool severalPrices = false;
    bool elementSaleLocked = false;
    int type = 1;
    int activity = 1;
    bool locallyBlocked = false;

    int getProductId() const override { return 7; }
    bool isWeighed() const override { return false; }
    std::string getPluCode() const override { return "5901234123457"; }
    Plu::TPlu getPlu() const override { return Plu::TPlu(getPluCode()); }
    int getScaleSection() const override { return 0; }
    int getScalePluNumber() const override { return 0; }
    Core::Price getSalePrice() const override { return Core::Price::fromDouble(1.0); }
    int getSaleUnit() const override { return 1; }
    std::optional<int> getShelfLife() const override { return std::nullopt; }
    int getPluStatus() const override { return status; }
    int getActivityStatus() const override { return activity; }
    bool hasSeveralPrices() const override { return severalPrices; }
    bool isMultiPriceElementSaleLocked() const override { return elementSaleLocked; }
    bool isLocallySaleBlocked() const override { return locallyBlocked; }
    std::string getName() const override { return "Chleb"; }
    std::string getShortName() const override { return "Chleb"; }
    std::string getGroupIndex() const override { return "01"; }
    int getProductType() const override { return type; }
    bool hasIngredients() const override { return false; }
    std::string getIngredients() const override { return {}; }
};

// The settings as a shop would have them, held in memory.
struct Settings : Devices::IDevicesServiceConfig {
    bool addingLock = false;
    std::map<int, bool> lockedTypes;
    std::map<int, bool> saleBlockedStatuses;

    bool isProductAddingLockOn() const override { return addingLock; }
    bool isProductTypeLockedForDevices(int productType) const override {
        auto it = lockedTypes.find(productType);
        return it != lockedTypes.end() && it->second;
    }
    bool isSaleAllowedForActivityStatus(int activityStatus) const override {
        auto it = saleBlockedStatuses.find(activityStatus);
        return it == saleBlockedStatuses.end() || !it->second;
    }
    std::optional<int> getDefaultProductUsagePeriod(TSessionHolder, int) const override { return std::nullopt; }
    bool isSplittableVatSaleOnSiteAllowed() const override { return false; }
};

class DeletionRules : public ::testing::Test {
protected:
    std::shared_ptr<Settings> settings = std::make_shared<Settings>();
    Devices::DevicesService service{settings};
    Product product;

    bool deleted() const { return service.isPluToBeDeletedFromDevices(product); }
};

}  // namespace

TEST_F(DeletionRules, AnOrdinaryProductIsLoaded) { EXPECT_FALSE(deleted()); }

TEST_F(DeletionRules, StatesToBeDeletedAndDeletedWinOverEverything) {
    for (int status : {3, 4}) {
        product.status = status;
        EXPECT_TRUE(deleted()) << status;
    }
    product.status = 1;
    EXPECT_FALSE(deleted());
}

TEST_F(DeletionRules, MultiPriceProductsGoOnlyWhenTheirElementSaleIsLocked) {
    product.severalPrices = true;
    EXPECT_FALSE(deleted());
    product.elementSaleLocked = true;
    EXPECT_TRUE(deleted());
    product.severalPrices = false;
    EXPECT_FALSE(deleted());  // the element lock means nothing for a single-price product
}

TEST_F(DeletionRules, LockedTypesGoOnlyWhileTheAddingLockIsOn) {
    product.type = 5;
    settings->lockedTypes[5] = true;
    EXPECT_FALSE(deleted());
    settings->addingLock = true;
    EXPECT_TRUE(deleted());
    product.type = 6;  // no sub-key for this type
    EXPECT_FALSE(deleted());
}

TEST_F(DeletionRules, SaleBlockingActivityStatusAndLocalBlockDelete) {
    settings->saleBlockedStatuses[9] = true;
    product.activity = 9;
    EXPECT_TRUE(deleted());
    product.activity = 1;
    product.locallyBlocked = true;
    EXPECT_TRUE(deleted());
}

TEST(DefaultDevicesServiceConfig, ReadsTheLockAndTheTypeSubKeys) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\">"
        "<key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"true\">"
        "<key name=\"Urządzenia\"><key name=\"5\" type=\"bool\" value=\"true\"/><key name=\"6\" type=\"bool\" value=\"false\"/></key>"
        "</key></key></configuration>");
    Devices::DefaultDevicesServiceConfig config;
    EXPECT_TRUE(config.isProductAddingLockOn());
    EXPECT_TRUE(config.isProductTypeLockedForDevices(5));
    EXPECT_FALSE(config.isProductTypeLockedForDevices(6));
    EXPECT_FALSE(config.isProductTypeLockedForDevices(7));

    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString("<configuration/>");
    EXPECT_THROW(config.isProductAddingLockOn(), std::logic_error);  // a required switch
    EXPECT_FALSE(config.isProductTypeLockedForDevices(5));
}
