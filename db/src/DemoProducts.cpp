#include "DemoProducts.h"

#include <algorithm>
#include <cmath>
#include <span>

#include <boost/format.hpp>

#include "DemoFixtures.h"
#include "PluCodes.h"
#include "tools/PluStatus.h"

namespace ShopDb {

namespace {

constexpr std::uint32_t maxScaleNumber = 99999;  // five digits in a scale code
constexpr std::uint32_t maxEan8 = 9999;
constexpr std::uint32_t maxValueCodes = 99999;
constexpr std::uint32_t maxPriceCodes = 9999;
constexpr std::uint32_t maxShortCodes = 8999;
constexpr std::int64_t maxCarriedPrice = 99999;  // five digits of grosze
constexpr int promotions = 20;                   // simplified promotions the products refer to
constexpr std::int64_t bottle = 1, crate = 2;    // the deposit products

double vatPercent(int vat) {
    switch (vat) {
    case Vat23: return 23;
    case Vat8: return 8;
    case Vat5: return 5;
    default: return 0;
    }
}

double money(std::int64_t grosze) { return static_cast<double>(grosze) / 100.0; }

// A shelf price: złoty and tens of grosze as drawn, the last digit 9.
std::int64_t shelfPrice(double zloty) {
    const auto tens = std::max<std::int64_t>(0, static_cast<std::int64_t>(zloty * 10.0));
    return tens * 10 + 9;
}

// The manufacturers' item numbers run through all nine digits in a scattered order,
// every number once (7919 is prime to 10^9).
std::uint64_t scatteredItem(std::uint64_t n) { return (n * 7919 + 104729) % 1000000000ULL; }

template <class T>
const T& pickFrom(Random& random, const std::vector<T>& items) {
    return random.pick(std::span<const T>(items));
}

}  // namespace

struct DemoProducts::Product {
    std::int64_t reference = 0;
    std::string name;
    std::string groupIndex;
    std::string_view pkwiu;
    int type = 0;
    int vat = Vat23;
    std::optional<std::int64_t> priceInGrosze;
    int saleUnit = Piece;
    std::optional<int> conversionUnit;
    std::optional<double> conversionAmount;
    const ProductGroup* group = nullptr;
    bool weighed = false;
    int section = 0;
    int scaleNumber = 0;
    int multipack = 0;
    bool returnableBottle = false;
    bool inStoreCode = false;  // the main code is an in-store EAN-13
    bool ownCodes = true;      // a multi-price element sells under its parent's codes
    bool multiPrice = false;
    std::optional<std::int64_t> multiPriceParent;
    std::optional<int> brand;
    int activityStatus = 0;
    std::optional<int> securityWeight;    // grams, for self-checkouts
    std::vector<std::int32_t> stockDays;  // ascending
};

DemoProducts::DemoProducts(const TSessionHolder& session, DemoTables& tables, Random& random,
                           ReferenceCounter& references, std::int32_t today, std::int64_t total)
    : tables_(tables),
      random_(random),
      references_(references),
      today_(today),
      total_(total),
      successor_("update Towar set successor_id = :successor where lTowarRef = :predecessor", session) {}

void DemoProducts::make(std::int64_t reference) {
    Product product;
    if (reference == bottle || reference == crate)
        product = deposit(reference);
    else if (reference > 20 && bundleComponents_.size() >= 4 && random_.chance(0.005))
        product = bundle(reference);
    else if (!multiPriceParents_.empty() && random_.chance(0.004))
        product = multiPriceElement();
    else
        product = ordinary();
    product.reference = reference;
    if (product.type == 0 && random_.chance(0.015))
        product.priceInGrosze = random_.chance(0.6) ? std::nullopt : std::optional<std::int64_t>(0);
    const bool priced = product.priceInGrosze && *product.priceInGrosze > 0;
    const bool plain = product.type == 0 && product.ownCodes && !product.weighed && priced;
    product.multiPrice = plain && random_.chance(0.005);
    if (product.type != 1) {
        // Stock rows: an older one and, for half the products, a recent one.
        product.stockDays.push_back(today_ - static_cast<std::int32_t>(random_.between(5, 60)));
        if (random_.chance(0.5)) product.stockDays.push_back(today_ - static_cast<std::int32_t>(random_.between(0, 4)));
    }

    writeProduct(product);
    if (product.ownCodes) writeCodes(product);
    writePriceConditions(product);
    writeStock(product);
    writeSupplyData(product);
    writeProductSetLinks(product);
    writeDiscountsAndFeatures(product);
    if (reference > 10 && random_.chance(0.003)) recordSuccessor(reference);

    if (plain) bundleComponents_.push_back({reference, *product.priceInGrosze});
    if (product.multiPrice) multiPriceParents_.push_back({reference, *product.priceInGrosze, product.name});
}

DemoProducts::Product DemoProducts::ordinary() {
    const auto& families = productFamilies();
    const std::size_t familyIndex = static_cast<std::size_t>(random_.below(families.size()));
    const ProductFamily& family = families[familyIndex];
    const ProductGroup& group = *family.group;

    Product product;
    product.group = &group;
    product.type = group.productType;
    product.vat = group.vat;
    product.pkwiu = group.pkwiu;
    product.saleUnit = family.saleUnit;
    product.multipack = family.multipack;
    product.returnableBottle = family.returnableBottle;
    // The family's place within its group makes the second part of the group index.
    const auto first =
        std::find_if(families.begin(), families.end(), [&](const ProductFamily& f) { return f.group == &group; });
    product.groupIndex = std::string(group.code) + std::to_string(1 + (familyIndex - (first - families.begin())) % 10);

    product.name = std::string(family.base) + " " + std::string(pickFrom(random_, family.variants));
    double zloty = family.minPrice + random_.fraction() * (family.maxPrice - family.minPrice);
    if (!family.sizes.empty()) {
        const std::size_t sizeIndex = static_cast<std::size_t>(random_.below(family.sizes.size()));
        const PackSize& size = family.sizes[sizeIndex];
        product.name += " " + std::string(size.label);
        // Larger packs cost more, though less than in proportion.
        const PackSize& smallest = family.sizes.front();
        if (size.amount > 0 && smallest.amount > 0)
            zloty *= std::pow(size.amount / smallest.amount, 0.8);
        else
            zloty *= 1.0 + 0.6 * static_cast<double>(sizeIndex);
        if (size.unit != NoUnit) {
            product.conversionUnit = size.unit;
            product.conversionAmount = size.amount;
            if (random_.chance(0.5)) product.securityWeight = static_cast<int>(size.amount * 1000);
        }
    }
    product.priceInGrosze = shelfPrice(zloty);

    if (family.saleUnit == Kilogram && group.scaleSection > 0) {
        if (auto number = nextScaleNumber(group.scaleSection)) {
            product.weighed = true;
            product.section = group.scaleSection;
            product.scaleNumber = *number;
            product.conversionUnit = Kilogram;
            product.conversionAmount = 1.0;
        }
    }
    product.inStoreCode = !product.weighed && random_.chance(group.code == "PIE" ? 0.7 : 0.05);
    if (random_.chance(product.weighed ? 0.4 : 0.85))
        product.brand = 1 + static_cast<int>(random_.below(brandNames().size()));
    return product;
}

DemoProducts::Product DemoProducts::deposit(std::int64_t reference) {
    Product product;
    product.name = reference == bottle ? "Butelka zwrotna 0,5 l" : "Skrzynka na butelki 20 szt.";
    product.groupIndex = "OPZ1";
    product.pkwiu = "22.22.14.0";
    product.type = 2;  // returnable packaging
    product.vat = Vat0;
    product.priceInGrosze = reference == bottle ? 50 : 1500;
    return product;
}

DemoProducts::Product DemoProducts::bundle(std::int64_t reference) {
    Product product;
    product.name = std::string(pickFrom(random_, bundleNames())) + " nr " + std::to_string(bundles_ + 1);
    product.groupIndex = "ZES1";
    product.pkwiu = "47.11.10.0";
    product.type = 8;  // split bundle
    product.vat = Vat23;
    product.inStoreCode = true;
    product.activityStatus = random_.chance(0.1) ? 2 : 0;  // some are withdrawn and never sent

    const int components = static_cast<int>(random_.between(2, 4));
    std::vector<std::int64_t> chosen;
    std::int64_t total = 0;
    while (static_cast<int>(chosen.size()) < components) {
        const Earlier& component = pickFrom(random_, bundleComponents_);
        if (std::find(chosen.begin(), chosen.end(), component.reference) != chosen.end()) continue;
        chosen.push_back(component.reference);
        const int quantity = static_cast<int>(random_.between(1, 3));
        const std::int64_t price = std::max<std::int64_t>(1, component.priceInGrosze * 9 / 10);
        total += quantity * price;
        auto& zestaw = tables_.zestaw;
        zestaw["lMasterTowarRef"] = reference;
        zestaw["lTowarRef"] = component.reference;
        zestaw["dIlosc"] = static_cast<double>(quantity);
        zestaw["dSkladnikCenaSprzed"] = money(price);
        zestaw.insert();
    }
    product.priceInGrosze = total;
    ++bundles_;
    return product;
}

DemoProducts::Product DemoProducts::multiPriceElement() {
    static const std::vector<std::string_view> priceKinds{"cena klubowa", "cena hurtowa", "cena dla seniora"};
    const MultiPriceParent& parent = pickFrom(random_, multiPriceParents_);
    Product product;
    product.name = parent.name + " – " + std::string(pickFrom(random_, priceKinds));
    product.groupIndex = "WCE1";
    product.pkwiu = "47.11.10.0";
    product.vat = Vat23;
    product.priceInGrosze = markedDown(parent.priceInGrosze, 0.85, 0.97);
    product.multiPriceParent = parent.reference;
    product.ownCodes = false;
    return product;
}

void DemoProducts::writeProduct(const Product& product) {
    auto& towar = tables_.towar;
    towar["lTowarRef"] = product.reference;
    towar["sNazwa"] = product.name;
    towar["skrNazwa"] = shortName(product.name, 20);
    // Head-office products carry a six-digit index, the shop's own an "L" and seven digits.
    towar["sArtIndex"] = random_.chance(0.85) ? std::to_string(100000 + product.reference % 900000)
                                              : (boost::format("L%07d") % (product.reference % 10000000)).str();
    towar["sGrIndex"] = product.groupIndex;
    towar["sPKWiU"] = std::string(product.pkwiu);
    towar["byTyp"] = product.type;
    towar["byVAT"] = product.vat;
    if (product.group && product.group->code == "KAW") towar["OnSiteVatRateId"] = static_cast<int>(Vat8);
    towar["byRabatowy"] = random_.chance(0.95) ? 1 : 0;

    const std::optional<std::int64_t>& price = product.priceInGrosze;
    if (price) towar["dCenaSprzed"] = money(*price);

    std::optional<std::int64_t> promotion;
    if (random_.chance(0.02)) promotion = random_.between(1, promotions);
    towar["lPromocjaRef"] = promotion;
    const bool sendNow = random_.chance(0.03);
    towar["bySendNat"] = sendNow ? 1 : 0;
    towar["bySendWiecz"] = random_.chance(sendNow ? 0.2 : 0.02) ? 1 : 0;
    towar["bWieleCen"] = product.multiPrice ? 1 : 0;
    towar["lTowarWielocenowyRef"] = product.multiPriceParent;
    towar["multiPriceElementSaleLocked"] = product.multiPriceParent && random_.chance(0.1) ? 1 : 0;
    towar["locally_sale_blocked"] = random_.chance(0.005) ? 1 : 0;
    towar["bWagowy"] = product.weighed ? 1 : 0;
    if (product.weighed) {
        towar["nWagaSekcja"] = product.section;
        towar["nWagaPLU"] = product.scaleNumber;
        towar["byWeightType"] = 1;
    }
    if (product.securityWeight) {
        towar["nSecurityWeight"] = *product.securityWeight;
        towar["nWeightTolerance"] = std::max(5, *product.securityWeight / 20);
    }
    towar["bCenaOtwarta"] = product.type == 0 && random_.chance(0.01) ? 1 : 0;
    const double labels = random_.fraction();
    if (labels < 0.4)
        towar["byElEtyk"] = 1;
    else if (labels < 0.45)
        towar["byElEtyk"] = 0;
    towar["nJmSprz"] = product.saleUnit;
    towar["nJmPrzelicznik"] = product.conversionUnit;
    towar["dPrzelicznik"] = product.conversionAmount;
    if (product.group && product.group->shelfLifeDays > 0)
        towar["nOkresPrzydatnosci"] = product.group->shelfLifeDays + static_cast<int>(random_.between(-1, 3));
    const double activity = random_.fraction();
    towar["nStatusAktywnosci"] = product.activityStatus != 0 ? product.activityStatus
                                 : activity < 0.93           ? 0
                                 : activity < 0.97           ? 1
                                 : activity < 0.99           ? 2
                                                             : 3;
    if (!product.stockDays.empty()) towar["dLastStnDate"] = product.stockDays.back();
    if (product.returnableBottle && product.name.ends_with("0,5 l") && total_ >= bottle) towar["lOpakRef"] = bottle;
    if (product.group && product.group->ageLimit > 0) {
        towar["nPurchaseAgeLimit"] = product.group->ageLimit;
        towar["nSaleAgeLimit"] = product.group->ageLimit;
        towar["bIncreasedRisk"] = 1;
        towar["bSelfServiceNotAllowed"] = 1;
    }
    towar["brandId"] = product.brand;
    const bool alternativePrices = product.type == 0 && price && random_.chance(0.02);
    towar["alternative_Prices_Allowed"] = alternativePrices ? 1 : 0;
    towar["lGlownyDostawcaRef"] = 1 + static_cast<int>(random_.below(supplierNames().size()));
    if (random_.chance(0.1)) towar["nMarza"] = static_cast<double>(random_.between(15, 45));
    towar.insert();

    auto& params = tables_.salesParams;
    params["product_id"] = product.reference;
    if (price) params["sale_price"] = money(*price);
    params["simplified_promotion_id"] = promotion;
    if (alternativePrices)
        params["alternative_prices"] =
            (boost::format("<prices><price level=\"2\">%.2f</price></prices>") % money(markedDown(*price, 0.9, 0.97)))
                .str();
    params.insert();

    if (product.group && !product.group->composition.empty() && random_.chance(0.9)) {
        auto& sklad = tables_.sklad;
        sklad["lTowarRef"] = product.reference;
        sklad["sSklad"] = std::string(product.group->composition) +
                          (random_.chance(0.3) ? ". Może zawierać: gluten, mleko, orzechy." : ".");
        sklad.insert();
    }
}

void DemoProducts::writeCodes(const Product& product) {
    const std::int64_t ref = product.reference;
    const int status = random_.chance(0.02) ? Plu::Status::New : Plu::Status::Ordinary;

    std::string code;
    if (product.weighed) {
        if (random_.chance(0.2) && valueCodes_ < maxValueCodes)
            code = PluCodes::value(++valueCodes_);
        else
            code = PluCodes::weight(product.section, static_cast<std::uint32_t>(product.scaleNumber));
    } else if (product.inStoreCode) {
        code = PluCodes::inStore(++inStoreCodes_);
    } else if (random_.chance(0.05) && ean8s_ < maxEan8) {
        code = PluCodes::ean8(++ean8s_);
    } else {
        code = PluCodes::ean13(scatteredItem(++ean13s_));
    }
    writeCode(ref, code, status);
    if (product.weighed && random_.chance(0.03)) {
        // The product was moved to another scale number; the scales still hold the old one.
        auto& old = tables_.deletedScaleNumber;
        old["ProductId"] = ref;
        old["SectionNumber"] = random_.chance(0.7) ? product.section : 3 - product.section;
        old["NumberOnScale"] = static_cast<int>(random_.between(90000, 99999));
        old.insert();
    }

    if (product.multipack > 0 && random_.chance(0.4)) {
        writeCode(ref, PluCodes::ean13(scatteredItem(++ean13s_)), Plu::Status::Ordinary, Pack);
        auto& jmiar = tables_.jmiar;
        jmiar["lTowarRef"] = ref;
        jmiar["njm"] = static_cast<int>(Pack);
        jmiar["dPrzelicznikJm2base"] = static_cast<double>(product.multipack);
        jmiar.insert();
    }
    if (product.group && product.group->code == "PIE" && random_.chance(0.1) && shortCodes_ < maxShortCodes)
        writeCode(ref, PluCodes::shortCode(shortCodes_++), Plu::Status::Ordinary);
    if (random_.chance(0.03))
        writeCode(ref, PluCodes::ean13(scatteredItem(++ean13s_)),
                  random_.chance(0.5) ? Plu::Status::ToDelete : Plu::Status::Deleted);
    if (!product.weighed && product.priceInGrosze > 0 && random_.chance(0.015) && priceCodes_ < maxPriceCodes) {
        const std::int64_t price = markedDown(*product.priceInGrosze, 0.5, 0.8);
        if (price > 0 && price <= maxCarriedPrice)
            writeCode(ref, PluCodes::priceCarrying(++priceCodes_, price), Plu::Status::Ordinary);
    }
}

void DemoProducts::writeCode(std::int64_t product, const std::string& code, int status, std::optional<int> unit) {
    auto& plu = tables_.plu;
    plu["lPluRef"] = references_.next();
    plu["sPLU"] = code;
    plu["lTowarRef"] = product;
    plu["byStatus"] = status;
    plu["byBlokada"] = random_.chance(0.01) ? 1 : 0;
    plu["njm"] = unit;
    if (random_.chance(0.01)) plu["percentageDiscount"] = static_cast<double>(random_.between(5, 20));
    plu.insert();
}

void DemoProducts::writePriceConditions(const Product& product) {
    if (!product.priceInGrosze || *product.priceInGrosze <= 0) return;
    const std::int64_t ref = product.reference;
    const std::int64_t price = *product.priceInGrosze;
    const double kind = random_.fraction();
    if (kind < 0.05) {
        // Due today and not sent yet. A few products have an older markdown beside it,
        // already sent, that the new one takes further (never dearer).
        const int conditions = random_.chance(0.1) ? 2 : 1;
        std::int64_t conditionPrice = price;
        for (int i = 0; i < conditions; ++i) {
            conditionPrice = std::min(conditionPrice, markedDown(conditionPrice, 0.75, 0.95));
            const bool olderAndSent = i + 1 < conditions;
            writePriceCondition(ref, today_ - static_cast<std::int32_t>(random_.between(0, 3)),
                                today_ + static_cast<std::int32_t>(random_.between(0, 14)), conditionPrice,
                                olderAndSent);
        }
    } else if (kind < 0.055) {
        writePriceCondition(ref, today_, today_ + 7, 0, false);  // a wrongly entered price
    } else if (kind < 0.135) {
        const auto from = today_ - static_cast<std::int32_t>(random_.between(30, 90));
        writePriceCondition(ref, from, from + static_cast<std::int32_t>(random_.between(3, 20)),
                            markedDown(price, 0.7, 0.95), true);
    } else if (kind < 0.155) {
        const auto from = today_ + static_cast<std::int32_t>(random_.between(1, 7));
        writePriceCondition(ref, from, from + static_cast<std::int32_t>(random_.between(3, 14)),
                            markedDown(price, 0.75, 0.95), false);
    }
}

void DemoProducts::writePriceCondition(std::int64_t product, std::int32_t from, std::int32_t to,
                                       std::int64_t priceInGrosze, bool sent) {
    auto& warSprz = tables_.warSprz;
    warSprz["lWarSprzRef"] = references_.next();
    warSprz["lTowarRef"] = product;
    warSprz["DataOd"] = from;
    warSprz["DataDo"] = to;
    warSprz["dCenaSprzed"] = money(priceInGrosze);
    warSprz["byCenaWyslana"] = sent ? 1 : 0;
    if (random_.chance(0.2)) warSprz["lPromoRef"] = random_.between(1, promotions);
    warSprz.insert();
}

void DemoProducts::writeStock(const Product& product) {
    for (std::int32_t day : product.stockDays) {
        double quantity = product.weighed ? static_cast<double>(random_.between(500, 40000)) / 1000.0
                                          : static_cast<double>(random_.between(0, 200));
        if (random_.chance(0.03)) quantity = 0;
        auto& stn = tables_.stn;
        stn["lTowarRef"] = product.reference;
        stn["data"] = day;
        stn["dStan"] = quantity;
        if (product.priceInGrosze) {
            stn["dCenaSprzed"] = money(*product.priceInGrosze);
            stn["dWartoscSprzed"] = std::round(quantity * static_cast<double>(*product.priceInGrosze)) / 100.0;
        }
        stn.insert();
    }
}

void DemoProducts::writeSupplyData(const Product& product) {
    if (!product.priceInGrosze || *product.priceInGrosze <= 0 || product.type != 0) return;
    const double net = money(*product.priceInGrosze) / (1.0 + vatPercent(product.vat) / 100.0);
    const double purchase =
        std::round(net / (1.0 + static_cast<double>(random_.between(15, 40)) / 100.0) * 10000.0) / 10000.0;
    if (random_.chance(0.2)) {
        auto& warzak = tables_.warzak;
        const std::int64_t ref = references_.next();
        warzak["lWarZakRef"] = ref;
        warzak["lTowarRef"] = product.reference;
        warzak["lOdFirmaRef"] = 1 + static_cast<int>(random_.below(supplierNames().size()));
        warzak["dCenaZak"] = purchase;
        warzak["DataOd"] = today_ - static_cast<std::int32_t>(random_.between(30, 300));
        if (random_.chance(0.5)) warzak["DataDo"] = today_ + static_cast<std::int32_t>(random_.between(10, 200));
        if (random_.chance(0.5)) warzak["lWarZakCentrRef"] = ref;  // received from the head office
        warzak.insert();
    }
    if (random_.chance(0.3)) {
        auto& dostawa = tables_.dostawa;
        dostawa["lDostawaRef"] = references_.next();
        dostawa["lTowarRef"] = product.reference;
        dostawa["lFirmaRef"] = 1 + static_cast<int>(random_.below(supplierNames().size()));
        dostawa["data"] = today_ - static_cast<std::int32_t>(random_.between(1, 60));
        dostawa["dIlosc"] = static_cast<double>(random_.between(5, 200));
        dostawa["dCenaZak"] = purchase;
        dostawa.insert();
    }
}

void DemoProducts::writeProductSetLinks(const Product& product) {
    if (!random_.chance(0.04)) return;
    const int sets = static_cast<int>(productSetNames().size());
    const int first = static_cast<int>(random_.between(1, sets));
    const int count = random_.chance(0.3) ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        auto& link = tables_.productSetLink;
        link["ProductId"] = product.reference;
        link["ProductSetId"] = 1 + (first - 1 + i) % sets;
        link["Deleted"] = random_.chance(0.1) ? 1 : 0;
        link.insert();
    }
}

void DemoProducts::writeDiscountsAndFeatures(const Product& product) {
    if (product.type == 0 && random_.chance(0.05)) {
        const int first = static_cast<int>(random_.between(1, DemoFixtures::automaticDiscountTypeCount));
        const int count = random_.chance(0.3) ? 2 : 1;
        for (int i = 0; i < count; ++i) {
            auto& discount = tables_.productDiscount;
            discount["ProductId"] = product.reference;
            discount["AutomaticDiscountTypeId"] = 1 + (first - 1 + i) % DemoFixtures::automaticDiscountTypeCount;
            discount.insert();
        }
    }
    // Bread and coffee may be ordered at the counter: their printouts go to a kitchen.
    const std::string_view group = product.group ? product.group->code : std::string_view();
    if ((group == "PIE" || group == "KAW") && random_.chance(0.3)) {
        auto& feature = tables_.productFeature;
        feature["product_id"] = product.reference;
        feature["name"] = "Kitchen type";
        feature["value"] = group == "PIE" ? "Piekarnia" : "Kawiarnia";
        feature.insert();
    }
}

void DemoProducts::recordSuccessor(std::int64_t reference) {
    successor_.Params["successor"] = reference;
    successor_.Params["predecessor"] = random_.between(crate + 1, reference - 1);
    successor_.execute();
}

std::int64_t DemoProducts::markedDown(std::int64_t priceInGrosze, double lowFactor, double highFactor) {
    const double factor = lowFactor + random_.fraction() * (highFactor - lowFactor);
    return std::max<std::int64_t>(9, shelfPrice(static_cast<double>(priceInGrosze) * factor / 100.0));
}

std::optional<int> DemoProducts::nextScaleNumber(int section) {
    std::uint32_t& last = scaleNumbers_[section == 1 ? 0 : 1];
    if (last >= maxScaleNumber) return std::nullopt;
    return static_cast<int>(++last);
}

}  // namespace ShopDb
