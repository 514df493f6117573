// The device configuration window's behaviour over a shop on each engine, without a
// window: two operators (two sessions) and what reaches the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "DeviceConfigShop.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/StatementLog.h"
#include "devicedefs/Kolekcje.h"
#include "dialogs/deviceconfig/DeviceConfigSql.h"
#include "support/ErrorOf.h"

namespace DeviceConfigTest {
namespace {

namespace Sql = Kolvenia::DeviceConfig::Sql;
using CrShop::Texts;
using Kolvenia::DeviceConfig::DeviceFields;

constexpr int Integrated = 1, MaxDiscount = 12, ScaleHeader = 131, UsagePeriod = 133;
const std::string DeviceHeld =
    "warning: Inna osoba modyfikuje parametry tego urządzenia.\nPoczekaj chwilę i spróbuj ponownie.";
const std::string GroupHeld =
    "warning: Inna osoba modyfikuje parametry tej grupy urządzeń.\nPoczekaj chwilę i spróbuj ponownie.";

bool logged(const std::string& sql) {
    const auto entries = DBKernel::StatementLog::entries();
    return std::find(entries.begin(), entries.end(), sql) != entries.end();
}

class DeviceConfiguration : public DeviceConfigShop {};

TEST_P(DeviceConfiguration, TheTreeShowsTypesSectionsOfScalesAndDevicesInOrder) {
    TDeviceConfiguration dialog;
    EXPECT_TRUE(logged(Sql::QueryTypyUrz));
    Texts tree;
    for (const auto& node : dialog.nodes()) tree.push_back(std::string(node.depth * 2, ' ') + node.text);
    EXPECT_EQ(tree, (Texts{"Kasy", "  Kasa nr 1", "  Kasa nr 2", "Wagi", "  Sekcja 1", "    Waga nr 1 w sekcji 1",
                           "    Waga nr 2 w sekcji 1", "  Sekcja 2", "    Waga nr 1 w sekcji 2", "Skanery",
                           "  Skaner nr 1"}));
    EXPECT_FALSE(dialog.noDevices());

    exec("delete from ParamUrz");
    exec("delete from Urzadzenie");
    EXPECT_TRUE(TDeviceConfiguration().noDevices());
}

TEST_P(DeviceConfiguration, ADeviceOrGroupHeldByOneOperatorIsRefusedToAnotherUntilTheEditEnds) {
    TDeviceConfiguration first, second;
    ASSERT_TRUE(select(first, device(0, 0, 1, Register1)));
    EXPECT_TRUE(logged(Sql::lockDevices(device(0, 0, 1, Register1))));
    EXPECT_TRUE(logged(Sql::lockParameters(device(0, 0, 1, Register1))));
    first.setValue(MaxDiscount, "15");

    EXPECT_FALSE(select(second, device(0, 0, 1, Register1)));
    EXPECT_FALSE(second.edited());
    EXPECT_FALSE(select(second, group(0)));
    EXPECT_EQ(boxes->shown, (Texts{DeviceHeld, GroupHeld}));
    EXPECT_EQ(parameter(Register1, MaxDiscount), "10");

    boxes->shown.clear();
    ASSERT_TRUE(first.save());  // ends the edit, releasing the locks
    EXPECT_EQ(parameter(Register1, MaxDiscount), "15");
    ASSERT_TRUE(select(second, group(0)));
    EXPECT_FALSE(select(first, device(0, 0, 2, Register2)));
    EXPECT_EQ(boxes->shown, Texts{DeviceHeld});

    boxes->shown.clear();
    EXPECT_TRUE(second.cancel());
    EXPECT_EQ(boxes->shown, Texts{"question: Czy chcesz anulować wprowadzone dane?"});
    EXPECT_TRUE(select(first, device(0, 0, 2, Register2)));
}

TEST_P(DeviceConfiguration, SavingADeviceWritesItsRowAndItsParametersInsertingMissingOnes) {
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    EXPECT_EQ(dialog.value(MaxDiscount), "10");
    EXPECT_EQ(dialog.deviceFields().number, "1");
    dialog.setDeviceFields({.enabled = true, .available = false, .extended = true, .number = "7", .section = "0"});
    dialog.setValue(MaxDiscount, "20");
    dialog.setValue(UsagePeriod, "3");
    ASSERT_TRUE(dialog.modified());
    ASSERT_TRUE(dialog.save());

    EXPECT_TRUE(boxes->shown.empty());
    EXPECT_TRUE(logged(Sql::ModifyDevice));
    EXPECT_TRUE(logged(Sql::InsertParameter));
    EXPECT_EQ(textOf("select nNrKolvenia || ' ' || bWlaczone || bDostepne || bRozszerzonaTransmisja from Urzadzenie "
                     "where lUrzadzenieRef = 101"),
              "7 101");
    EXPECT_EQ(parameter(Register1, MaxDiscount), "20");
    EXPECT_EQ(parameter(Register1, UsagePeriod), "3");
    EXPECT_EQ(integerOf("select count(*) from ParamUrz"), 5);
    EXPECT_FALSE(dialog.edited());
}

TEST_P(DeviceConfiguration, ADuplicateNumberInTheTypeAndSectionIsRefusedButAnotherSectionTakesIt) {
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, device(1, 1, 2, Scale12)));
    DeviceFields fields = dialog.deviceFields();
    fields.number = "1";
    dialog.setDeviceFields(fields);
    dialog.setValue(UsagePeriod, "5");
    EXPECT_FALSE(dialog.save());
    EXPECT_EQ(boxes->shown, Texts{"error: Waga o takim numerze istnieje już w tej sekcji."});
    EXPECT_TRUE(logged(Sql::duplicateNumber(1, 1, 1, Scale12)));
    EXPECT_EQ(integerOf("select nNrKolvenia from Urzadzenie where lUrzadzenieRef = 112"), 2);
    EXPECT_EQ(parameter(Scale12, UsagePeriod), "-");

    fields.section = "3";  // number 1 is free in section 3
    dialog.setDeviceFields(fields);
    ASSERT_TRUE(dialog.save());
    EXPECT_EQ(textOf("select nNrSekcji || '/' || nNrKolvenia from Urzadzenie where lUrzadzenieRef = 112"), "3/1");
}

TEST_P(DeviceConfiguration, AGroupIsSavedOnlyWhenConfirmedAndEveryDeviceGetsTheValue) {
    exec("update Urzadzenie set bWlaczone = 0 where lUrzadzenieRef = 112");
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, group(1, 1)));
    dialog.setValue(ScaleHeader, "Promocja");
    boxes->answers = {false};
    EXPECT_FALSE(dialog.save());
    EXPECT_EQ(boxes->shown, Texts{"question: Czy zapisać zmiany dla grupy urządzeń?"});
    EXPECT_EQ(parameter(Scale11, ScaleHeader), "Sklep nr 1");

    ASSERT_TRUE(dialog.save());
    EXPECT_EQ(parameter(Scale11, ScaleHeader), "Promocja");
    EXPECT_EQ(parameter(Scale12, ScaleHeader), "Promocja");
    EXPECT_EQ(parameter(Scale21, ScaleHeader), "-");  // another section
    // switches the operator did not touch stay each device's own
    EXPECT_EQ(textOf("select bWlaczone || ',' || bDostepne from Urzadzenie where lUrzadzenieRef in (111, 112) "
                     "order by lUrzadzenieRef"),
              "1,1");
    EXPECT_EQ(integerOf("select bWlaczone from Urzadzenie where lUrzadzenieRef = 112"), 0);
}

TEST_P(DeviceConfiguration, AFailureHalfWayRollsTheWholeSaveBackAndTheEditGoesOnUnderItsLocks) {
    // Without the reference counter the second device's new parameter row cannot be made.
    exec(GetParam() == TestSupport::Engine::SQLite ? "drop table korvel_ref" : "drop sequence korvel_ref_seq");
    TDeviceConfiguration dialog, other;
    ASSERT_TRUE(select(dialog, group(0)));
    dialog.setDeviceFields({.enabled = true, .available = true, .extended = true, .number = "1", .section = "0"});
    dialog.setValue(MaxDiscount, "30");  // register 1 has the row, register 2 has none
    EXPECT_FALSE(dialog.save());
    ASSERT_EQ(boxes->shown.size(), 2u);
    EXPECT_EQ(boxes->shown[1].substr(0, 17), "error: ORA-00942:");
    EXPECT_EQ(parameter(Register1, MaxDiscount), "10");
    EXPECT_EQ(integerOf("select sum(bRozszerzonaTransmisja) from Urzadzenie"), 0);
    EXPECT_TRUE(dialog.modified());
    EXPECT_TRUE(dialog.deviceFields().extended);  // as typed
    EXPECT_FALSE(select(other, device(0, 0, 2, Register2)));
}

TEST_P(DeviceConfiguration, AFailedWriteOfTheExtendedTransmissionSwitchIsNamed) {
    // The shop refuses the switch for cash registers.
    session().ExecuteNativeScript(
        GetParam() == TestSupport::Engine::SQLite
            ? "create trigger no_extended before update of bRozszerzonaTransmisja on Urzadzenie "
              "when new.bRozszerzonaTransmisja = 1 begin select raise(abort, 'odmowa'); end;"
            : "create function no_extended() returns trigger language plpgsql as $$ begin "
              "if new.bRozszerzonaTransmisja = 1 then raise exception 'odmowa'; end if; return new; end $$; "
              "create trigger no_extended before update on Urzadzenie for each row execute function no_extended();");
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    DeviceFields fields = dialog.deviceFields();
    fields.extended = true;
    dialog.setDeviceFields(fields);
    EXPECT_FALSE(dialog.save());
    EXPECT_EQ(boxes->shown, Texts{"error: Błąd przy zapisie parametru 'bRozszerzonaTransmisja'"});
    EXPECT_EQ(integerOf("select bRozszerzonaTransmisja from Urzadzenie where lUrzadzenieRef = 101"), 0);
}

TEST_P(DeviceConfiguration, AValueThatIsNoNumberIsReportedAndNothingIsWritten) {
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    dialog.setValue(MaxDiscount, "dużo");
    EXPECT_FALSE(dialog.save());
    DeviceFields fields = dialog.deviceFields();
    fields.number = "x1";
    dialog.setValue(MaxDiscount, "12");
    dialog.setDeviceFields(fields);
    EXPECT_FALSE(dialog.save());
    EXPECT_EQ(boxes->shown,
              (Texts{"error: Wartość \"dużo\" jest niepoprawna.", "error: Wartość \"x1\" jest niepoprawna."}));
    EXPECT_EQ(parameter(Register1, MaxDiscount), "10");
}

TEST_P(DeviceConfiguration, AnAddedRegisterIsStoredWithItsDefaultsAndADeletedOneLeavesNoRows) {
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, group(0)));
    ASSERT_TRUE(dialog.add());
    EXPECT_EQ(dialog.deviceFields().number, "3");
    ASSERT_TRUE(dialog.save()) << ::testing::PrintToString(boxes->shown);
    EXPECT_TRUE(logged(Sql::InsertDevice));
    const int added = static_cast<int>(integerOf("select lUrzadzenieRef from Urzadzenie where nNrKolvenia = 3"));
    EXPECT_EQ(parameter(added, Integrated), "0");
    EXPECT_EQ(parameter(added, MaxDiscount), "10");
    // taken as installed and in transmission: the next sends reach it
    for (const auto& devices : {Kolvenia::kolekcjaZainstalowanychKas(), Kolvenia::kolekcjaKasIWagDoTransmisji()}) {
        bool found = false;
        for (std::size_t i = 0; devices && i < devices->size(); ++i) found |= (*devices)[i]->lUrzadzenieRef == added;
        EXPECT_TRUE(found);
    }

    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    boxes->answers = {false};
    EXPECT_FALSE(dialog.remove());
    EXPECT_TRUE(dialog.remove());
    EXPECT_EQ(boxes->shown, (Texts{"question: Czy usunąć urządzenie?", "question: Czy usunąć urządzenie?"}));
    EXPECT_TRUE(logged(Sql::DeleteDevice));
    EXPECT_EQ(integerOf("select count(*) from Urzadzenie where lUrzadzenieRef = 101"), 0);
    EXPECT_EQ(integerOf("select count(*) from ParamUrz where lUrzadzenieRef = 101"), 0);
}

TEST_P(DeviceConfiguration, SendingGivesTheRegistersTheirConfigurationAndTheScalesTheirHeader) {
    addParameter(1012, Scale12, ScaleHeader, "Waga druga");
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, group(0)));
    ASSERT_TRUE(dialog.send());
    ASSERT_TRUE(select(dialog, device(0, 0, 2, Register2)));
    ASSERT_TRUE(dialog.send());
    EXPECT_EQ(boxes->shown,
              (Texts{"question: Czy wysłać konfigurację do wszystkich kas?", "question: Czy wysłać konfigurację?"}));
    Texts targets;
    for (const std::string& name : files('K')) {
        CrShop::TransferFile file;
        read(name, file);
        std::string numbers;
        for (int number : file.cashRegisters) numbers += std::to_string(number);
        targets.push_back(numbers);
    }
    EXPECT_EQ(targets, (Texts{"12", "2"}));

    // A section of scales: each scale gets its own header, the one typed or the stored one.
    ASSERT_TRUE(select(dialog, device(1, 1, 1, Scale11)));
    dialog.setValue(ScaleHeader, "Sklep nr 1\nZapraszamy");
    ASSERT_TRUE(dialog.save());
    ASSERT_TRUE(select(dialog, group(1, 1)));
    ASSERT_TRUE(dialog.send());
    Texts headers;
    for (const auto& entry : std::filesystem::directory_iterator(scales / "dane")) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        headers.push_back(content.find("Zapraszamy") != std::string::npos   ? "Sklep nr 1"
                          : content.find("Waga druga") != std::string::npos ? "Waga druga"
                                                                            : content);
    }
    std::sort(headers.begin(), headers.end());
    EXPECT_EQ(headers, (Texts{"Sklep nr 1", "Waga druga"}));
}

TEST_P(DeviceConfiguration, AReceiptPictureIsKeptOnlyWithASavedEditAndMustFitTheConfiguredSize) {
    constexpr int HeaderPicture = 45;
    const Kolvenia::DeviceConfig::ReceiptPicture logo{16, 2, std::string("\xF0\x0F\x81\x18", 4)};
    TDeviceConfiguration dialog;
    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    dialog.setPicture(HeaderPicture, logo);
    ASSERT_TRUE(dialog.cancel());
    EXPECT_EQ(integerOf("select count(*) from ObrazekParagonu"), 0);

    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    dialog.setPicture(HeaderPicture, logo);
    ASSERT_TRUE(dialog.save());
    EXPECT_EQ(textOf("select sDane from ObrazekParagonu where lObrazekRef = " + parameter(Register1, HeaderPicture)),
              "F00F8118");
    ASSERT_TRUE(select(dialog, device(0, 0, 1, Register1)));
    ASSERT_TRUE(dialog.picture(HeaderPicture));
    EXPECT_EQ(dialog.picture(HeaderPicture)->bits, logo.bits);

    Core::SingletonImplHolder<Core::CSetup>::instance()
        .getRootKey()
        .GetKey("Parametry sklepu")
        .GetKey("Urządzenia")
        .GetKey("Obrazek paragonu")
        .GetKey("Maksymalna szerokość")
        .set_val<int>(8);
    EXPECT_THROW(dialog.setPicture(HeaderPicture, logo), std::runtime_error);  // 16 dots wide
    dialog.cancel();
    Core::SingletonImplHolder<Core::CSetup>::instance()
        .getRootKey()
        .GetKey("Parametry sklepu")
        .GetKey("Urządzenia")
        .GetKey("Obrazek paragonu")
        .GetKey("Maksymalna szerokość")
        .set_val<int>(100);
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { dialog.pictureLimits(); }),
              "Maksymalna szerokość obrazka (100) musi być wielokrotnością 8.");
    EXPECT_EQ(integerOf("select count(*) from ObrazekParagonu"), 1);
}

TEST_P(DeviceConfiguration, AControlWithoutAValidBindingStopsTheWindow) {
    TDeviceConfiguration dialog;
    EXPECT_NO_THROW(dialog.checkControls({"cmbKasaSCO", "MemoNaglowekWagi"}));
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] {
                  dialog.checkControls({"cmbKasaSCO", "EditNieznane"});
              }),
              "Nie ustalono poprawnie tagów komponentów.");
    exec("delete from DefParamUrz where nParamId = 3");
    EXPECT_THROW(TDeviceConfiguration(), std::runtime_error);
}

}  // namespace
KORVEL_ON_EACH_ENGINE(DeviceConfiguration);
}  // namespace DeviceConfigTest
