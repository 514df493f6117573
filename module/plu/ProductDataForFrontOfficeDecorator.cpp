#include "plu/ProductDataForFrontOfficeDecorator.h"

#include "core/Errors.h"

namespace Devices {

ProductDataForFrontOfficeDecorator::ProductDataForFrontOfficeDecorator(
    std::shared_ptr<const IProductDataForFrontOffice> decorated)
    : decorated_(std::move(decorated)) {
    if (!decorated_)
        throw Core::PlacedLogicError("Brak dekorowanego obiektu danych towaru.",
                                     CORE_SRC_INFO("Devices::ProductDataForFrontOfficeDecorator"));
}

int ProductDataForFrontOfficeDecorator::getProductId() const { return decorated_->getProductId(); }

bool ProductDataForFrontOfficeDecorator::isWeighed() const { return decorated_->isWeighed(); }

std::string ProductDataForFrontOfficeDecorator::getPluCode() const { return decorated_->getPluCode(); }

Plu::TPlu ProductDataForFrontOfficeDecorator::getPlu() const { return decorated_->getPlu(); }

int ProductDataForFrontOfficeDecorator::getScaleSection() const { return decorated_->getScaleSection(); }

int ProductDataForFrontOfficeDecorator::getScalePluNumber() const { return decorated_->getScalePluNumber(); }

Core::Price ProductDataForFrontOfficeDecorator::getSalePrice() const { return decorated_->getSalePrice(); }

int ProductDataForFrontOfficeDecorator::getSaleUnit() const { return decorated_->getSaleUnit(); }

std::optional<int> ProductDataForFrontOfficeDecorator::getShelfLife() const { return decorated_->getShelfLife(); }

int ProductDataForFrontOfficeDecorator::getPluStatus() const { return decorated_->getPluStatus(); }

int ProductDataForFrontOfficeDecorator::getActivityStatus() const { return decorated_->getActivityStatus(); }

bool ProductDataForFrontOfficeDecorator::hasSeveralPrices() const { return decorated_->hasSeveralPrices(); }

bool ProductDataForFrontOfficeDecorator::isMultiPriceElementSaleLocked() const {
    return decorated_->isMultiPriceElementSaleLocked();
}

bool ProductDataForFrontOfficeDecorator::isLocallySaleBlocked() const { return decorated_->isLocallySaleBlocked(); }

std::string ProductDataForFrontOfficeDecorator::getName() const { return decorated_->getName(); }

std::string ProductDataForFrontOfficeDecorator::getShortName() const { return decorated_->getShortName(); }

std::string ProductDataForFrontOfficeDecorator::getGroupIndex() const { return decorated_->getGroupIndex(); }

int ProductDataForFrontOfficeDecorator::getProductType() const { return decorated_->getProductType(); }

bool ProductDataForFrontOfficeDecorator::hasIngredients() const { return decorated_->hasIngredients(); }

std::string ProductDataForFrontOfficeDecorator::getIngredients() const { return decorated_->getIngredients(); }

}  // namespace Devices
