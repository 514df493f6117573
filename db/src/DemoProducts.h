// The products of the demo shop, one at a time, each with everything that hangs on it:
// its PLU codes, current sale parameters, price conditions, stock, composition,
// purchase conditions, supplies, product-set links, automatic discounts, features and
// old scale numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DemoTables.h"
#include "ProductCatalogue.h"
#include "Random.h"
#include "db/Command.h"

namespace ShopDb {

// References for new rows of every table but Towar, handed out in one run like the
// shop's own reference counter does.
class ReferenceCounter {
public:
    explicit ReferenceCounter(std::int64_t last) : last_(last) {}
    std::int64_t next() { return ++last_; }
    std::int64_t last() const noexcept { return last_; }

private:
    std::int64_t last_;
};

class DemoProducts {
public:
    // Products take the references 1 to `total`; today is the shop's day number.
    DemoProducts(const TSessionHolder& session, DemoTables& tables, Random& random, ReferenceCounter& references,
                 std::int32_t today, std::int64_t total);

    // Makes product `reference`; products are made in ascending order.
    void make(std::int64_t reference);

    std::int64_t bundles() const noexcept { return bundles_; }

private:
    struct Product;
    // What later products need to know of an earlier one.
    struct Earlier {
        std::int64_t reference;
        std::int64_t priceInGrosze;
    };
    struct MultiPriceParent {
        std::int64_t reference;
        std::int64_t priceInGrosze;
        std::string name;
    };

    Product ordinary();
    Product deposit(std::int64_t reference);
    Product bundle(std::int64_t reference);
    Product multiPriceElement();

    void writeProduct(const Product& product);
    void writeCodes(const Product& product);
    void writeCode(std::int64_t product, const std::string& code, int status, std::optional<int> unit = {});
    void writePriceConditions(const Product& product);
    void writePriceCondition(std::int64_t product, std::int32_t from, std::int32_t to, std::int64_t priceInGrosze,
                             bool sent);
    void writeStock(const Product& product);
    void writeSupplyData(const Product& product);
    void writeProductSetLinks(const Product& product);
    void writeDiscountsAndFeatures(const Product& product);
    void recordSuccessor(std::int64_t reference);

    std::int64_t markedDown(std::int64_t priceInGrosze, double lowFactor, double highFactor);
    std::optional<int> nextScaleNumber(int section);

    DemoTables& tables_;
    Random& random_;
    ReferenceCounter& references_;
    std::int32_t today_;
    std::int64_t total_;
    DBKernel::Sql::Command successor_;

    // Running numbers of the codes of each kind and of the scale numbers.
    std::uint64_t ean13s_ = 0, inStoreCodes_ = 0;
    std::uint32_t ean8s_ = 0, valueCodes_ = 0, priceCodes_ = 0, shortCodes_ = 0;
    std::uint32_t scaleNumbers_[2] = {0, 0};

    std::vector<Earlier> bundleComponents_;
    std::vector<MultiPriceParent> multiPriceParents_;
    std::int64_t bundles_ = 0;
};

}  // namespace ShopDb
