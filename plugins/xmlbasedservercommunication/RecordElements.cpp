#include "RecordElements.h"

#include <concepts>
#include <type_traits>

#include "XmlValues.h"
#include "db/Query.h"

namespace XmlBasedServerCommunication {

namespace {

// Attribute writers. An empty optional writes no attribute; enumerations are written
// as their numbers, which are the host's.
void put(pugi::xml_node node, const char* name, const std::string& value) {
    node.append_attribute(name) = value.c_str();
}
void put(pugi::xml_node node, const char* name, bool value) { node.append_attribute(name) = value; }
template <std::integral T>
void put(pugi::xml_node node, const char* name, T value) {
    node.append_attribute(name) = value;
}
template <class T>
requires std::is_enum_v<T>
void put(pugi::xml_node node, const char* name, T value) { node.append_attribute(name) = static_cast<int>(value); }
template <class T>
void put(pugi::xml_node node, const char* name, const std::optional<T>& value) {
    if (value) put(node, name, *value);
}
void putNumber(pugi::xml_node node, const char* name, std::optional<double> value) {
    if (value) node.append_attribute(name) = formatNumber(*value).c_str();
}
void putPrice(pugi::xml_node node, const char* name, double value) {
    node.append_attribute(name) = formatFixed(value, 2).c_str();
}

void appendPromotionRefundation(pugi::xml_node parent, const Devices::PromotionRefundation& refundation) {
    pugi::xml_node node = parent.append_child("promotionRefundation");
    node.append_attribute("purchasePrice") = formatFixed(refundation.purchasePrice.asDouble(), 4).c_str();
    if (refundation.startDay) node.append_attribute("startDate") = formatDay(*refundation.startDay).c_str();
    put(node, "source", refundation.source);
}

}  // namespace

void appendPlu(pugi::xml_node parent, const Kolvenia::ExportedPlu& plu) {
    pugi::xml_node node = parent.append_child("plu");
    put(node, "articleType", plu.getArticleType());
    put(node, "status", plu.getStatus());
    put(node, "pluCode", plu.getPluCode());
    put(node, "articleShortName", plu.getArticleShortName());
    put(node, "articleIndex", plu.getArticleIndex());
    put(node, "articleName", plu.getArticleName());
    put(node, "vatRate", plu.getVatRate());
    put(node, "groupIndex", plu.getGroupIndex());
    put(node, "discountable", plu.getDiscountable());
    put(node, "alternativeVatRate", plu.getAlternativeVatRate());
    put(node, "dutyFreeZoneRestrictions", plu.getDutyFreeZoneRestrictions());
    put(node, "dutyFreeZoneVatRatesHandling", plu.getDutyFreeZoneVatRatesHandling());
    put(node, "financialTransactionTypeGuid", plu.getFinancialTransactionTypeGuid());
    put(node, "financialTransactionDefinition", plu.getFinancialTransactionDefinition());
    put(node, "kitchenPrintoutLocation", plu.getKitchenPrintoutLocation());
    put(node, "handlingMethod", plu.getHandlingMethod());
    put(node, "packageCount", plu.getPackageCount());
    put(node, "packagePluCode", plu.getPackagePluCode());
    put(node, "id", plu.getId());
    put(node, "openPrice", plu.getOpenPrice());
    put(node, "multiEditions", plu.getMultiEditions());
    put(node, "sellMeasurementUnit", plu.getSellMeasurementUnit());
    put(node, "weightType", plu.getWeightType());
    put(node, "purchaseAgeLimit", plu.getPurchaseAgeLimit());
    put(node, "saleAgeLimit", plu.getSaleAgeLimit());
    put(node, "increasedRisk", plu.getIncreasedRisk());
    put(node, "selfServiceNotAllowed", plu.getSelfServiceNotAllowed());
    put(node, "weightTolerance", plu.getWeightTolerance());
    put(node, "securityWeight", plu.getSecurityWeight());
    put(node, "groupingArticleId", plu.getGroupingArticleId());
    put(node, "onSiteVatRateId", plu.getOnSiteVatRateId());
    put(node, "vatSplittableProductId", plu.getVatSplittableProductId());
    putNumber(node, "vatSplittableValuePercentage", plu.getVatSplittableValuePercentage());
    put(node, "weighted", plu.getWeighted());
    putNumber(node, "discount", plu.getDiscount());
    putNumber(node, "baseUnitInMeasureUnit", plu.getBaseUnitInMeasureUnit());
    put(node, "compositionLinks", plu.getCompositionLinks());
    putPrice(node, "sellPrice", plu.getSellPrice());
    put(node, "pkwiu", plu.getPKWiU());
    put(node, "onlineSaleRestrictionCheck", plu.getOnlineSaleRestrictionCheck());
    put(node, "simplifiedPromotionId", plu.getSimplifiedPromotionId());
    put(node, "alternativePricesXml", plu.getAlternativePricesXml());
    put(node, "alternativePricesAllowed", plu.getAlternativePricesAllowed());
    for (const std::string& discount : plu.getAutomaticDiscounts())
        node.append_child("automaticDiscount").text() = discount.c_str();
    if (const auto refundation = plu.getPromotionRefundation()) appendPromotionRefundation(node, *refundation);
}

void appendProductSet(pugi::xml_node parent, const Composition::ProductSet& productSet) {
    pugi::xml_node node = parent.append_child("productSet");
    put(node, "id", productSet.id);
    put(node, "name", productSet.name);
    for (std::uint32_t productId : productSet.productIds) put(node.append_child("product"), "id", productId);
}

void appendBundle(pugi::xml_node parent, const Kolvenia::BundleWithElements& bundle) {
    pugi::xml_node node = parent.append_child("bundle");
    put(node, "id", bundle.getId());
    if (!bundle.getItems()) return;
    for (const Kolvenia::BundleItemPtr& item : *bundle.getItems()) {
        pugi::xml_node itemNode = node.append_child("item");
        put(itemNode, "id", item->getId());
        putNumber(itemNode, "quantity", item->getQuantity());
        putPrice(itemNode, "sellPrice", item->getSellPrice());
    }
}

void appendBlockedVoucher(pugi::xml_node parent, const Kolvenia::BlockedVoucher& voucher) {
    pugi::xml_node node = parent.append_child("blockedVoucher");
    put(node, "group", voucher.group);
    put(node, "expiryDate", voucher.expiryDate);
    put(node, "numberFrom", voucher.numberFrom);
    put(node, "numberTo", voucher.numberTo);
    put(node, "faceValue", voucher.faceValue);
}

void appendPluConfig(pugi::xml_node parent, const Plu::PluConfig& config) {
    const auto appendKind = [&](char letter, const char* name, const std::vector<std::string>& prefixes) {
        pugi::xml_node node = parent.append_child("codeKind");
        put(node, "type", std::string(1, letter));
        put(node, "name", std::string(name));
        for (const std::string& prefix : prefixes) node.append_child("prefix").text() = prefix.c_str();
    };
    appendKind(Plu::TPlu::Weight, "weight", config.weightPrefixes);
    appendKind(Plu::TPlu::Value, "value", config.valuePrefixes);
    appendKind(Plu::TPlu::PriceCarrying, "priceCarrying", config.pricePrefixes);
    appendKind(Plu::TPlu::InStore, "inStore", config.inStorePrefixes);
}

void appendCashRegisterConfiguration(pugi::xml_node parent, int deviceNumber) {
    pugi::xml_node node = parent.append_child("configuration");
    put(node, "cashRegister", deviceNumber);
    DBKernel::Sql::PreparedQuery rows(
        "select u.sNazwa device_name, d.sNazwa param_name, p.sWartoscParam param_value "
        "from Urzadzenie u left join ParamUrz p on p.lUrzadzenieRef = u.lUrzadzenieRef "
        "left join DefParamUrz d on d.nParamId = p.nParamId "
        "where u.nNrTypuUrz = 0 and u.nNrKolvenia = :deviceNumber order by u.lUrzadzenieRef, d.sNazwa");
    rows.Params["deviceNumber"] = deviceNumber;
    rows.execute();
    if (rows && !rows["device_name"].isNull()) put(node, "name", rows["device_name"].asString());
    for (; rows; rows.next()) {
        if (rows["param_name"].isNull()) continue;
        pugi::xml_node param = node.append_child("param");
        put(param, "name", rows["param_name"].asString());
        if (!rows["param_value"].isNull()) put(param, "value", rows["param_value"].asString());
    }
}

void appendDailyTurnoverCommand(pugi::xml_node parent, const std::vector<int>& days) {
    pugi::xml_node node = parent.append_child("command");
    put(node, "name", std::string("GetDailyTurnover"));
    for (int day : days) node.append_child("day").append_attribute("date") = formatDay(day).c_str();
}

}  // namespace XmlBasedServerCommunication
