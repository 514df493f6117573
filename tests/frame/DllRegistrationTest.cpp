#include <gtest/gtest.h>

#include <stdexcept>

#include "core/ActionContainer.h"
#include "core/ModuleEntry.h"
#include "frame/ActionRegistration.h"
#include "support/ErrorOf.h"

namespace {

constexpr const char* TestGuid = "{0A1B2C3D-0000-4000-8000-000000000001}";

class TestAction : public Core::IAction, public Core::IExecutor {
public:
    std::string getGUID() const override { return TestGuid; }
};

void registerOneAction(Core::ModuleRegistrationList& list) {
    list.add(Kolvenia::regAction(std::make_shared<TestAction>(), CORE_SRC_INFO("registerOneAction")));
}

bool registered() { return Core::Action::CContainer::instance().contains(TestGuid); }

}  // namespace

TEST(DllRegistration, AttachRegistersAndDetachRemovesEverything) {
    Core::RegistrationListPtr list;
    EXPECT_TRUE(Core::manageDllRegistations(Core::DLL_PROCESS_ATTACH, list, registerOneAction));
    ASSERT_TRUE(list);
    EXPECT_TRUE(registered());

    EXPECT_TRUE(Core::manageDllRegistations(Core::DLL_PROCESS_DETACH, list, registerOneAction));
    EXPECT_FALSE(list);
    EXPECT_FALSE(registered());
}

TEST(DllRegistration, OtherReasonsAndDetachWithoutListChangeNothing) {
    Core::RegistrationListPtr list;
    for (unsigned long reason : {2ul, 3ul})
        EXPECT_FALSE(Core::manageDllRegistations(reason, list, registerOneAction)) << reason;
    EXPECT_FALSE(Core::manageDllRegistations(Core::DLL_PROCESS_DETACH, list, registerOneAction));
    EXPECT_FALSE(list);
    EXPECT_FALSE(registered());
}

TEST(DllRegistration, ExceptionDuringAttachLeavesNothingRegistered) {
    Core::RegistrationListPtr list;
    auto failAfterRegistering = [](Core::ModuleRegistrationList& l) {
        registerOneAction(l);
        throw std::runtime_error("unit failed");
    };
    EXPECT_FALSE(
        Core::manageDllRegistationsAndDependencies(nullptr, Core::DLL_PROCESS_ATTACH, list, failAfterRegistering));
    EXPECT_FALSE(list);
    EXPECT_FALSE(registered());
    EXPECT_EQ(Core::PackageLoaderWithDep::Dependencies::instance().registeredCount(), 0u);
}

TEST(DllRegistration, SuccessfulAttachRegistersForDeferredDependencies) {
    Core::RegistrationListPtr list;
    int instance = 0;
    EXPECT_TRUE(
        Core::manageDllRegistationsAndDependencies(&instance, Core::DLL_PROCESS_ATTACH, list, registerOneAction));
    EXPECT_EQ(Core::PackageLoaderWithDep::Dependencies::instance().registeredCount(), 1u);
    EXPECT_TRUE(
        Core::manageDllRegistationsAndDependencies(&instance, Core::DLL_PROCESS_DETACH, list, registerOneAction));
    EXPECT_EQ(Core::PackageLoaderWithDep::Dependencies::instance().registeredCount(), 1u);
}

TEST(ActionRegistration, CreatorRegistrationMakesAFreshObjectPerCallAndNamesItsClass) {
    auto handle = Kolvenia::regActionCreator(
        TestGuid, [] { return std::make_shared<TestAction>(); }, CORE_SRC_INFO("test"));
    auto& container = Core::Action::CContainer::instance();
    EXPECT_NE(container.getAction(TestGuid), container.getAction(TestGuid));
    ASSERT_EQ(container.listings().size(), 1u);
    EXPECT_EQ(container.listings().front().className, "(anonymous namespace)::TestAction");
}

TEST(ActionRegistration, InstanceRegistrationAlwaysGivesTheSameObject) {
    auto action = std::make_shared<TestAction>();
    auto handle = Kolvenia::regAction(action, CORE_SRC_INFO("test"));
    EXPECT_EQ(Core::Action::CContainer::instance().getAction(TestGuid), action);
}

TEST(ActionRegistration, DefaultInterfaceOperationsRaiseTheirMessages) {
    class Plain : public Core::IAction, public Core::IExecutor {};
    Plain plain;
    EXPECT_EQ(TestSupport::errorOf<std::logic_error>([&] { plain.getGUID(); }), "Operation not supported.");
    EXPECT_EQ(TestSupport::errorOf<std::logic_error>([&] { plain.execute(java::pointer<Core::IUnknown>()); }),
              "IExecutor::execute illegal function call.");
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { plain.as<Core::IArgVectorGetter>(); }),
              "Error while casting interface Core::IUnknown");
    EXPECT_TRUE(plain.is<Core::IExecutor>());
    EXPECT_FALSE(plain.is<Core::IOStreamGetter>());
}
