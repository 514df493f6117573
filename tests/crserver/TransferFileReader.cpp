#include "TransferFileReader.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace CrServerTest {

namespace {

using Kolvenia::ExportedPlu;

template <class T>
T parse(const char* text) {
    const std::string value = text;
    if constexpr (std::is_same_v<T, bool>) {
        if (value != "true" && value != "false") throw std::runtime_error("not a boolean: " + value);
        return value == "true";
    } else {
        T result{};
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
        if (error != std::errc() || end != value.data() + value.size())
            throw std::runtime_error("not a number: " + value);
        return result;
    }
}

template <class T>
std::optional<T> optional(pugi::xml_node node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) return std::nullopt;
    return parse<T>(attribute.value());
}

// A field that every record carries.
template <class T>
T required(pugi::xml_node node, const char* name) {
    if (!node.attribute(name)) throw std::runtime_error(std::string("missing attribute ") + name);
    if constexpr (std::is_same_v<T, std::string>)
        return node.attribute(name).value();
    else
        return parse<T>(node.attribute(name).value());
}

template <class Enum>
Enum enumeration(pugi::xml_node node, const char* name) {
    return static_cast<Enum>(required<int>(node, name));
}

Devices::PromotionRefundation readRefundation(pugi::xml_node node) {
    Devices::PromotionRefundation refundation;
    refundation.purchasePrice =
        Core::Decimal<4>::fromUnits(std::llround(required<double>(node, "purchasePrice") * 10000));
    if (const pugi::xml_attribute start = node.attribute("startDate")) {
        int year = 0;
        unsigned month = 0, day = 0;
        if (std::sscanf(start.value(), "%d-%u-%u", &year, &month, &day) != 3) throw std::runtime_error("bad date");
        using namespace std::chrono;
        refundation.startDay = (sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}} -
                                sys_days{1899y / December / 30d})
                                   .count();
    }
    refundation.source = enumeration<Devices::PromotionRefundation::Source>(node, "source");
    return refundation;
}

}  // namespace

std::vector<pugi::xml_node> TransferFile::records(const char* elementName) const {
    std::vector<pugi::xml_node> nodes;
    for (pugi::xml_node node : root.children(elementName)) nodes.push_back(node);
    return nodes;
}

void readTransferFile(const std::filesystem::path& path, TransferFile& file) {
    const pugi::xml_parse_result result = file.document.load_file(path.c_str());
    if (!result) throw std::runtime_error(path.string() + ": " + result.description());
    file.root = file.document.document_element();
    for (pugi::xml_node target : file.root.child("cashRegisters").children("cashRegister"))
        file.cashRegisters.push_back(required<int>(target, "number"));
}

Kolvenia::ExportedPlu readPlu(pugi::xml_node e) {
    ExportedPlu plu;
    plu.setArticleType(enumeration<Towar::Typ>(e, "articleType"));
    plu.setStatus(enumeration<ExportedPluStatus>(e, "status"));
    plu.setPluCode(required<std::string>(e, "pluCode"));
    plu.setArticleShortName(required<std::string>(e, "articleShortName"));
    plu.setArticleIndex(required<std::string>(e, "articleIndex"));
    plu.setArticleName(required<std::string>(e, "articleName"));
    plu.setVatRate(required<unsigned>(e, "vatRate"));
    plu.setGroupIndex(required<std::string>(e, "groupIndex"));
    plu.setDiscountable(required<bool>(e, "discountable"));
    plu.setAlternativeVatRate(optional<int>(e, "alternativeVatRate"));
    plu.setDutyFreeZoneRestrictions(optional<int>(e, "dutyFreeZoneRestrictions"));
    plu.setDutyFreeZoneVatRatesHandling(optional<int>(e, "dutyFreeZoneVatRatesHandling"));
    plu.setFinancialTransactionTypeGuid(required<std::string>(e, "financialTransactionTypeGuid"));
    plu.setFinancialTransactionDefinition(required<std::string>(e, "financialTransactionDefinition"));
    std::set<std::string> discounts;
    for (pugi::xml_node discount : e.children("automaticDiscount")) discounts.insert(discount.text().get());
    plu.setAutomaticDiscounts(discounts);
    plu.setKitchenPrintountLocation(required<std::string>(e, "kitchenPrintoutLocation"));
    plu.setHandlingMethod(enumeration<Plu::HandlingMethod::Method>(e, "handlingMethod"));
    plu.setPackageCount(required<unsigned>(e, "packageCount"));
    plu.setPackagePluCode(required<std::string>(e, "packagePluCode"));
    plu.setId(optional<unsigned>(e, "id"));
    plu.setOpenPrice(required<bool>(e, "openPrice"));
    plu.setMultiEditions(required<bool>(e, "multiEditions"));
    plu.setSellMeasurementUnit(required<unsigned>(e, "sellMeasurementUnit"));
    if (const auto weightType = optional<int>(e, "weightType"))
        plu.setWeightType(static_cast<Towar::WeightType::Type>(*weightType));
    plu.setPurchaseAgeLimit(optional<unsigned>(e, "purchaseAgeLimit"));
    plu.setSaleAgeLimit(optional<unsigned>(e, "saleAgeLimit"));
    plu.setIncreasedRisk(optional<bool>(e, "increasedRisk"));
    plu.setSelfServiceNotAllowed(optional<bool>(e, "selfServiceNotAllowed"));
    plu.setWeightTolerance(optional<unsigned>(e, "weightTolerance"));
    plu.setSecurityWeight(optional<unsigned>(e, "securityWeight"));
    plu.setGroupingArticleId(optional<unsigned>(e, "groupingArticleId"));
    plu.setOnSiteVatRateId(optional<int>(e, "onSiteVatRateId"));
    plu.setVatSplittableProductId(optional<int>(e, "vatSplittableProductId"));
    plu.setVatSplittableValuePercentage(optional<double>(e, "vatSplittableValuePercentage"));
    plu.setWeighted(required<bool>(e, "weighted"));
    plu.setDiscount(optional<double>(e, "discount"));
    plu.setBaseUnitInMeasureUnit(optional<double>(e, "baseUnitInMeasureUnit"));
    plu.setCompositionLinks(required<std::string>(e, "compositionLinks"));
    plu.setSellPrice(required<double>(e, "sellPrice"));
    plu.setPKWiU(required<std::string>(e, "pkwiu"));
    plu.setOnlineSaleRestrictionCheck(enumeration<OnlineSaleRestrictionCheck>(e, "onlineSaleRestrictionCheck"));
    if (pugi::xml_node refundation = e.child("promotionRefundation"))
        plu.setPromotionRefundation(readRefundation(refundation));
    plu.setSimplifiedPromotionId(optional<std::int64_t>(e, "simplifiedPromotionId"));
    plu.setAlternativePricesXml(required<std::string>(e, "alternativePricesXml"));
    plu.setAlternativePricesAllowed(required<bool>(e, "alternativePricesAllowed"));
    return plu;
}

Composition::ProductSet readProductSet(pugi::xml_node e) {
    Composition::ProductSet productSet{required<std::uint32_t>(e, "id"), required<std::string>(e, "name"), {}};
    for (pugi::xml_node product : e.children("product"))
        productSet.productIds.push_back(required<std::uint32_t>(product, "id"));
    return productSet;
}

Kolvenia::BundleWithElements readBundle(pugi::xml_node e) {
    Kolvenia::BundleWithElements bundle;
    bundle.setId(optional<std::uint32_t>(e, "id"));
    for (pugi::xml_node itemNode : e.children("item")) {
        auto item = std::make_shared<Kolvenia::BundleItem>();
        item->setId(optional<std::uint32_t>(itemNode, "id"));
        item->setQuantity(required<double>(itemNode, "quantity"));
        item->setSellPrice(required<double>(itemNode, "sellPrice"));
        bundle.getItems()->add(item);
    }
    return bundle;
}

}  // namespace CrServerTest
