// One record of the SES label system: a label with prices, unit data, supplier,
// promotion dates and stock, or the removal of a label. Fields start empty, zero or
// false until set.
#pragma once

#include <optional>
#include <string>

namespace Labels {

// Host contract: the label entities library's SES label.
class SesLabel {
public:
    enum class Action : int { Label = 1, Removal = 2 };
    // The label system's units of measure; the numbers are its own.
    enum class Unit : int { None = 0, Kilogram = 1, Litre = 2, Metre = 3, SquareMetre = 4 };

    const std::optional<unsigned>& getId() const { return id_; }
    void setId(std::optional<unsigned> value) { id_ = value; }
    Action getAction() const { return action_; }
    void setAction(Action value) { action_ = value; }
    const std::string& getEan() const { return ean_; }
    void setEan(const std::string& value) { ean_ = value; }
    double getPrice() const { return price_; }
    void setPrice(double value) { price_ = value; }
    const std::string& getProductLabel() const { return productLabel_; }
    void setProductLabel(const std::string& value) { productLabel_ = value; }
    double getPricePerUnitOfMeasure() const { return pricePerUnitOfMeasure_; }
    void setPricePerUnitOfMeasure(double value) { pricePerUnitOfMeasure_ = value; }
    Unit getUnitOfMeasure() const { return unitOfMeasure_; }
    void setUnitOfMeasure(Unit value) { unitOfMeasure_ = value; }
    double getEcoTax() const { return ecoTax_; }
    void setEcoTax(double value) { ecoTax_ = value; }
    bool getEcoTaxFlag() const { return ecoTaxFlag_; }
    void setEcoTaxFlag(bool value) { ecoTaxFlag_ = value; }
    double getPackagingUnitPrice() const { return packagingUnitPrice_; }
    void setPackagingUnitPrice(double value) { packagingUnitPrice_ = value; }
    bool getPromotionFlag() const { return promotionFlag_; }
    void setPromotionFlag(bool value) { promotionFlag_ = value; }
    double getOldPrice() const { return oldPrice_; }
    void setOldPrice(double value) { oldPrice_ = value; }
    double getWeightAndMeasures() const { return weightAndMeasures_; }
    void setWeightAndMeasures(double value) { weightAndMeasures_ = value; }
    const std::string& getSupplierCode() const { return supplierCode_; }
    void setSupplierCode(const std::string& value) { supplierCode_ = value; }
    const std::string& getSupplierName() const { return supplierName_; }
    void setSupplierName(const std::string& value) { supplierName_ = value; }
    double getLoyaltyPoints() const { return loyaltyPoints_; }
    void setLoyaltyPoints(double value) { loyaltyPoints_ = value; }
    const std::string& getProductBrandLabel() const { return productBrandLabel_; }
    void setProductBrandLabel(const std::string& value) { productBrandLabel_ = value; }
    int getPromotionBeginningDate() const { return promotionBeginningDate_; }
    void setPromotionBeginningDate(int value) { promotionBeginningDate_ = value; }
    int getPromotionEndDate() const { return promotionEndDate_; }
    void setPromotionEndDate(int value) { promotionEndDate_ = value; }
    double getDeposit() const { return deposit_; }
    void setDeposit(double value) { deposit_ = value; }
    double getStock() const { return stock_; }
    void setStock(double value) { stock_ = value; }

private:
    std::optional<unsigned> id_;
    Action action_ = Action::Label;
    std::string ean_;
    double price_ = 0.0;
    std::string productLabel_;
    double pricePerUnitOfMeasure_ = 0.0;
    Unit unitOfMeasure_ = Unit::None;
    double ecoTax_ = 0.0;
    bool ecoTaxFlag_ = false;
    double packagingUnitPrice_ = 0.0;
    bool promotionFlag_ = false;
    double oldPrice_ = 0.0;
    double weightAndMeasures_ = 0.0;
    std::string supplierCode_;
    std::string supplierName_;
    double loyaltyPoints_ = 0.0;
    std::string productBrandLabel_;
    int promotionBeginningDate_ = 0;
    int promotionEndDate_ = 0;
    double deposit_ = 0.0;
    double stock_ = 0.0;
};

}  // namespace Labels
