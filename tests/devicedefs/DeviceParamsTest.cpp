// Parameter definitions and the readers that go to the database, with their exact SQL.
#include <optional>
#include <string>
#include <vector>

#include "DeviceDatabase.h"
#include "db/Command.h"
#include "db/StatementLog.h"
#include "frame/params/DeviceParams.h"

namespace DeviceTests {
namespace {

using Kolvenia::CParametryUrzadzen;

constexpr int kIntegrated = 1;     // "bKasaZintegrowana" in every shop's definitions
constexpr int kUsagePeriod = 133;  // a scale's default usage period in days

TUrzadzenie deviceRef(int ref) {
    TUrzadzenie device;
    device.lUrzadzenieRef = ref;
    return device;
}

template <class Read>
std::string errorOf(Read read) {
    try {
        read();
    } catch (const CParametryUrzadzen::EConversionError& e) {
        return std::string("conversion: ") + e.what();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

class DeviceParams : public DeviceDatabase {
protected:
    void SetUp() override {
        DeviceDatabase::SetUp();
        addDevice({.ref = 1, .type = tuKasa, .section = 0, .number = 1});
        addDevice({.ref = 2, .type = tuKasa, .section = 0, .number = 2});
        addDevice({.ref = 3, .type = tuWaga, .section = 1, .number = 1});
        addParam(1, kIntegrated, "1");
        addParam(1, kUsagePeriod, "14");
        addParam(1, 42, std::nullopt);
        addParam(2, kIntegrated, "0");
        addParam(3, kIntegrated, "tak?");
        addParam(3, kUsagePeriod, "dwa");
        DBKernel::StatementLog::clear();
        DBKernel::StatementLog::setEnabled(true);
    }
    void TearDown() override {
        DBKernel::StatementLog::setEnabled(false);
        DeviceDatabase::TearDown();
    }
};

TEST_P(DeviceParams, DefinitionsGiveIdentifiersAndTypes) {
    const CParametryUrzadzen params;
    EXPECT_EQ(params.getParamId("bKasaZintegrowana"), kIntegrated);
    EXPECT_EQ(params.getParamType(kIntegrated), CParametryUrzadzen::ptBool);
    EXPECT_EQ(params.getParamType(kUsagePeriod), CParametryUrzadzen::ptInt);
    EXPECT_EQ(params.getParamType(42), CParametryUrzadzen::ptText);
    EXPECT_TRUE(params.isParamCreated(kUsagePeriod));
    EXPECT_FALSE(params.isParamCreated(999));
    EXPECT_EQ(errorOf([&] { params.getParamId("bKasaZintegrowan"); }),
              "Nieznany parametr urządzenia \"bKasaZintegrowan\".");
    EXPECT_EQ(errorOf([&] { params.getParamType(999); }), "Nieznany parametr urządzenia o identyfikatorze 999.");
}

TEST_P(DeviceParams, ADefinitionOfUnknownTypeIsRefused) {
    DBKernel::Sql::Command("insert into DefParamUrz (nParamId, sNazwa, nTyp) values (900, 'xDziwny', 7)", session())
        .execute();
    EXPECT_EQ(errorOf([] { CParametryUrzadzen(); }), "Nieznany typ 7 parametru urządzenia xDziwny.");
}

TEST_P(DeviceParams, GetParamsGivesOneDevicesStoredValues) {
    const CParametryUrzadzen params;
    EXPECT_EQ(params.getParams(deviceRef(1)), (CParametryUrzadzen::TParams{{kIntegrated, "1"}, {kUsagePeriod, "14"}}));
    EXPECT_EQ(params.getParams(deviceRef(2)), (CParametryUrzadzen::TParams{{kIntegrated, "0"}}));
    EXPECT_TRUE(params.getParams(deviceRef(99)).empty());
}

TEST_P(DeviceParams, BoolByIdentifierOrNameIssuesItsQueryAndConverts) {
    EXPECT_TRUE(Kolvenia::getParam<bool>(deviceRef(1), kIntegrated));
    EXPECT_FALSE(Kolvenia::getParam<bool>(deviceRef(2), "bKasaZintegrowana"));
    const std::vector<std::string> log = DBKernel::StatementLog::entries();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "select sWartoscParam\nfrom ParamUrz\nwhere lUrzadzenieRef = 1\n  and nParamId = 1");
    EXPECT_EQ(log.back(), "select sWartoscParam\nfrom ParamUrz\nwhere lUrzadzenieRef = 2\n  and nParamId = 1");
}

TEST_P(DeviceParams, BoolWithoutAValueOrWithABadTextFails) {
    EXPECT_EQ(errorOf([] { Kolvenia::getParam<bool>(deviceRef(2), kUsagePeriod); }),
              "Brak wartości parametru 133 dla urządzenia 2");
    EXPECT_EQ(errorOf([] { Kolvenia::getParam<bool>(deviceRef(1), 42); }),  // a row holding NULL
              "Brak wartości parametru 42 dla urządzenia 1");
    EXPECT_EQ(errorOf([] { Kolvenia::getParam<bool>(deviceRef(3), "bKasaZintegrowana"); }),
              "conversion: Wartość \"tak?\" parametru 1 nie jest wartością logiczną.");
}

TEST_P(DeviceParams, DevicesServiceReadIsEmptyWithoutARow) {
    EXPECT_EQ(Kolvenia::queryIntParam(session(), 1, kUsagePeriod), 14);
    EXPECT_EQ(Kolvenia::queryIntParam(session(), 2, kUsagePeriod), std::nullopt);
    EXPECT_EQ(Kolvenia::queryParamValue(session(), 1, 42), std::nullopt);
    EXPECT_EQ(errorOf([this] { Kolvenia::queryIntParam(session(), 3, kUsagePeriod); }),
              "conversion: Wartość \"dwa\" parametru 133 nie jest liczbą całkowitą.");
    EXPECT_EQ(DBKernel::StatementLog::entries().front(),
              "\n select pu.swartoscparam parameterValue\n from paramurz pu\n where pu.lurzadzenieref = :deviceId"
              "\n and pu.nparamid = :parameterId");
}

KORVEL_ON_EACH_ENGINE(DeviceParams);

}  // namespace
}  // namespace DeviceTests
