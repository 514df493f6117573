// Bundles compare their items in order and clone them deep. (The PLU record's fields
// are proved by the transfer-file round trip, every field with its own value.)
#include <gtest/gtest.h>

#include "cashregister/Bundles.h"

namespace {
Kolvenia::BundleWithElements bundle(std::uint32_t id, std::initializer_list<std::pair<std::uint32_t, double>> items) {
    Kolvenia::BundleWithElements result;
    result.setId(id);
    for (const auto& [itemId, quantity] : items) {
        auto item = std::make_shared<Kolvenia::BundleItem>();
        item->setId(itemId);
        item->setQuantity(quantity);
        item->setSellPrice(quantity * 2);
        result.getItems()->add(item);
    }
    return result;
}
}  // namespace

TEST(Bundles, EqualityComparesItemsInOrderNotTheirHolders) {
    EXPECT_EQ(bundle(1, {{10, 1}, {11, 2}}), bundle(1, {{10, 1}, {11, 2}}));
    EXPECT_NE(bundle(1, {{10, 1}, {11, 2}}), bundle(1, {{11, 2}, {10, 1}}));
    EXPECT_NE(bundle(1, {{10, 1}, {11, 2}}), bundle(1, {{10, 1}}));
    EXPECT_NE(bundle(1, {{10, 1}}), bundle(1, {{10, 1.5}}));
    EXPECT_NE(bundle(1, {{10, 1}}), bundle(2, {{10, 1}}));
    Kolvenia::BundleWithElements withoutId = bundle(1, {});
    withoutId.setId(std::nullopt);
    EXPECT_NE(withoutId, bundle(1, {}));
}

TEST(Bundles, CloneOwnsItsItemsWhileCopyShares) {
    const Kolvenia::BundleWithElements original = bundle(1, {{10, 1}});
    Kolvenia::BundleWithElements clone;
    clone.cloneFields(original);
    Kolvenia::BundleWithElements copy = original;
    EXPECT_EQ(clone, original);

    (*original.getItems()->begin())->setQuantity(5);
    original.getItems()->add(std::make_shared<Kolvenia::BundleItem>());
    EXPECT_EQ(copy, original);
    EXPECT_EQ(clone, bundle(1, {{10, 1}}));
}
