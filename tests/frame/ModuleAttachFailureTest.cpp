// The device module's attach made to fail at each of its steps: whatever it had done
// is undone, including what modules it loaded meanwhile hold, and nothing of its code
// stays queued or reachable once it is unloaded.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "external/ExternalDataSenders.h"

namespace {

constexpr const char* TankoraSenderKey = "{7F0E4C2B-3A61-4D8E-B5C9-1E2F3A4B5C6D}";
// The petrol-station module's own action, registered when that module loads.
constexpr const char* TankoraPromotionsAction = "{6230B3D2-2D52-43B6-B85D-8259082ACF9E}";

// Petrol-station support on, and the petrol-station module named as the cash-register
// transmission module too, so that a stale initialisation function would load it.
constexpr const char* Configuration = R"(<configuration>
  <key name="Inne"><key name="Obsługa stacji paliw" type="bool" value="true"/></key>
  <key name="Parametry programu"><key name="FrontOffice"><key name="Serwer Kasowy">
    <key name="Moduł transmisji do kasy" type="string" value="Tankora.bpl"/>
  </key></key></key>
</configuration>
)";

class Blocker : public Core::IAction {};

class ModuleAttachFailure : public ::testing::Test {
protected:
    void SetUp() override { Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(Configuration); }
    void TearDown() override { loader().unloadAll(); }

    static Core::SharedPackageLoader& loader() { return Core::SharedPackageLoader::instance(); }
    static void initializeModules() {
        Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance().initializeModules();
    }
    static std::vector<std::string> registeredGuids() {
        std::vector<std::string> guids;
        for (const auto& listing : Core::Action::CContainer::instance().listings()) guids.push_back(listing.guid);
        return guids;
    }
    // The GUIDs the module registers, in its order, read from a clean load.
    static std::vector<std::string> moduleGuids() {
        loader().load("Devices.dll");
        auto guids = registeredGuids();
        loader().unloadAll();
        return guids;
    }
    static void expectNothingOfTheModuleLeft(const std::string& step) {
        EXPECT_FALSE(loader().isLoaded("Devices.dll")) << step;
        EXPECT_FALSE(loader().isLoaded("Tankora.dll")) << step;
        EXPECT_FALSE(Core::SingletonImplHolder<Senders::ExternalDataSenders>::find()) << step;
        initializeModules();  // a function left queued would load the petrol-station module again
        EXPECT_FALSE(loader().isLoaded("Tankora.dll")) << step;
    }
};

}  // namespace

TEST_F(ModuleAttachFailure, AnActionRegistrationRefusedAtAnyStepUndoesTheWholeAttach) {
    const auto guids = moduleGuids();
    ASSERT_GE(guids.size(), 3u);
    for (const auto& blocked : guids) {
        auto blocking = Core::Action::CContainer::instance().registerActionCreator(
            blocked, [] { return std::make_shared<Blocker>(); });
        EXPECT_THROW(loader().load("Devices.dll"), std::runtime_error) << blocked;
        expectNothingOfTheModuleLeft(blocked);
        EXPECT_EQ(registeredGuids(), std::vector<std::string>{blocked});
    }
    // Once nothing blocks it, the module attaches with its own senders and the
    // petrol-station one, in key order.
    loader().load("Devices.dll");
    initializeModules();
    EXPECT_EQ(registeredGuids(), guids);
    EXPECT_EQ(
        Core::SingletonImplHolder<Senders::ExternalDataSenders>::instance().registeredKeys(),
        (std::vector<std::string>{"{69F39AE7-AF4B-4921-9242-F3328EB55EBF}", TankoraSenderKey,
                                  "{8A0533F1-069C-40E2-90B1-ADE435D1AA5D}", "{E5380393-2351-43EE-9623-3A4CCF4027AF}"}));
}

TEST_F(ModuleAttachFailure, AFailureAfterTheRegistrationsTakesTheQueuedInitialisationBackOut) {
    // Entered directly with no module handle, the attach runs every registration and
    // queues its initialisation function, then fails at the dependencies step.
    const std::string path = std::string(KORVEL_TEST_BINARY_DIR) + "/modules/devices.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    auto entry = reinterpret_cast<int (*)(void*, unsigned long, void*)>(dlsym(handle, "DllEntryPoint"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(nullptr, Core::DLL_PROCESS_ATTACH, nullptr), 0);
    // The petrol-station module it loaded is the loader's to unload, with its own
    // action; it goes before the module whose registry its handle points into.
    EXPECT_EQ(registeredGuids(), std::vector<std::string>{TankoraPromotionsAction});
    loader().unloadAll();
    EXPECT_TRUE(registeredGuids().empty());
    dlclose(handle);
    expectNothingOfTheModuleLeft("dependencies");
}
