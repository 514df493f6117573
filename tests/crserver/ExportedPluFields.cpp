#include "ExportedPluFields.h"

namespace CrServerTest {

namespace {

using Kolvenia::ExportedPlu;

template <class T, class Param>
PluField field(std::string name, T (ExportedPlu::*get)() const, void (ExportedPlu::*set)(Param), T first, T second) {
    return {std::move(name), [=](ExportedPlu& plu, bool useSecond) { (plu.*set)(useSecond ? second : first); },
            [=](const ExportedPlu& plu, bool useSecond) { return (plu.*get)() == (useSecond ? second : first); }};
}

Devices::PromotionRefundation refundation(std::int64_t units, std::optional<int> startDay,
                                          Devices::PromotionRefundation::Source source) {
    return {Core::Decimal<4>::fromUnits(units), startDay, source};
}

std::vector<PluField> makeFields() {
    using Source = Devices::PromotionRefundation::Source;
    return {
        field("articleType", &ExportedPlu::getArticleType, &ExportedPlu::setArticleType, Towar::Typ::SplitBundle,
              Towar::Typ{3}),
        field("status", &ExportedPlu::getStatus, &ExportedPlu::setStatus, ExportedPluStatus::Remove,
              ExportedPluStatus::Send),
        field("pluCode", &ExportedPlu::getPluCode, &ExportedPlu::setPluCode, std::string("5901234123457"),
              std::string("2000017")),
        field("articleShortName", &ExportedPlu::getArticleShortName, &ExportedPlu::setArticleShortName,
              std::string("Żółty ser"), std::string("Ser")),
        field("articleIndex", &ExportedPlu::getArticleIndex, &ExportedPlu::setArticleIndex, std::string("IDX-001"),
              std::string("IDX-002")),
        field("articleName", &ExportedPlu::getArticleName, &ExportedPlu::setArticleName,
              std::string("Ser żółty „Gouda” <plastry> & co"), std::string("Ser biały")),
        field("vatRate", &ExportedPlu::getVatRate, &ExportedPlu::setVatRate, 23u, 8u),
        field("groupIndex", &ExportedPlu::getGroupIndex, &ExportedPlu::setGroupIndex, std::string("NABIAŁ"),
              std::string("PIECZYWO")),
        field("discountable", &ExportedPlu::getDiscountable, &ExportedPlu::setDiscountable, true, false),
        field("alternativeVatRate", &ExportedPlu::getAlternativeVatRate, &ExportedPlu::setAlternativeVatRate,
              std::optional<int>(5), std::optional<int>(0)),
        field("dutyFreeZoneRestrictions", &ExportedPlu::getDutyFreeZoneRestrictions,
              &ExportedPlu::setDutyFreeZoneRestrictions, std::optional<int>(2), std::optional<int>(-1)),
        field("dutyFreeZoneVatRatesHandling", &ExportedPlu::getDutyFreeZoneVatRatesHandling,
              &ExportedPlu::setDutyFreeZoneVatRatesHandling, std::optional<int>(7), std::optional<int>()),
        field("financialTransactionTypeGuid", &ExportedPlu::getFinancialTransactionTypeGuid,
              &ExportedPlu::setFinancialTransactionTypeGuid, std::string("{0A1B2C3D-0000-4000-8000-000000000001}"),
              std::string("{X}")),
        field("financialTransactionDefinition", &ExportedPlu::getFinancialTransactionDefinition,
              &ExportedPlu::setFinancialTransactionDefinition, std::string("Doładowanie telefonu"),
              std::string("Wpłata")),
        field("automaticDiscounts", &ExportedPlu::getAutomaticDiscounts, &ExportedPlu::setAutomaticDiscounts,
              std::set<std::string>{"Happy hour", "Senior ąę"}, std::set<std::string>{"Happy hour"}),
        field("kitchenPrintoutLocation", &ExportedPlu::getKitchenPrintoutLocation,
              &ExportedPlu::setKitchenPrintountLocation, std::string("Kuchnia gorąca"), std::string("Bar")),
        field("handlingMethod", &ExportedPlu::getHandlingMethod, &ExportedPlu::setHandlingMethod,
              Plu::HandlingMethod::Method{4}, Plu::HandlingMethod::Method{5}),
        field("packageCount", &ExportedPlu::getPackageCount, &ExportedPlu::setPackageCount, 6u, 12u),
        field("packagePluCode", &ExportedPlu::getPackagePluCode, &ExportedPlu::setPackagePluCode,
              std::string("5900000000017"), std::string("5900000000024")),
        field("id", &ExportedPlu::getId, &ExportedPlu::setId, std::optional<unsigned>(4001),
              std::optional<unsigned>(4002)),
        field("openPrice", &ExportedPlu::getOpenPrice, &ExportedPlu::setOpenPrice, true, false),
        field("multiEditions", &ExportedPlu::getMultiEditions, &ExportedPlu::setMultiEditions, true, false),
        field("sellMeasurementUnit", &ExportedPlu::getSellMeasurementUnit, &ExportedPlu::setSellMeasurementUnit, 3u,
              1u),
        field("weightType", &ExportedPlu::getWeightType, &ExportedPlu::setWeightType,
              std::optional(Towar::WeightType::Type{2}), std::optional(Towar::WeightType::Type{1})),
        field("purchaseAgeLimit", &ExportedPlu::getPurchaseAgeLimit, &ExportedPlu::setPurchaseAgeLimit,
              std::optional<unsigned>(18), std::optional<unsigned>(16)),
        field("saleAgeLimit", &ExportedPlu::getSaleAgeLimit, &ExportedPlu::setSaleAgeLimit, std::optional<unsigned>(21),
              std::optional<unsigned>(0)),
        field("increasedRisk", &ExportedPlu::getIncreasedRisk, &ExportedPlu::setIncreasedRisk, std::optional(true),
              std::optional(false)),
        field("selfServiceNotAllowed", &ExportedPlu::getSelfServiceNotAllowed, &ExportedPlu::setSelfServiceNotAllowed,
              std::optional(true), std::optional<bool>()),
        field("weightTolerance", &ExportedPlu::getWeightTolerance, &ExportedPlu::setWeightTolerance,
              std::optional<unsigned>(15), std::optional<unsigned>(20)),
        field("securityWeight", &ExportedPlu::getSecurityWeight, &ExportedPlu::setSecurityWeight,
              std::optional<unsigned>(250), std::optional<unsigned>(300)),
        field("groupingArticleId", &ExportedPlu::getGroupingArticleId, &ExportedPlu::setGroupingArticleId,
              std::optional<unsigned>(3999), std::optional<unsigned>(3998)),
        field("onSiteVatRateId", &ExportedPlu::getOnSiteVatRateId, &ExportedPlu::setOnSiteVatRateId,
              std::optional<int>(11), std::optional<int>(12)),
        field("vatSplittableProductId", &ExportedPlu::getVatSplittableProductId,
              &ExportedPlu::setVatSplittableProductId, std::optional<int>(31), std::optional<int>(32)),
        field("vatSplittableValuePercentage", &ExportedPlu::getVatSplittableValuePercentage,
              &ExportedPlu::setVatSplittableValuePercentage, std::optional(33.3), std::optional(50.0)),
        field("weighted", &ExportedPlu::getWeighted, &ExportedPlu::setWeighted, true, false),
        field("discount", &ExportedPlu::getDiscount, &ExportedPlu::setDiscount, std::optional(7.5), std::optional(0.1)),
        field("baseUnitInMeasureUnit", &ExportedPlu::getBaseUnitInMeasureUnit, &ExportedPlu::setBaseUnitInMeasureUnit,
              std::optional(0.001), std::optional(1000.0)),
        field("compositionLinks", &ExportedPlu::getCompositionLinks, &ExportedPlu::setCompositionLinks,
              std::string("3 5 8"), std::string("3")),
        field("sellPrice", &ExportedPlu::getSellPrice, &ExportedPlu::setSellPrice, 12.34, 0.5),
        field("PKWiU", &ExportedPlu::getPKWiU, &ExportedPlu::setPKWiU, std::string("10.51.40.0"),
              std::string("10.71.11.0")),
        field("onlineSaleRestrictionCheck", &ExportedPlu::getOnlineSaleRestrictionCheck,
              &ExportedPlu::setOnlineSaleRestrictionCheck, OnlineSaleRestrictionCheck::GroupingArticle,
              OnlineSaleRestrictionCheck::Article),
        field("promotionRefundation", &ExportedPlu::getPromotionRefundation, &ExportedPlu::setPromotionRefundation,
              Devices::OptPromotionRefundation(refundation(123456, 46350, Source::LastSupply)),
              Devices::OptPromotionRefundation(refundation(7, std::nullopt, Source::PredictedPrice))),
        field("simplifiedPromotionId", &ExportedPlu::getSimplifiedPromotionId, &ExportedPlu::setSimplifiedPromotionId,
              std::optional<std::int64_t>(9000000000LL), std::optional<std::int64_t>(1)),
        field("alternativePricesXml", &ExportedPlu::getAlternativePricesXml, &ExportedPlu::setAlternativePricesXml,
              std::string("<prices>\n\t<price level=\"2\">11.99</price>\r\n</prices>"), std::string("<prices/>")),
        field("alternativePricesAllowed", &ExportedPlu::getAlternativePricesAllowed,
              &ExportedPlu::setAlternativePricesAllowed, true, false),
    };
}

}  // namespace

const std::vector<PluField>& pluFields() {
    static const std::vector<PluField> fields = makeFields();
    return fields;
}

Kolvenia::ExportedPlu fullyFilledPlu() {
    Kolvenia::ExportedPlu plu;
    for (const PluField& field : pluFields()) field.set(plu, false);
    return plu;
}

}  // namespace CrServerTest
