// Module public face: plugins and other modules include this header; change it compatibly.
// The record of one PLU as it leaves the module for the cash-register communication
// and other modules' senders, with the enumerations and the refundation record it
// carries. Exported, header-only value classes: receivers read the getters and need
// no link to the module, nor to the dataset the record was built from.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "core/Money.h"

// The numeric values of these enumerations are the host's (the product and PLU
// columns they are read from); they pass through unchanged, named or not.
namespace Towar {
enum class Typ : int {
    Ordinary = 0,
    SplitBundle = 8,
};
namespace WeightType {
enum Type : int {};
}
}  // namespace Towar

namespace Plu::HandlingMethod {
enum Method : int {};
}

// Which article an online-sale restriction is checked on.
enum class OnlineSaleRestrictionCheck : int {
    Article = 0,
    GroupingArticle = 1,
};

enum class ExportedPluStatus : int {
    Send = 1,
    Remove = 3,
};

namespace Devices {

// The purchase price a promotion refundation is computed from, and where it came from.
struct PromotionRefundation {
    enum class Source : int {
        RefundedSupplierConditions = 1,
        LastSupply = 2,
        PredictedPrice = 3,
    };

    Core::Decimal<4> purchasePrice;
    std::optional<int> startDay;  // day number from which the price holds
    Source source = Source::RefundedSupplierConditions;

    friend bool operator==(const PromotionRefundation&, const PromotionRefundation&) = default;
};

using OptPromotionRefundation = std::optional<PromotionRefundation>;

}  // namespace Devices

namespace Kolvenia {

// Optional fields are empty where the database holds NULL; every other field starts
// at zero, false or empty until its setter is called.
class ExportedPlu {
public:
    Towar::Typ getArticleType() const { return articleType_; }
    void setArticleType(Towar::Typ value) { articleType_ = value; }
    ExportedPluStatus getStatus() const { return status_; }
    void setStatus(ExportedPluStatus value) { status_ = value; }
    std::string getPluCode() const { return pluCode_; }
    void setPluCode(const std::string& value) { pluCode_ = value; }
    std::string getArticleShortName() const { return articleShortName_; }
    void setArticleShortName(const std::string& value) { articleShortName_ = value; }
    std::string getArticleIndex() const { return articleIndex_; }
    void setArticleIndex(const std::string& value) { articleIndex_ = value; }
    std::string getArticleName() const { return articleName_; }
    void setArticleName(const std::string& value) { articleName_ = value; }
    unsigned getVatRate() const { return vatRate_; }
    void setVatRate(unsigned value) { vatRate_ = value; }
    std::string getGroupIndex() const { return groupIndex_; }
    void setGroupIndex(const std::string& value) { groupIndex_ = value; }
    bool getDiscountable() const { return discountable_; }
    void setDiscountable(bool value) { discountable_ = value; }
    std::optional<int> getAlternativeVatRate() const { return alternativeVatRate_; }
    void setAlternativeVatRate(std::optional<int> value) { alternativeVatRate_ = value; }
    std::optional<int> getDutyFreeZoneRestrictions() const { return dutyFreeZoneRestrictions_; }
    void setDutyFreeZoneRestrictions(std::optional<int> value) { dutyFreeZoneRestrictions_ = value; }
    std::optional<int> getDutyFreeZoneVatRatesHandling() const { return dutyFreeZoneVatRatesHandling_; }
    void setDutyFreeZoneVatRatesHandling(std::optional<int> value) { dutyFreeZoneVatRatesHandling_ = value; }
    std::string getFinancialTransactionTypeGuid() const { return financialTransactionTypeGuid_; }
    void setFinancialTransactionTypeGuid(const std::string& value) { financialTransactionTypeGuid_ = value; }
    std::string getFinancialTransactionDefinition() const { return financialTransactionDefinition_; }
    void setFinancialTransactionDefinition(const std::string& value) { financialTransactionDefinition_ = value; }
    std::set<std::string> getAutomaticDiscounts() const { return automaticDiscounts_; }
    void setAutomaticDiscounts(const std::set<std::string>& value) { automaticDiscounts_ = value; }
    std::string getKitchenPrintoutLocation() const { return kitchenPrintoutLocation_; }
    void setKitchenPrintountLocation(const std::string& value) { kitchenPrintoutLocation_ = value; }
    Plu::HandlingMethod::Method getHandlingMethod() const { return handlingMethod_; }
    void setHandlingMethod(Plu::HandlingMethod::Method value) { handlingMethod_ = value; }
    unsigned getPackageCount() const { return packageCount_; }
    void setPackageCount(unsigned value) { packageCount_ = value; }
    std::string getPackagePluCode() const { return packagePluCode_; }
    void setPackagePluCode(const std::string& value) { packagePluCode_ = value; }
    std::optional<unsigned> getId() const { return id_; }
    void setId(std::optional<unsigned> value) { id_ = value; }
    bool getOpenPrice() const { return openPrice_; }
    void setOpenPrice(bool value) { openPrice_ = value; }
    bool getMultiEditions() const { return multiEditions_; }
    void setMultiEditions(bool value) { multiEditions_ = value; }
    unsigned getSellMeasurementUnit() const { return sellMeasurementUnit_; }
    void setSellMeasurementUnit(unsigned value) { sellMeasurementUnit_ = value; }
    std::optional<Towar::WeightType::Type> getWeightType() const { return weightType_; }
    void setWeightType(std::optional<Towar::WeightType::Type> value) { weightType_ = value; }
    std::optional<unsigned> getPurchaseAgeLimit() const { return purchaseAgeLimit_; }
    void setPurchaseAgeLimit(std::optional<unsigned> value) { purchaseAgeLimit_ = value; }
    std::optional<unsigned> getSaleAgeLimit() const { return saleAgeLimit_; }
    void setSaleAgeLimit(std::optional<unsigned> value) { saleAgeLimit_ = value; }
    std::optional<bool> getIncreasedRisk() const { return increasedRisk_; }
    void setIncreasedRisk(std::optional<bool> value) { increasedRisk_ = value; }
    std::optional<bool> getSelfServiceNotAllowed() const { return selfServiceNotAllowed_; }
    void setSelfServiceNotAllowed(std::optional<bool> value) { selfServiceNotAllowed_ = value; }
    std::optional<unsigned> getWeightTolerance() const { return weightTolerance_; }
    void setWeightTolerance(std::optional<unsigned> value) { weightTolerance_ = value; }
    std::optional<unsigned> getSecurityWeight() const { return securityWeight_; }
    void setSecurityWeight(std::optional<unsigned> value) { securityWeight_ = value; }
    std::optional<unsigned> getGroupingArticleId() const { return groupingArticleId_; }
    void setGroupingArticleId(std::optional<unsigned> value) { groupingArticleId_ = value; }
    std::optional<int> getOnSiteVatRateId() const { return onSiteVatRateId_; }
    void setOnSiteVatRateId(std::optional<int> value) { onSiteVatRateId_ = value; }
    std::optional<int> getVatSplittableProductId() const { return vatSplittableProductId_; }
    void setVatSplittableProductId(std::optional<int> value) { vatSplittableProductId_ = value; }
    std::optional<double> getVatSplittableValuePercentage() const { return vatSplittableValuePercentage_; }
    void setVatSplittableValuePercentage(std::optional<double> value) { vatSplittableValuePercentage_ = value; }
    bool getWeighted() const { return weighted_; }
    void setWeighted(bool value) { weighted_ = value; }
    std::optional<double> getDiscount() const { return discount_; }
    void setDiscount(std::optional<double> value) { discount_ = value; }
    std::optional<double> getBaseUnitInMeasureUnit() const { return baseUnitInMeasureUnit_; }
    void setBaseUnitInMeasureUnit(std::optional<double> value) { baseUnitInMeasureUnit_ = value; }
    std::string getCompositionLinks() const { return compositionLinks_; }
    void setCompositionLinks(const std::string& value) { compositionLinks_ = value; }
    double getSellPrice() const { return sellPrice_; }
    void setSellPrice(double value) { sellPrice_ = value; }
    std::string getPKWiU() const { return pkwiu_; }
    void setPKWiU(const std::string& value) { pkwiu_ = value; }
    OnlineSaleRestrictionCheck getOnlineSaleRestrictionCheck() const { return onlineSaleRestrictionCheck_; }
    void setOnlineSaleRestrictionCheck(OnlineSaleRestrictionCheck value) { onlineSaleRestrictionCheck_ = value; }
    Devices::OptPromotionRefundation getPromotionRefundation() const { return promotionRefundation_; }
    void setPromotionRefundation(const Devices::OptPromotionRefundation& value) { promotionRefundation_ = value; }
    std::optional<std::int64_t> getSimplifiedPromotionId() const { return simplifiedPromotionId_; }
    void setSimplifiedPromotionId(std::optional<std::int64_t> value) { simplifiedPromotionId_ = value; }
    std::string getAlternativePricesXml() const { return alternativePricesXml_; }
    void setAlternativePricesXml(const std::string& value) { alternativePricesXml_ = value; }
    bool getAlternativePricesAllowed() const { return alternativePricesAllowed_; }
    void setAlternativePricesAllowed(bool value) { alternativePricesAllowed_ = value; }

    void cloneFields(const ExportedPlu& other) { *this = other; }
    // Field by field: a field added above is compared without being listed here.
    friend bool operator==(const ExportedPlu&, const ExportedPlu&) = default;

private:
    Towar::Typ articleType_{};
    ExportedPluStatus status_{};
    std::string pluCode_;
    std::string articleShortName_;
    std::string articleIndex_;
    std::string articleName_;
    unsigned vatRate_ = 0;
    std::string groupIndex_;
    bool discountable_ = false;
    std::optional<int> alternativeVatRate_;
    std::optional<int> dutyFreeZoneRestrictions_;
    std::optional<int> dutyFreeZoneVatRatesHandling_;
    std::string financialTransactionTypeGuid_;
    std::string financialTransactionDefinition_;
    std::set<std::string> automaticDiscounts_;
    std::string kitchenPrintoutLocation_;
    Plu::HandlingMethod::Method handlingMethod_{};
    unsigned packageCount_ = 0;
    std::string packagePluCode_;
    std::optional<unsigned> id_;
    bool openPrice_ = false;
    bool multiEditions_ = false;
    unsigned sellMeasurementUnit_ = 0;
    std::optional<Towar::WeightType::Type> weightType_;
    std::optional<unsigned> purchaseAgeLimit_;
    std::optional<unsigned> saleAgeLimit_;
    std::optional<bool> increasedRisk_;
    std::optional<bool> selfServiceNotAllowed_;
    std::optional<unsigned> weightTolerance_;
    std::optional<unsigned> securityWeight_;
    std::optional<unsigned> groupingArticleId_;
    std::optional<int> onSiteVatRateId_;
    std::optional<int> vatSplittableProductId_;
    std::optional<double> vatSplittableValuePercentage_;
    bool weighted_ = false;
    std::optional<double> discount_;
    std::optional<double> baseUnitInMeasureUnit_;
    std::string compositionLinks_;
    double sellPrice_ = 0.0;
    std::string pkwiu_;
    OnlineSaleRestrictionCheck onlineSaleRestrictionCheck_{};
    Devices::OptPromotionRefundation promotionRefundation_;
    std::optional<std::int64_t> simplifiedPromotionId_;
    std::string alternativePricesXml_;
    bool alternativePricesAllowed_ = false;
};

}  // namespace Kolvenia
