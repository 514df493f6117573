// The ready-made collections over a set of devices that tells their rules apart.
#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "DeviceDatabase.h"
#include "devicedefs/Kolekcje.h"

namespace DeviceTests {
namespace {

using CollectionFunction = TUrzadzenieCollectionPtr (*)();

std::vector<int> refsOf(const TUrzadzenieCollectionPtr& collection) {
    std::vector<int> refs;
    for (std::size_t i = 0; collection && i < collection->size(); ++i) refs.push_back((*collection)[i]->lUrzadzenieRef);
    return refs;
}

const TUrzadzenie& deviceWithRef(const TUrzadzenieCollection& collection, int ref) {
    for (std::size_t i = 0; i < collection.size(); ++i)
        if (collection[i]->lUrzadzenieRef == ref) return *collection[i];
    throw std::runtime_error("no device " + std::to_string(ref));
}

class DeviceCollections : public DeviceDatabase {
protected:
    // Stored out of order; each device fails exactly one rule or stands for a kind.
    void addShopFloor() {
        addDevice({.ref = 6, .type = tuKasa, .section = 0, .number = 6, .transmisja = 0, .rozszerzonaTransmisja = 1});
        addDevice({.ref = 1, .type = tuKasa, .section = 0, .number = 2});
        addDevice({.ref = 3, .type = tuKasa, .section = 0, .number = 3, .wlaczone = 0});
        addDevice({.ref = 2, .type = tuKasa, .section = 0, .number = 1, .dostepne = 0});
        addDevice({.ref = 4, .type = tuKasa, .section = 0, .number = 4, .zainstalowane = 0});
        addDevice({.ref = 5, .type = tuKasa, .section = 0, .number = 5, .czynne = 0});
        addDevice({.ref = 7, .type = tuWaga, .section = 2, .number = 1});
        addDevice({.ref = 11, .type = tuWaga, .section = 1, .number = 2, .wlaczone = 0});
        addDevice({.ref = 8, .type = tuWaga, .section = 1, .number = 1, .dostepne = 0});
        addDevice({.ref = 10, .type = 3, .section = 0, .number = 1});
        addDevice({.ref = 12, .type = tuSkaner, .section = 0, .number = 2, .wlaczone = 0, .dostepne = 0});
        addDevice({.ref = 9, .type = tuSkaner, .section = 0, .number = 1});
    }
};

TEST_P(DeviceCollections, EachCollectionKeepsItsDevicesInTypeSectionNumberOrder) {
    addShopFloor();
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaUrzadzen()), (std::vector<int>{2, 1, 3, 4, 5, 6, 8, 11, 7, 9, 12, 10}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaKas()), (std::vector<int>{2, 1, 3, 4, 5, 6}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaZainstalowanychKas()), (std::vector<int>{2, 1, 5, 6}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaCzynnychKas()), (std::vector<int>{1, 6}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaWlaczonychUrzadzen()), (std::vector<int>{2, 1, 4, 5, 6, 8, 7, 9, 10}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaDostepnychUrzadzen()), (std::vector<int>{1, 4, 5, 6, 7, 9, 10}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaKasIWagDoTransmisji()), (std::vector<int>{2, 1, 4, 5, 8, 7}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaSkanerow()), (std::vector<int>{9, 12}));
}

TEST_P(DeviceCollections, DevicesCarryTheirColumnsAndEnabledSwitch) {
    addShopFloor();
    const TUrzadzenieCollectionPtr all = Kolvenia::kolekcjaUrzadzen();
    ASSERT_TRUE(all);

    const TUrzadzenie& scale = deviceWithRef(*all, 8);
    EXPECT_EQ(scale.nNrTypuUrz, tuWaga);
    EXPECT_EQ(scale.nNrSekcji, 1);
    EXPECT_EQ(scale.nNrKolvenia, 1);
    EXPECT_TRUE(scale.bWlaczone);
    EXPECT_FALSE(scale.bDostepne);
    EXPECT_FALSE(scale.bRozszerzonaTransmisja);
    EXPECT_TRUE(deviceWithRef(*all, 6).bRozszerzonaTransmisja);

    const std::vector<int> enabled = refsOf(Kolvenia::kolekcjaWlaczonychUrzadzen());
    for (std::size_t i = 0; i < all->size(); ++i) {
        const TUrzadzenie& device = *(*all)[i];
        EXPECT_EQ(Kolvenia::urzadzenieWlaczone(device),
                  std::ranges::find(enabled, device.lUrzadzenieRef) != enabled.end())
            << device.lUrzadzenieRef;
    }
}

TEST_P(DeviceCollections, NoMatchingDeviceGivesNoCollection) {
    const std::vector<CollectionFunction> every{Kolvenia::kolekcjaUrzadzen,
                                                Kolvenia::kolekcjaKas,
                                                Kolvenia::kolekcjaZainstalowanychKas,
                                                Kolvenia::kolekcjaCzynnychKas,
                                                Kolvenia::kolekcjaWlaczonychUrzadzen,
                                                Kolvenia::kolekcjaDostepnychUrzadzen,
                                                Kolvenia::kolekcjaKasIWagDoTransmisji,
                                                Kolvenia::kolekcjaSkanerow};
    for (CollectionFunction collection : every) EXPECT_EQ(collection(), nullptr);

    addDevice({.ref = 1, .type = tuWaga, .section = 1, .number = 1});
    EXPECT_EQ(Kolvenia::kolekcjaKas(), nullptr);
    EXPECT_EQ(Kolvenia::kolekcjaZainstalowanychKas(), nullptr);
    EXPECT_EQ(Kolvenia::kolekcjaCzynnychKas(), nullptr);
    EXPECT_EQ(Kolvenia::kolekcjaSkanerow(), nullptr);
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaKasIWagDoTransmisji()), (std::vector<int>{1}));
    EXPECT_EQ(refsOf(Kolvenia::kolekcjaDostepnychUrzadzen()), (std::vector<int>{1}));
}

KORVEL_ON_EACH_ENGINE(DeviceCollections);

}  // namespace
}  // namespace DeviceTests
