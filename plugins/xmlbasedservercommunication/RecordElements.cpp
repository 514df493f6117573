#include "RecordElements.h"

#include <optional>
#include <type_traits>

#include "XmlValues.h"
#include "db/Query.h"

namespace XmlBasedServerCommunication {

namespace {

// Attribute writers. An empty optional writes no attribute; enumerations are written
// as their numbers, which are the host's.
template <class T>
void put(XmlStreamWriter& xml, const char* name, const T& value) {
    if constexpr (std::is_enum_v<T>)
        xml.attribute(name, static_cast<int>(value));
    else
        xml.attribute(name, value);
}
template <class T>
void put(XmlStreamWriter& xml, const char* name, const std::optional<T>& value) {
    if (value) put(xml, name, *value);
}
void putNumber(XmlStreamWriter& xml, const char* name, std::optional<double> value) {
    if (value) xml.attribute(name, formatNumber(*value));
}
void putPrice(XmlStreamWriter& xml, const char* name, double value) { xml.attribute(name, formatFixed(value, 2)); }

// An element with no more than its text.
void putTextElement(XmlStreamWriter& xml, const char* name, const std::string& text) {
    xml.startElement(name);
    xml.text(text);
    xml.endElement();
}

void appendPromotionRefundation(XmlStreamWriter& xml, const Devices::PromotionRefundation& refundation) {
    xml.startElement("promotionRefundation");
    xml.attribute("purchasePrice", formatFixed(refundation.purchasePrice.asDouble(), 4));
    if (refundation.startDay) xml.attribute("startDate", formatDay(*refundation.startDay));
    put(xml, "source", refundation.source);
    xml.endElement();
}

}  // namespace

void appendPlu(XmlStreamWriter& xml, const Kolvenia::ExportedPlu& plu) {
    xml.startElement("plu");
    put(xml, "articleType", plu.getArticleType());
    put(xml, "status", plu.getStatus());
    put(xml, "pluCode", plu.getPluCode());
    put(xml, "articleShortName", plu.getArticleShortName());
    put(xml, "articleIndex", plu.getArticleIndex());
    put(xml, "articleName", plu.getArticleName());
    put(xml, "vatRate", plu.getVatRate());
    put(xml, "groupIndex", plu.getGroupIndex());
    put(xml, "discountable", plu.getDiscountable());
    put(xml, "alternativeVatRate", plu.getAlternativeVatRate());
    put(xml, "dutyFreeZoneRestrictions", plu.getDutyFreeZoneRestrictions());
    put(xml, "dutyFreeZoneVatRatesHandling", plu.getDutyFreeZoneVatRatesHandling());
    put(xml, "financialTransactionTypeGuid", plu.getFinancialTransactionTypeGuid());
    put(xml, "financialTransactionDefinition", plu.getFinancialTransactionDefinition());
    put(xml, "kitchenPrintoutLocation", plu.getKitchenPrintoutLocation());
    put(xml, "handlingMethod", plu.getHandlingMethod());
    put(xml, "packageCount", plu.getPackageCount());
    put(xml, "packagePluCode", plu.getPackagePluCode());
    put(xml, "id", plu.getId());
    put(xml, "openPrice", plu.getOpenPrice());
    put(xml, "multiEditions", plu.getMultiEditions());
    put(xml, "sellMeasurementUnit", plu.getSellMeasurementUnit());
    put(xml, "weightType", plu.getWeightType());
    put(xml, "purchaseAgeLimit", plu.getPurchaseAgeLimit());
    put(xml, "saleAgeLimit", plu.getSaleAgeLimit());
    put(xml, "increasedRisk", plu.getIncreasedRisk());
    put(xml, "selfServiceNotAllowed", plu.getSelfServiceNotAllowed());
    put(xml, "weightTolerance", plu.getWeightTolerance());
    put(xml, "securityWeight", plu.getSecurityWeight());
    put(xml, "groupingArticleId", plu.getGroupingArticleId());
    put(xml, "onSiteVatRateId", plu.getOnSiteVatRateId());
    put(xml, "vatSplittableProductId", plu.getVatSplittableProductId());
    putNumber(xml, "vatSplittableValuePercentage", plu.getVatSplittableValuePercentage());
    put(xml, "weighted", plu.getWeighted());
    putNumber(xml, "discount", plu.getDiscount());
    putNumber(xml, "baseUnitInMeasureUnit", plu.getBaseUnitInMeasureUnit());
    put(xml, "compositionLinks", plu.getCompositionLinks());
    putPrice(xml, "sellPrice", plu.getSellPrice());
    put(xml, "pkwiu", plu.getPKWiU());
    put(xml, "onlineSaleRestrictionCheck", plu.getOnlineSaleRestrictionCheck());
    put(xml, "simplifiedPromotionId", plu.getSimplifiedPromotionId());
    put(xml, "alternativePricesXml", plu.getAlternativePricesXml());
    put(xml, "alternativePricesAllowed", plu.getAlternativePricesAllowed());
    for (const std::string& discount : plu.getAutomaticDiscounts()) putTextElement(xml, "automaticDiscount", discount);
    if (const auto refundation = plu.getPromotionRefundation()) appendPromotionRefundation(xml, *refundation);
    xml.endElement();
}

void appendProductSet(XmlStreamWriter& xml, const Composition::ProductSet& productSet) {
    xml.startElement("productSet");
    put(xml, "id", productSet.id);
    put(xml, "name", productSet.name);
    for (std::uint32_t productId : productSet.productIds) {
        xml.startElement("product");
        put(xml, "id", productId);
        xml.endElement();
    }
    xml.endElement();
}

void appendBundle(XmlStreamWriter& xml, std::optional<std::uint32_t> id, std::span<const Kolvenia::BundleItem> items) {
    xml.startElement("bundle");
    put(xml, "id", id);
    for (const Kolvenia::BundleItem& item : items) {
        xml.startElement("item");
        put(xml, "id", item.getId());
        putNumber(xml, "quantity", item.getQuantity());
        putPrice(xml, "sellPrice", item.getSellPrice());
        xml.endElement();
    }
    xml.endElement();
}

void appendBlockedVoucher(XmlStreamWriter& xml, const Kolvenia::BlockedVoucher& voucher) {
    xml.startElement("blockedVoucher");
    put(xml, "group", voucher.group);
    put(xml, "expiryDate", voucher.expiryDate);
    put(xml, "numberFrom", voucher.numberFrom);
    put(xml, "numberTo", voucher.numberTo);
    put(xml, "faceValue", voucher.faceValue);
    xml.endElement();
}

void appendPluConfig(XmlStreamWriter& xml, const Plu::PluConfig& config) {
    const auto appendKind = [&](char letter, const char* name, const std::vector<std::string>& prefixes) {
        xml.startElement("codeKind");
        xml.attribute("type", std::string_view(&letter, 1));
        xml.attribute("name", name);
        for (const std::string& prefix : prefixes) putTextElement(xml, "prefix", prefix);
        xml.endElement();
    };
    appendKind(Plu::TPlu::Weight, "weight", config.weightPrefixes);
    appendKind(Plu::TPlu::Value, "value", config.valuePrefixes);
    appendKind(Plu::TPlu::PriceCarrying, "priceCarrying", config.pricePrefixes);
    appendKind(Plu::TPlu::InStore, "inStore", config.inStorePrefixes);
}

void appendCashRegisterConfiguration(XmlStreamWriter& xml, int deviceNumber) {
    xml.startElement("configuration");
    put(xml, "cashRegister", deviceNumber);
    DBKernel::Sql::PreparedQuery rows(
        "select u.sNazwa device_name, d.sNazwa param_name, p.sWartoscParam param_value "
        "from Urzadzenie u left join ParamUrz p on p.lUrzadzenieRef = u.lUrzadzenieRef "
        "left join DefParamUrz d on d.nParamId = p.nParamId "
        "where u.nNrTypuUrz = 0 and u.nNrKolvenia = :deviceNumber order by u.lUrzadzenieRef, d.sNazwa");
    rows.Params["deviceNumber"] = deviceNumber;
    rows.execute();
    if (rows && !rows["device_name"].isNull()) put(xml, "name", rows["device_name"].asString());
    for (; rows; rows.next()) {
        if (rows["param_name"].isNull()) continue;
        xml.startElement("param");
        put(xml, "name", rows["param_name"].asString());
        if (!rows["param_value"].isNull()) put(xml, "value", rows["param_value"].asString());
        xml.endElement();
    }
    xml.endElement();
}

void appendDailyTurnoverCommand(XmlStreamWriter& xml, const std::vector<int>& days) {
    xml.startElement("command");
    xml.attribute("name", "GetDailyTurnover");
    for (int day : days) {
        xml.startElement("day");
        xml.attribute("date", formatDay(day));
        xml.endElement();
    }
    xml.endElement();
}

}  // namespace XmlBasedServerCommunication
