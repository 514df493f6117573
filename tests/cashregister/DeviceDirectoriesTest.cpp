// Which transfer directories are checked before a transmission depends on the devices:
// a cash register that is not integrated, an enabled scale, the price checker.
#include <gtest/gtest.h>

#include "cashregister/DeviceDirectories.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "shopdb/Schema.h"
#include "support/TempDir.h"

namespace {

class DeviceDirectories : public ::testing::Test {
protected:
    void SetUp() override {
        DBKernel::setDefaultSession("sqlite:" + (dir / "shop.db").string(), DBKernel::OpenMode::CreateIfMissing);
        ShopDb::createSchema(TSessionHolder(true));
        configure(false);
    }
    void TearDown() override { DBKernel::resetDefaultSession(); }

    // Every configured directory is missing; only the price checker switch varies.
    void configure(bool priceChecker) {
        const std::string missing = (dir / "brak").string();
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
            "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\">"
            "<key name=\"Serwer Kasowy\"><key name=\"Katalog - wyjście\" type=\"string\" value=\"" +
            missing +
            "/out\"/>"
            "<key name=\"Katalog - wejście\" type=\"string\" value=\"" +
            missing +
            "/in\"/></key>"
            "<key name=\"Serwer Wagowy\"><key name=\"Katalog danych\" type=\"string\" value=\"" +
            missing +
            "/wagi\"/></key>"
            "<key name=\"PriceChecker\"><key name=\"Włączony\" type=\"bool\" value=\"" +
            (priceChecker ? "true" : "false") + "\"/><key name=\"Katalog\" type=\"string\" value=\"" + missing +
            "/pc\"/></key>"
            "</key></key></configuration>");
    }
    void addDevice(int ref, int type, bool enabled, std::optional<std::string> integrated) {
        DBKernel::Sql::Command device(
            "insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone) "
            "values (:ref, :type, 1, :ref, :enabled)");
        device.Params["ref"] = ref;
        device.Params["type"] = type;
        device.Params["enabled"] = enabled ? 1 : 0;
        device.execute();
        if (!integrated) return;
        DBKernel::Sql::Command param(
            "insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) "
            "values (:ref, :ref, 1, :value)");
        param.Params["ref"] = ref;
        param.Params["value"] = *integrated;
        param.execute();
    }
    std::string failure() {
        try {
            Kolvenia::Kasa::checkDeviceDirectories();
            return "";
        } catch (const std::exception& e) {
            return e.what();
        }
    }

    TestSupport::TempDir dir;
};

}  // namespace

TEST_F(DeviceDirectories, OnlyTheDevicesThatNeedADirectoryHaveItChecked) {
    EXPECT_EQ(failure(), "");  // no devices at all
    addDevice(1, 0, true, "1");
    addDevice(2, 1, false, std::nullopt);
    EXPECT_EQ(failure(), "");  // an integrated register and a disabled scale need none
    configure(true);
    EXPECT_EQ(failure(), "Błąd katalogu PriceCheckera!\nNie mogę znaleźć katalogu '" + (dir / "brak").string() +
                             "/pc/'\nSprawdź dane w konfiguracji!");
    configure(false);
    addDevice(3, 1, true, std::nullopt);
    EXPECT_TRUE(failure().starts_with("Błąd katalogu serwera wagowego!\nNie mogę znaleźć katalogu")) << failure();
    addDevice(4, 0, true, "0");
    EXPECT_EQ(failure(), "Błąd katalogu serwera kasowego!\nNie mogę znaleźć katalogu '" + (dir / "brak").string() +
                             "/out/'\nSprawdź dane w konfiguracji!");
}

TEST_F(DeviceDirectories, ACashRegisterWithoutTheIntegrationParameterStopsTheCheck) {
    addDevice(5, 0, true, std::nullopt);
    EXPECT_EQ(failure(), "Brak wartości parametru 1 dla urządzenia 5");
}
