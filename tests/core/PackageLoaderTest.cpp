#include <gtest/gtest.h>

#include "core/PackageLoader.h"
#include "support/TempDir.h"

TEST(PackageLoader, HostNamesResolveToLowerCaseSharedObjectsInTheModuleDirectory) {
    Core::SharedPackageLoader loader;
    loader.setModuleDirectory("/opt/korvel/modules");
    EXPECT_EQ(loader.resolve("Tankora.dll"), "/opt/korvel/modules/tankora.so");
    EXPECT_EQ(loader.resolve("XmlBasedServerCommunication.BPL"), "/opt/korvel/modules/xmlbasedservercommunication.so");
    EXPECT_EQ(loader.resolve("/usr/lib/other.so"), "/usr/lib/other.so");
    EXPECT_EQ(loader.resolve(".dll"), ".dll");  // no base name: taken as it stands, and fails to load
}

TEST(PackageLoader, MissingModuleIsRefusedWithItsName) {
    Core::SharedPackageLoader loader;
    TestSupport::TempDir dir;
    loader.setModuleDirectory(dir.path());
    try {
        loader.load("Brak.dll");
        FAIL() << "load did not raise";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Nie można załadować modułu Brak.dll: ")) << e.what();
    }
    EXPECT_FALSE(loader.isLoaded("Brak.dll"));
}

TEST(PackageLoader, SharedObjectWithoutEntryPointIsRefused) {
    Core::SharedPackageLoader loader;
    // The host core library itself is a shared object without a module entry.
    const std::string core = std::string(KORVEL_TEST_BINARY_DIR) + "/lib/libkorvel_core.so";
    try {
        loader.load(core);
        FAIL() << "load did not raise";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Nie można załadować modułu " + core + ": brak funkcji DllEntryPoint");
    }
    EXPECT_FALSE(loader.isLoaded(core));
}

TEST(InitializeModules, RunsQueuedFunctionsOnceInOrderIncludingOnesQueuedMeanwhile) {
    std::vector<int> order;
    Core::ModuleRegistrationList handles;
    handles.add(Core::registerInitializeModuleFunction(
        {CORE_SRC_INFO("first"), [&] {
             order.push_back(1);
             handles.add(Core::registerInitializeModuleFunction({CORE_SRC_INFO("third"), [&] { order.push_back(3); }}));
         }}));
    handles.add(Core::registerInitializeModuleFunction({CORE_SRC_INFO("second"), [&] { order.push_back(2); }}));
    Core::SharedPackageLoaderWithDep loader;
    loader.initializeModules();
    loader.initializeModules();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(InitializeModules, AFunctionWhoseHandleWentBeforeItRanIsNotRun) {
    std::vector<int> order;
    auto kept = Core::registerInitializeModuleFunction({CORE_SRC_INFO("kept"), [&] { order.push_back(1); }});
    Core::registerInitializeModuleFunction({CORE_SRC_INFO("withdrawn"), [&] { order.push_back(2); }}).reset();
    Core::SharedPackageLoaderWithDep loader;
    loader.initializeModules();
    kept.reset();  // after it ran: nothing left to take out
    loader.initializeModules();
    EXPECT_EQ(order, std::vector<int>{1});
}

TEST(InitializeModules, AModuleWithoutAHandleCannotWaitForItsDependencies) {
    auto& dependencies = Core::PackageLoaderWithDep::Dependencies::instance();
    EXPECT_THROW(dependencies.registerForDeferredLoadDependencies(nullptr, Core::DLL_PROCESS_ATTACH), std::logic_error);
    EXPECT_EQ(dependencies.registeredCount(), 0u);
}
