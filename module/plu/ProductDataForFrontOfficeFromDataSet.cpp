#include "plu/ProductDataForFrontOfficeFromDataSet.h"

namespace Devices {

int ProductDataForFrontOfficeFromDataSet::getProductId() const { return integer("lTowarRef"); }

bool ProductDataForFrontOfficeFromDataSet::isWeighed() const { return flag("bWagowy"); }

std::string ProductDataForFrontOfficeFromDataSet::getPluCode() const { return text("sPLU"); }

Plu::TPlu ProductDataForFrontOfficeFromDataSet::getPlu() const { return Plu::TPlu(getPluCode()); }

int ProductDataForFrontOfficeFromDataSet::getScaleSection() const { return integer("nWagaSekcja"); }

int ProductDataForFrontOfficeFromDataSet::getScalePluNumber() const { return integer("nWagaPLU"); }

Core::Price ProductDataForFrontOfficeFromDataSet::getSalePrice() const {
    return Core::Price::fromDouble(field("dCenaSprzed").AsFloat());
}

int ProductDataForFrontOfficeFromDataSet::getSaleUnit() const { return integer("nJmSprz"); }

std::optional<int> ProductDataForFrontOfficeFromDataSet::getShelfLife() const {
    const Db::TField& shelfLife = field("nOkresPrzydatnosci");
    if (shelfLife.IsNull()) return std::nullopt;
    return shelfLife.AsInteger();
}

int ProductDataForFrontOfficeFromDataSet::getPluStatus() const { return integer("byStatus"); }

int ProductDataForFrontOfficeFromDataSet::getActivityStatus() const { return integer("nStatusAktywnosci"); }

bool ProductDataForFrontOfficeFromDataSet::hasSeveralPrices() const { return flag("bWieleCen"); }

bool ProductDataForFrontOfficeFromDataSet::isMultiPriceElementSaleLocked() const {
    return flag("multiPriceElementSaleLocked");
}

bool ProductDataForFrontOfficeFromDataSet::isLocallySaleBlocked() const { return flag("locallySaleBlocked"); }

std::string ProductDataForFrontOfficeFromDataSet::getName() const { return text("sNazwa"); }

std::string ProductDataForFrontOfficeFromDataSet::getShortName() const { return text("sKrNazwa"); }

std::string ProductDataForFrontOfficeFromDataSet::getGroupIndex() const { return text("sGrIndex"); }

int ProductDataForFrontOfficeFromDataSet::getProductType() const { return integer("byTyp"); }

bool ProductDataForFrontOfficeFromDataSet::hasIngredients() const { return !field("sSklad").IsNull(); }

std::string ProductDataForFrontOfficeFromDataSet::getIngredients() const { return text("sSklad"); }

}  // namespace Devices
