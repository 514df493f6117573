// What a Polish grocery sells, as word lists the demo shop composes product
// names from: groups of goods with their VAT rate, scale section and shelf life,
// and within them families of products ("Chleb" + "żytni razowy" + "500 g").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ShopDb {

// Sale units (table JednostkaMiary).
enum Unit : int { NoUnit = 0, Piece = 1, Litre = 2, Kilogram = 3, Pack = 4 };

// VAT rates (table StawkaVat).
enum VatRate : int { Vat23 = 1, Vat8 = 2, Vat5 = 3, Vat0 = 4, VatExempt = 5 };

struct ProductGroup {
    std::string_view code;   // three letters; a group index is the code and a digit
    int productType;         // Towar.byTyp: 0 goods, 1 service
    std::string_view pkwiu;  // statistical classification of the group's goods
    VatRate vat;
    int scaleSection;              // weighed goods go to the scales of this section
    int shelfLifeDays;             // 0: none printed
    int ageLimit;                  // 0: none
    std::string_view composition;  // ingredients printed by the scales; empty: none
};

// One packed size: its label and its amount in the unit that prices per unit use.
struct PackSize {
    std::string_view label;
    Unit unit;
    double amount;
};

struct ProductFamily {
    const ProductGroup* group;
    std::string_view base;
    std::vector<std::string_view> variants;
    std::vector<PackSize> sizes;  // empty: sold loose, by the sale unit
    Unit saleUnit;
    double minPrice, maxPrice;      // per piece or per sale unit, in złoty
    int multipack;                  // pieces in a carton sold under its own code; 0: none
    bool returnableBottle = false;  // its 0,5 l bottles carry a deposit
};

const std::vector<ProductFamily>& productFamilies();

struct Supplier {
    std::string_view name;
    std::string_view shortName;
};

// Names the demo shop also needs.
const std::vector<std::string_view>& brandNames();
const std::vector<Supplier>& supplierNames();
const std::vector<std::string_view>& productSetNames();
const std::vector<std::string_view>& giftNames();
const std::vector<std::string_view>& bundleNames();

// A name in at most maxChars characters (not bytes), the way registers print it:
// "500 g" becomes "500g", long words (the first one last) become their first three
// letters and a dot, longest first, the spaces after those dots go, and only then is
// the rest cut.
std::string shortName(std::string_view name, std::size_t maxChars);

}  // namespace ShopDb
