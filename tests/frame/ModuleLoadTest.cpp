// The device module loaded as the host loads it: attach, registrations, the
// petrol-station switch and the cash-register transmission module.
#include <gtest/gtest.h>

#include "cashregister/CashRegisterModuleName.h"
#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "external/ExternalDataSenders.h"
#include "support/ErrorOf.h"

namespace {

constexpr const char* TankoraSenderKey = "{7F0E4C2B-3A61-4D8E-B5C9-1E2F3A4B5C6D}";
constexpr const char* ElzabRsSenderKey = "{E5380393-2351-43EE-9623-3A4CCF4027AF}";

std::string configuration(const std::string& petrolStation, const std::string& moduleName) {
    std::string xml = "<configuration>\n";
    if (!petrolStation.empty())
        xml += "  <key name=\"Inne\"><key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"" + petrolStation +
               "\"/></key>\n";
    xml += "  <key name=\"Parametry programu\"><key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">\n";
    if (!moduleName.empty())
        xml += "    <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"" + moduleName + "\"/>\n";
    return xml + "  </key></key></key>\n</configuration>\n";
}

class ModuleLoad : public ::testing::Test {
protected:
    void start(const std::string& petrolStation, const std::string& moduleName) {
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(configuration(petrolStation, moduleName));
        auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
        loader.load("Devices.dll");
        loader.initializeModules();
    }
    void TearDown() override { Core::SharedPackageLoader::instance().unloadAll(); }

    static bool tankoraLoaded() { return Core::SharedPackageLoader::instance().isLoaded("tankora.dll"); }
    static std::vector<std::string> senderKeys() {
        return Core::SingletonImplHolder<Senders::ExternalDataSenders>::instance().registeredKeys();
    }
};

}  // namespace

TEST_F(ModuleLoad, PetrolStationModuleLoadsOnlyWhenSwitchedOn) {
    start("", "");
    EXPECT_FALSE(tankoraLoaded());
    // The module's own senders, in key order: SES labels, electronic labels, Elzab RS.
    const std::string ses = "{69F39AE7-AF4B-4921-9242-F3328EB55EBF}";
    const std::string electronicLabels = "{8A0533F1-069C-40E2-90B1-ADE435D1AA5D}";
    EXPECT_EQ(senderKeys(), (std::vector<std::string>{ses, electronicLabels, ElzabRsSenderKey}));
    Core::SharedPackageLoader::instance().unloadAll();

    start("false", "");
    EXPECT_FALSE(tankoraLoaded());
    Core::SharedPackageLoader::instance().unloadAll();

    start("true", "");
    EXPECT_TRUE(tankoraLoaded());
    EXPECT_EQ(senderKeys(), (std::vector<std::string>{ses, TankoraSenderKey, electronicLabels, ElzabRsSenderKey}));
}

TEST_F(ModuleLoad, UnloadRemovesTheRegistryAndEveryRegistration) {
    start("true", "");
    Core::SharedPackageLoader::instance().unloadAll();
    EXPECT_FALSE(tankoraLoaded());
    EXPECT_FALSE(Core::SingletonImplHolder<Senders::ExternalDataSenders>::find());
}

TEST_F(ModuleLoad, EmptyOrExtensionOnlyModuleNameLoadsNothing) {
    for (const char* name : {"", ".dll", ".bpl.dll"}) {
        start("", name);
        EXPECT_FALSE(tankoraLoaded()) << name;
        Core::SharedPackageLoader::instance().unloadAll();
    }
}

TEST_F(ModuleLoad, CapitalisedBplModuleNameLoadsTheLowerCaseDll) {
    start("", "TANKORA.BPL");
    EXPECT_EQ(Kolvenia::Kasa::getCashRegisterModuleName(), "tankora");
    EXPECT_TRUE(tankoraLoaded());
}

TEST_F(ModuleLoad, UnloadableConfiguredModuleIsAClearError) {
    const std::string error = TestSupport::errorOf<std::runtime_error>([&] { start("", "Nieistniejacy.bpl"); });
    EXPECT_TRUE(error.starts_with("Nie można załadować modułu nieistniejacy.dll: ")) << error;
}

TEST(CashRegisterModuleName, NormalisesCaseAndBothExtensions) {
    auto& setup = Core::SingletonImplHolder<Core::CSetup>::instance();
    setup.loadFromString(configuration("", "XmlBasedServerCommunication.bpl"));
    EXPECT_EQ(Kolvenia::Kasa::getCashRegisterModuleName(), Kolvenia::Kasa::XmlBasedServerCommunication);
    setup.loadFromString(configuration("", "a.dll.bplb.DLL"));
    EXPECT_EQ(Kolvenia::Kasa::getCashRegisterModuleName(), "ab");  // ".bpl" goes first, then ".dll"
    setup.loadFromString("<configuration><key name=\"Parametry programu\"/></configuration>");
    EXPECT_EQ(Kolvenia::Kasa::getCashRegisterModuleName(), "");
}
