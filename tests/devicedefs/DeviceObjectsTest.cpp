// Device records, their display names, collections and the strategies that narrow them.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "devicedefs/UrzadzenieCollection.h"
#include "devicedefs/UrzadzenieView.h"
#include "frame/strategies/UrzCollectionModStrategies.h"

namespace {

std::unique_ptr<TUrzadzenie> device(int ref, int type, int section, int number) {
    auto d = std::make_unique<TUrzadzenie>();
    d->lUrzadzenieRef = ref;
    d->nNrTypuUrz = type;
    d->nNrSekcji = section;
    d->nNrKolvenia = number;
    return d;
}

std::vector<int> refsOf(const TUrzadzenieCollection& collection) {
    std::vector<int> refs;
    for (std::size_t i = 0; i < collection.size(); ++i) refs.push_back(collection[i]->lUrzadzenieRef);
    return refs;
}

// Cash registers 10, 20, 30, a scale 40 and a scanner 50, in that order.
TUrzadzenieCollection fiveDevices() {
    TUrzadzenieCollection collection;
    collection.add(device(10, tuKasa, 0, 1));
    collection.add(device(20, tuKasa, 0, 2));
    collection.add(device(30, tuKasa, 0, 3));
    collection.add(device(40, tuWaga, 1, 1));
    collection.add(device(50, tuSkaner, 0, 1));
    return collection;
}

TEST(DeviceRecord, NamesItsClassAndCastsToItselfAndItsBase) {
    const TUrzadzenie d;
    const Core::TDBObject& asBase = d;
    EXPECT_EQ(asBase.className(), "TUrzadzenie");
    EXPECT_TRUE(asBase.castableTo("TUrzadzenie"));
    EXPECT_TRUE(asBase.castableTo("TDBObject"));
    EXPECT_FALSE(asBase.castableTo("TTowar"));
    EXPECT_FALSE(Core::TDBObject().castableTo("TUrzadzenie"));
}

TEST(DeviceView, NamesEachKindOfDevice) {
    EXPECT_EQ(TUrzadzenieView(*device(1, tuKasa, 4, 3)).displayName(), "Kasa nr 3");
    EXPECT_EQ(TUrzadzenieView(*device(1, tuWaga, 2, 5)).displayName(), "Waga nr 5 w sekcji 2");
    EXPECT_EQ(TUrzadzenieView(*device(1, tuSkaner, 0, 1)).displayName(), "Skaner nr 1");
    EXPECT_EQ(TUrzadzenieView(*device(1, 3, 0, 7)).displayName(), "Urządzenie nr 7");
    EXPECT_EQ(TUrzadzenieView(*device(1, tuWaga, 2, 5)).kindName(), "Waga");
}

TEST(Strategies, FromSetKeepsOnlyTheChosenDevicesInCollectionOrder) {
    TUrzadzenieCollection collection = fiveDevices();
    const TUrzadzenie* scale = collection[3];
    CFromSetUrzCollectionModStrategy({40, 10, 99}).modify(collection);
    EXPECT_EQ(refsOf(collection), (std::vector<int>{10, 40}));
    EXPECT_EQ(collection[1], scale);  // the kept devices are the same objects

    CFromSetUrzCollectionModStrategy({}).modify(collection);
    EXPECT_TRUE(collection.empty());
}

TEST(Strategies, NeutralOnesLeaveEveryDeviceInPlace) {
    TUrzadzenieCollection collection = fiveDevices();
    CNotIntegratedUrzCollectionModStrategy().modify(collection);
    CNullUrzCollectionModStrategy().modify(collection);
    EXPECT_EQ(refsOf(collection), (std::vector<int>{10, 20, 30, 40, 50}));
}

}  // namespace
