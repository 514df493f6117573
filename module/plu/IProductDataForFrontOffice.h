// One product as the device routes read it (scales, price checkers, labels), without
// knowing whether it comes from the PLU dataset or from another query.
#pragma once

#include <optional>
#include <string>

#include "core/Money.h"
#include "tools/Plu.h"

namespace Devices {

class IProductDataForFrontOffice {
public:
    virtual int getProductId() const = 0;
    virtual bool isWeighed() const = 0;
    virtual std::string getPluCode() const = 0;
    // The PLU code parsed; raises Plu::InvalidCode for text that is not a code.
    virtual Plu::TPlu getPlu() const = 0;
    virtual int getScaleSection() const = 0;
    virtual int getScalePluNumber() const = 0;
    virtual Core::Price getSalePrice() const = 0;
    virtual int getSaleUnit() const = 0;
    // Days the product keeps; empty when the product has no shelf life.
    virtual std::optional<int> getShelfLife() const = 0;
    // PLU state: 1 new, 2 ordinary, 3 to be deleted, 4 deleted.
    virtual int getPluStatus() const = 0;
    virtual int getActivityStatus() const = 0;
    virtual bool hasSeveralPrices() const = 0;
    virtual bool isMultiPriceElementSaleLocked() const = 0;
    virtual bool isLocallySaleBlocked() const = 0;
    virtual std::string getName() const = 0;
    virtual std::string getShortName() const = 0;
    virtual std::string getGroupIndex() const = 0;
    virtual int getProductType() const = 0;
    virtual bool hasIngredients() const = 0;
    virtual std::string getIngredients() const = 0;

    virtual ~IProductDataForFrontOffice() = default;
};

}  // namespace Devices
