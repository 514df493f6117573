// The current row of a dataset with the PLU dataset's column names, read by name each
// time a value is asked for, so one object follows the dataset as it moves.
#pragma once

#include <string_view>

#include "db/DataSet.h"
#include "plu/IProductDataForFrontOffice.h"

namespace Devices {

class ProductDataForFrontOfficeFromDataSet : public IProductDataForFrontOffice {
public:
    // The dataset is not owned and must outlive this object.
    explicit ProductDataForFrontOfficeFromDataSet(Db::TDataSet& dataSet) : dataSet_(dataSet) {}

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
    Db::TDataSet& dataSet_;
};

}  // namespace Devices
