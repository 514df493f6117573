#include "plu/ProductDataForFrontOfficeFromDataSet.h"

#include "plu/RowValues.h"

namespace Devices {

using PluTransmission::flag;
using PluTransmission::integer;
using PluTransmission::text;

int ProductDataForFrontOfficeFromDataSet::getProductId() const { return integer(dataSet_, "lTowarRef"); }

bool ProductDataForFrontOfficeFromDataSet::isWeighed() const { return flag(dataSet_, "bWagowy"); }

std::string ProductDataForFrontOfficeFromDataSet::getPluCode() const { return text(dataSet_, "sPLU"); }

Plu::TPlu ProductDataForFrontOfficeFromDataSet::getPlu() const { return Plu::TPlu(getPluCode()); }

int ProductDataForFrontOfficeFromDataSet::getScaleSection() const { return integer(dataSet_, "nWagaSekcja"); }

int ProductDataForFrontOfficeFromDataSet::getScalePluNumber() const { return integer(dataSet_, "nWagaPLU"); }

Core::Price ProductDataForFrontOfficeFromDataSet::getSalePrice() const {
    return Core::Price::fromDouble(dataSet_.FieldByName("dCenaSprzed").AsFloat());
}

int ProductDataForFrontOfficeFromDataSet::getSaleUnit() const { return integer(dataSet_, "nJmSprz"); }

std::optional<int> ProductDataForFrontOfficeFromDataSet::getShelfLife() const {
    return PluTransmission::optionalInt(dataSet_, "nOkresPrzydatnosci");
}

int ProductDataForFrontOfficeFromDataSet::getPluStatus() const { return integer(dataSet_, "byStatus"); }

int ProductDataForFrontOfficeFromDataSet::getActivityStatus() const { return integer(dataSet_, "nStatusAktywnosci"); }

bool ProductDataForFrontOfficeFromDataSet::hasSeveralPrices() const { return flag(dataSet_, "bWieleCen"); }

bool ProductDataForFrontOfficeFromDataSet::isMultiPriceElementSaleLocked() const {
    return flag(dataSet_, "multiPriceElementSaleLocked");
}

bool ProductDataForFrontOfficeFromDataSet::isLocallySaleBlocked() const { return flag(dataSet_, "locallySaleBlocked"); }

std::string ProductDataForFrontOfficeFromDataSet::getName() const { return text(dataSet_, "sNazwa"); }

std::string ProductDataForFrontOfficeFromDataSet::getShortName() const { return text(dataSet_, "sKrNazwa"); }

std::string ProductDataForFrontOfficeFromDataSet::getGroupIndex() const { return text(dataSet_, "sGrIndex"); }

int ProductDataForFrontOfficeFromDataSet::getProductType() const { return integer(dataSet_, "byTyp"); }

bool ProductDataForFrontOfficeFromDataSet::hasIngredients() const { return !dataSet_.FieldByName("sSklad").IsNull(); }

std::string ProductDataForFrontOfficeFromDataSet::getIngredients() const { return text(dataSet_, "sSklad"); }

}  // namespace Devices
