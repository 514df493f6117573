// The exported records: each field has its own storage, equality sees every field,
// and copies are complete.
#include <gtest/gtest.h>

#include "ExportedPluFields.h"
#include "cashregister/Bundles.h"

using CrServerTest::fullyFilledPlu;
using CrServerTest::pluFields;

TEST(ExportedPlu, EachSetterChangesOnlyItsFieldAndEqualityNoticesIt) {
    const Kolvenia::ExportedPlu full = fullyFilledPlu();
    EXPECT_NE(full, Kolvenia::ExportedPlu());
    for (const auto& changed : pluFields()) {
        Kolvenia::ExportedPlu plu = full;
        changed.set(plu, true);
        EXPECT_NE(plu, full) << changed.name;
        for (const auto& other : pluFields())
            EXPECT_TRUE(other.holds(plu, &other == &changed)) << other.name << " after setting " << changed.name;

        Kolvenia::ExportedPlu clone;
        clone.cloneFields(plu);
        EXPECT_EQ(clone, plu) << changed.name;
    }
}

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
