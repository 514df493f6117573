#include "plu/ExportedPluBuilder.h"

#include "core/Errors.h"
#include "plu/RowValues.h"

namespace PluTransmission {

ExportedPluBuilder::ExportedPluBuilder(TSessionHolder session, Devices::IPluDeletionPredicatePtr deletionPredicate,
                                       Korvel::Products::IProductFeaturesCachePtr productFeatures)
    : deletionPredicate_(std::move(deletionPredicate)),
      productFeatures_(std::move(productFeatures)),
      financialTransactionTypes_(session),
      automaticDiscounts_(session),
      packagePluCodes_(session),
      refundation_(session) {}

std::optional<Kolvenia::ExportedPlu> ExportedPluBuilder::build(Db::TDataSet& row, Core::Price price,
                                                               const Composition::ProductSetLinks& links) {
    if (integer(row, "byBlokada") != 0) return std::nullopt;
    Kolvenia::ExportedPlu plu;
    plu.setArticleType(static_cast<Towar::Typ>(integer(row, "byTyp")));
    const bool removed = deletionPredicate_ && deletionPredicate_->isToBeDeleted(row);
    plu.setStatus(removed ? ExportedPluStatus::Remove : ExportedPluStatus::Send);
    fillProduct(plu, row);
    fillLookups(plu, row, price, links);
    return plu;
}

void ExportedPluBuilder::fillProduct(Kolvenia::ExportedPlu& plu, Db::TDataSet& row) {
    plu.setPluCode(text(row, "sPLU"));
    plu.setArticleShortName(text(row, "sKrNazwa"));
    plu.setArticleIndex(text(row, "sArtIndex"));
    plu.setArticleName(text(row, "sNazwa"));
    const auto vat = optionalUnsigned(row, "byVAT");
    if (!vat)
        throw Core::PlacedRuntimeError("Towar nie posiada przypisanej stawki VAT.",
                                       CORE_SRC_INFO("ExportedPluBuilder::build"));
    plu.setVatRate(*vat);
    plu.setGroupIndex(text(row, "sGrIndex"));
    plu.setDiscountable(flag(row, "byRabatowy"));
    plu.setAlternativeVatRate(optionalInt(row, "alternativeVatRate"));
    plu.setDutyFreeZoneRestrictions(optionalInt(row, "DutyFreeZoneRestrictions"));
    plu.setDutyFreeZoneVatRatesHandling(optionalInt(row, "DutyFreeZoneVatRatesHandling"));
}

void ExportedPluBuilder::fillLookups(Kolvenia::ExportedPlu& plu, Db::TDataSet& row, Core::Price price,
                                     const Composition::ProductSetLinks& links) {
    const int productId = integer(row, "lTowarRef");
    if (const auto type = optionalInt(row, "FinancialTransactionTypeId")) {
        const auto& transaction = financialTransactionTypes_.find(*type);
        plu.setFinancialTransactionTypeGuid(transaction.guid);
        plu.setFinancialTransactionDefinition(transaction.definition);
    }
    plu.setAutomaticDiscounts(automaticDiscounts_.forProduct(productId));
    if (productFeatures_)
        plu.setKitchenPrintountLocation(productFeatures_->findFeature(productId, KitchenTypeFeature).value_or(""));
    if (const auto method = optionalInt(row, "typObslugi"))
        plu.setHandlingMethod(static_cast<Plu::HandlingMethod::Method>(*method));
    plu.setPackageCount(0);
    if (const auto package = optionalInt(row, "lOpakRef")) {
        if (const auto& code = packagePluCodes_.find(*package)) {
            plu.setPackagePluCode(*code);
            plu.setPackageCount(1);
        }
    }
    plu.setId(static_cast<unsigned>(productId));
    plu.setOpenPrice(flag(row, "bCenaOtwarta"));
    plu.setMultiEditions(flag(row, "bWieleWydan"));
    plu.setSellMeasurementUnit(static_cast<unsigned>(integer(row, "nJmSprz")));
    if (const auto weightType = optionalInt(row, "byWeightType"))
        plu.setWeightType(static_cast<Towar::WeightType::Type>(*weightType));
    plu.setPurchaseAgeLimit(optionalUnsigned(row, "nPurchaseAgeLimit"));
    plu.setSaleAgeLimit(optionalUnsigned(row, "nSaleAgeLimit"));
    plu.setIncreasedRisk(optionalBool(row, "bIncreasedRisk"));
    plu.setSelfServiceNotAllowed(optionalBool(row, "bSelfServiceNotAllowed"));
    plu.setWeightTolerance(optionalUnsigned(row, "nWeightTolerance"));
    plu.setSecurityWeight(optionalUnsigned(row, "nSecurityWeight"));
    plu.setGroupingArticleId(optionalUnsigned(row, "lTowarGrupujacyRef"));
    plu.setOnSiteVatRateId(optionalInt(row, "OnSiteVatRateId"));
    plu.setVatSplittableProductId(optionalInt(row, "VatSplittableProductId"));
    plu.setVatSplittableValuePercentage(optionalDouble(row, "VatSplittableValuePercentage"));
    plu.setWeighted(flag(row, "bWagowy"));
    plu.setDiscount(optionalDouble(row, "discount"));
    plu.setBaseUnitInMeasureUnit(optionalDouble(row, "baseUnitInMeasureUnit"));
    plu.setCompositionLinks(links.compositionLinks(productId));
    plu.setSellPrice(price.asDouble());
    plu.setPKWiU(text(row, "PKWiU"));
    plu.setOnlineSaleRestrictionCheck(plu.getGroupingArticleId() ? OnlineSaleRestrictionCheck::GroupingArticle
                                                                 : OnlineSaleRestrictionCheck::Article);
    plu.setPromotionRefundation(refundation_.get(productId, text(row, "sArtIndex"), price));
    plu.setSimplifiedPromotionId(optionalReference(row, "lPromocjaRef"));
    plu.setAlternativePricesXml(text(row, "alternativePrices"));
    plu.setAlternativePricesAllowed(flag(row, "alternativePricesAllowed"));
}

}  // namespace PluTransmission
