// Answers every question through another product record. Derive from it to change a
// few answers and keep the rest (a scale route sends a product's old scale number as
// a deletion this way).
#pragma once

#include <memory>

#include "plu/IProductDataForFrontOffice.h"

namespace Devices {

class ProductDataForFrontOfficeDecorator : public IProductDataForFrontOffice {
public:
    explicit ProductDataForFrontOfficeDecorator(std::shared_ptr<const IProductDataForFrontOffice> decorated);

    int getProductId() const override;
    bool isWeighed() const override;
    std::string getPluCode() const override;
    Plu::TPlu getPlu() const override;
    int getScaleSection() const override;
    int getScalePluNumber() const override;
    Core::Price getSalePrice() const override;
    int getSaleUnit() const override;
    std::optional<int> getShelfLife() const override;
    int getPluStatus() const override;
    int getActivityStatus() const override;
    bool hasSeveralPrices() const override;
    bool isMultiPriceElementSaleLocked() const override;
    bool isLocallySaleBlocked() const override;
    std::string getName() const override;
    std::string getShortName() const override;
    std::string getGroupIndex() const override;
    int getProductType() const override;
    bool hasIngredients() const override;
    std::string getIngredients() const override;

private:
    std::shared_ptr<const IProductDataForFrontOffice> decorated_;
};

}  // namespace Devices
