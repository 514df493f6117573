#include "ExportedPluFields.h"

namespace CrServerTest {

namespace {

using Kolvenia::ExportedPlu;

template <class T, class Param>
PluField field(std::string name, T (ExportedPlu::*get)() const, void (ExportedPlu::*set)(Param), T value) {
    return {std::move(name), [=](ExportedPlu& plu) { (plu.*set)(value); },
            [=](const ExportedPlu& plu) { return (plu.*get)() == value; }};
}

Devices::PromotionRefundation refundation(std::int64_t units, std::optional<int> startDay,
                                          Devices::PromotionRefundation::Source source) {
    return {Core::Decimal<4>::fromUnits(units), startDay, source};
}

// A field named after its getter and setter.
#define FIELD(Name, ...) field(#Name, &ExportedPlu::get##Name, &ExportedPlu::set##Name, __VA_ARGS__)

std::vector<PluField> makeFields() {
    using Source = Devices::PromotionRefundation::Source;
    return {
        FIELD(ArticleType, Towar::Typ::SplitBundle),
        FIELD(Status, ExportedPluStatus::Remove),
        FIELD(PluCode, std::string("5901234123457")),
        FIELD(ArticleShortName, std::string("Żółty ser")),
        FIELD(ArticleIndex, std::string("IDX-001")),
        FIELD(ArticleName, std::string("Ser żółty „Gouda” <plastry> & co")),
        FIELD(VatRate, 23u),
        FIELD(GroupIndex, std::string("NABIAŁ")),
        FIELD(Discountable, true),
        FIELD(AlternativeVatRate, std::optional<int>(5)),
        FIELD(DutyFreeZoneRestrictions, std::optional<int>(2)),
        FIELD(DutyFreeZoneVatRatesHandling, std::optional<int>(7)),
        FIELD(FinancialTransactionTypeGuid, std::string("{0A1B2C3D-0000-4000-8000-000000000001}")),
        FIELD(FinancialTransactionDefinition, std::string("Doładowanie telefonu")),
        FIELD(AutomaticDiscounts, std::set<std::string>{"Happy hour", "Senior ąę"}),
        field("kitchenPrintoutLocation", &ExportedPlu::getKitchenPrintoutLocation,
              &ExportedPlu::setKitchenPrintountLocation, std::string("Kuchnia gorąca")),
        FIELD(HandlingMethod, Plu::HandlingMethod::Method{4}),
        FIELD(PackageCount, 6u),
        FIELD(PackagePluCode, std::string("5900000000017")),
        FIELD(Id, std::optional<unsigned>(4001)),
        FIELD(OpenPrice, true),
        FIELD(MultiEditions, true),
        FIELD(SellMeasurementUnit, 3u),
        FIELD(WeightType, std::optional(Towar::WeightType::Type{2})),
        FIELD(PurchaseAgeLimit, std::optional<unsigned>(18)),
        FIELD(SaleAgeLimit, std::optional<unsigned>(21)),
        FIELD(IncreasedRisk, std::optional(true)),
        FIELD(SelfServiceNotAllowed, std::optional(true)),
        FIELD(WeightTolerance, std::optional<unsigned>(15)),
        FIELD(SecurityWeight, std::optional<unsigned>(250)),
        FIELD(GroupingArticleId, std::optional<unsigned>(3999)),
        FIELD(OnSiteVatRateId, std::optional<int>(11)),
        FIELD(VatSplittableProductId, std::optional<int>(31)),
        FIELD(VatSplittableValuePercentage, std::optional(33.3)),
        FIELD(Weighted, true),
        FIELD(Discount, std::optional(7.5)),
        FIELD(BaseUnitInMeasureUnit, std::optional(0.001)),
        FIELD(CompositionLinks, std::string("3 5 8")),
        FIELD(SellPrice, 12.34),
        FIELD(PKWiU, std::string("10.51.40.0")),
        FIELD(OnlineSaleRestrictionCheck, OnlineSaleRestrictionCheck::GroupingArticle),
        FIELD(PromotionRefundation, Devices::OptPromotionRefundation(refundation(123456, 46350, Source::LastSupply))),
        FIELD(SimplifiedPromotionId, std::optional<std::int64_t>(9000000000LL)),
        FIELD(AlternativePricesXml, std::string("<prices>\n\t<price level=\"2\">11.99</price>\r\n</prices>")),
        FIELD(AlternativePricesAllowed, true),
    };
}
#undef FIELD

}  // namespace

const std::vector<PluField>& pluFields() {
    static const std::vector<PluField> fields = makeFields();
    return fields;
}

Kolvenia::ExportedPlu fullyFilledPlu() {
    Kolvenia::ExportedPlu plu;
    for (const PluField& field : pluFields()) field.set(plu);
    return plu;
}

}  // namespace CrServerTest
