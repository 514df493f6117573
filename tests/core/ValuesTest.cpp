#include <gtest/gtest.h>

#include "core/JavaPointer.h"
#include "core/Money.h"
#include "core/ObjectRegistry.h"
#include "core/Singleton.h"

TEST(Money, RoundsHalfAwayFromZeroAndFormatsFixed) {
    EXPECT_EQ(Core::Price::fromDouble(12.345).toString(), "12.35");
    EXPECT_EQ(Core::Price::fromDouble(-0.005).toString(), "-0.01");
    EXPECT_EQ(Core::Price::fromDouble(0.1 + 0.2).units(), 30);
    EXPECT_EQ(Core::Quantity::fromDouble(1.0005).toString(), "1.001");
    EXPECT_EQ(Core::Quantity::fromDouble(-2.5).toString(), "-2.500");
    EXPECT_TRUE(Core::Price::fromDouble(0.004).isZero());
    EXPECT_LT(Core::Price::fromDouble(1.99), Core::Price::fromDouble(2.0));
}

TEST(JavaPointer, DereferencingNullNamesThePointeeType) {
    java::pointer<Core::Price> empty;
    try {
        (void)empty->units();
        FAIL() << "dereference did not raise";
    } catch (const java::null_pointer& e) {
        EXPECT_STREQ(e.what(), "refering to null Core::Decimal<2>");
    }
}

TEST(ObjectRegistry, RefusesDuplicatesAndForgetsEntriesWithTheirHandles) {
    Core::ObjectRegistry<int> registry;
    auto handle = registry.add("b", 2);
    {
        auto other = registry.add("a", 1);
        EXPECT_EQ(registry.entries().begin()->first, "a");
        try {
            registry.add("a", 3);
            FAIL() << "duplicate accepted";
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), "Duplicate registration for key a");
        }
        EXPECT_EQ(registry.get("a"), 1);
    }
    try {
        registry.get("a");
        FAIL() << "missing entry found";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Missing registered object for key a");
    }
    EXPECT_EQ(registry.get("b"), 2);
}

namespace {
struct Abstract {
    virtual ~Abstract() = default;
    virtual int value() const = 0;
};
struct Concrete : Abstract {
    int value() const override { return 7; }
};
}  // namespace

TEST(Singleton, AbstractTypesNeedARegisteredInstanceConcreteOnesAreMadeOnce) {
    EXPECT_THROW(Core::SingletonImplHolder<Abstract>::instance(), Core::PlacedRuntimeError);
    Core::SingletonImplHolder<Abstract>::set(std::make_shared<Concrete>());
    EXPECT_EQ(Core::SingletonImplHolder<Abstract>::instance().value(), 7);
    Core::SingletonImplHolder<Abstract>::reset();
    EXPECT_FALSE(Core::SingletonImplHolder<Abstract>::find());
    EXPECT_EQ(&Core::SingletonImplHolder<Concrete>::instance(), &Core::SingletonImplHolder<Concrete>::instance());
}
