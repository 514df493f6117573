// One record of the electronic shelf label system: the label a PLU code shows, or its
// removal. Fields start empty, zero or false until set.
#pragma once

#include <optional>
#include <string>

namespace Labels {

// Host contract: the label entities library's electronic label.
class Label {
public:
    // What the label system does with the record.
    enum Operation : int { Show = 1, Remove = 2 };

    const std::string& getPluCode() const { return pluCode_; }
    void setPluCode(const std::string& value) { pluCode_ = value; }
    int getOperation() const { return operation_; }
    void setOperation(int value) { operation_ = value; }
    const std::string& getDescription() const { return description_; }
    void setDescription(const std::string& value) { description_ = value; }
    const std::string& getBrand() const { return brand_; }
    void setBrand(const std::string& value) { brand_ = value; }
    const std::string& getProductIndex() const { return productIndex_; }
    void setProductIndex(const std::string& value) { productIndex_ = value; }
    const std::string& getGroupIndex() const { return groupIndex_; }
    void setGroupIndex(const std::string& value) { groupIndex_ = value; }
    bool getPromotion() const { return promotion_; }
    void setPromotion(bool value) { promotion_ = value; }
    int getUnitOfMeasure() const { return unitOfMeasure_; }
    void setUnitOfMeasure(int value) { unitOfMeasure_ = value; }
    double getSellingPrice() const { return sellingPrice_; }
    void setSellingPrice(double value) { sellingPrice_ = value; }
    double getPricePerUnitOfMeasure() const { return pricePerUnitOfMeasure_; }
    void setPricePerUnitOfMeasure(double value) { pricePerUnitOfMeasure_ = value; }
    const std::optional<double>& getPreviousPrice() const { return previousPrice_; }
    void setPreviousPrice(std::optional<double> value) { previousPrice_ = value; }

private:
    std::string pluCode_;
    int operation_ = 0;
    std::string description_;
    std::string brand_;
    std::string productIndex_;
    std::string groupIndex_;
    bool promotion_ = false;
    int unitOfMeasure_ = 0;
    double sellingPrice_ = 0.0;
    double pricePerUnitOfMeasure_ = 0.0;
    std::optional<double> previousPrice_;
};

}  // namespace Labels
