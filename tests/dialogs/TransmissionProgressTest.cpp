// The transmission progress window's behaviour over a real shop's devices and the scale
// server's real directories: the chart drawn from the files waiting there, the refresh
// period with its checks and its saved value, and the newest scale-server log.
#include <cstdlib>
#include <filesystem>

#include "ScaleTestSupport.h"
#include "core/Errors.h"
#include "dialogs/TransmissionProgress.h"
#include "forms/TextLog.h"
#include "forms/WindowData.h"
#include "frame/Configuration.h"
#include "support/ErrorOf.h"
#include "support/RecordedBoxes.h"

namespace ScaleTest {
namespace {

namespace fs = std::filesystem;
using Kolvenia::TZaawansowanieTransmisji;
using State = Kolvenia::ITransmissionProgress::BarState;

class TransmissionProgress : public ScaleShop {
protected:
    void SetUp() override {
        ScaleShop::SetUp();
        FormKernel::installMessageBoxes(boxes_);
        FormKernel::installWindowData(nullptr);
    }
    void TearDown() override {
        FormKernel::installMessageBoxes(nullptr);
        FormKernel::removeFormOpener();
        ScaleShop::TearDown();
    }

    void waitingFile(const std::string& name, std::size_t bytes) {
        TestSupport::writeFile(server.data / name, std::string(bytes, 'x'));
    }

    // Label, waiting PLUs and state of every bar, in order.
    static std::vector<std::string> bars(const TZaawansowanieTransmisji& window) {
        std::vector<std::string> shown;
        for (const auto& bar : window.chart().bars)
            shown.push_back(bar.label + " " + std::to_string(bar.waitingPlu) + " " +
                            std::to_string(static_cast<int>(bar.state)));
        return shown;
    }
    static std::string bar(const char* label, int plu, State state) {
        return std::string(label) + " " + std::to_string(plu) + " " + std::to_string(static_cast<int>(state));
    }

    std::shared_ptr<TestSupport::RecordedBoxes> boxes_ = std::make_shared<TestSupport::RecordedBoxes>();
};

TEST_P(TransmissionProgress, OneBarPerEnabledScaleInSectionOrderWithAGapBetweenSections) {
    addScale(1, 2, 1);
    addScale(2, 1, 2);
    addScale(3, 1, 1);
    addScale(4, 1, 3, false);  // disabled: no bar, though files wait for it
    exec(
        "insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, sNazwa) "
        "values (5, 0, 1, 1, 'Kasa 1')");
    exec("update Urzadzenie set bDostepne = 0 where lUrzadzenieRef = 2");
    for (const char* name : {"00000002.1wa", "00001002.1wa", "00002002.1wa"}) waitingFile(name, 185);
    waitingFile("00000001.1wa", 184);  // less than one record
    waitingFile("00000001.2wa", 370);
    waitingFile("00000003.1wa", 185);
    TestSupport::writeFile(server.status / "Err_W001.S02", "");
    TestSupport::writeFile(server.status / "Err_W002.S02", "");  // a scale not in the shop

    TZaawansowanieTransmisji window;
    window.open();
    EXPECT_EQ(bars(window),
              (std::vector<std::string>{bar("1, 1", 0, State::Available), bar("1, 2", 3, State::Installed),
                                        bar("", 0, State::Gap), bar("2, 1", 2, State::Failing)}));
    EXPECT_TRUE(window.logButtonShown());

    // The scale server takes the files of section 1 and clears its error: a refresh
    // shows it.
    for (const auto& name : filesIn(server.data))
        if (name.ends_with(".1wa")) fs::remove(server.data / name);
    fs::remove(server.status / "Err_W001.S02");
    window.refresh();
    EXPECT_EQ(bars(window),
              (std::vector<std::string>{bar("1, 1", 0, State::Available), bar("1, 2", 0, State::Installed),
                                        bar("", 0, State::Gap), bar("2, 1", 2, State::Available)}));
}

TEST_P(TransmissionProgress, RefusesToOpenWithoutDevicesAndStopsTheTimerOnAMissingDirectory) {
    TZaawansowanieTransmisji empty;
    EXPECT_EQ(TestSupport::errorOf<std::exception>([&] { empty.open(); }), "Nie można utworzyć kolekcji urządzeń.");

    addScale(1, 1, 1);
    TZaawansowanieTransmisji window;
    window.open();
    fs::rename(server.status, root / "gone");
    EXPECT_EQ(TestSupport::errorOf<std::exception>([&] { window.refresh(); }),
              "Niepoprawna specyfikacja ścieżki katalogu plików statusów serwera wagowego: '" + server.status.string() +
                  "/'.");
    EXPECT_FALSE(window.timerEnabled());  // one error box, not one per tick
    window.btnZastosujClick("5");
    EXPECT_TRUE(window.timerEnabled());
}

TEST_P(TransmissionProgress, TheOperatorSetsThePeriodInSecondsAndWrongValuesKeepTheOldOne) {
    addScale(1, 1, 1);
    TZaawansowanieTransmisji window;
    window.open();
    EXPECT_EQ(window.refreshInterval(), 5000);
    EXPECT_EQ(window.refreshSeconds(), "5");
    EXPECT_TRUE(window.timerEnabled());

    window.btnZastosujClick("2.5");
    EXPECT_EQ(window.refreshInterval(), 2500);
    window.btnZastosujClick("1,0019");  // the Polish comma; truncated to whole milliseconds
    EXPECT_EQ(window.refreshInterval(), 1001);
    window.btnZastosujClick("2.5");
    EXPECT_TRUE(boxes_->shown.empty());

    for (const char* wrong : {"0", "-3", "0.0004", "abc", "", "2.5s", "1e3"}) window.btnZastosujClick(wrong);
    EXPECT_EQ(window.refreshInterval(), 2500);
    ASSERT_EQ(boxes_->shown.size(), 7u);
    const std::string notPositive = "Okres odświeżania musi być liczbą większą od zera!";
    EXPECT_EQ(boxes_->shown[0], "error: Wpisano nieprawidłową wartość 0\n" + notPositive);
    EXPECT_EQ(boxes_->shown[1], "error: Wpisano nieprawidłową wartość -3\n" + notPositive);
    EXPECT_EQ(boxes_->shown[2], "error: Wpisano nieprawidłową wartość 0.0004\n" + notPositive);
    EXPECT_EQ(boxes_->shown[3], "error: Wpisano nieprawidłową wartość abc\nNie można zamienić 'abc' na liczbę sekund.");
    for (std::size_t i = 4; i < 7; ++i)
        EXPECT_TRUE(boxes_->shown[i].starts_with("error: Wpisano nieprawidłową wartość "));

    // Only "Za&pisz" keeps the period for the next opening.
    TZaawansowanieTransmisji unsaved;
    unsaved.open();
    EXPECT_EQ(unsaved.refreshInterval(), 5000);
    window.btnZapiszClick();
    TZaawansowanieTransmisji reopened;
    reopened.open();
    EXPECT_EQ(reopened.refreshInterval(), 2500);
    EXPECT_EQ(reopened.refreshSeconds(), "2,5");

    // A hand-edited value the timer cannot run on gives the default.
    FormKernel::windowData()->writeText(TZaawansowanieTransmisji::formClass, "AdwRefreshInterval", "-1");
    TZaawansowanieTransmisji edited;
    edited.open();
    EXPECT_EQ(edited.refreshInterval(), 5000);
}

TEST_P(TransmissionProgress, ShowLogOpensTheNewestMainLogOfTheConfiguredDirectory) {
    addScale(1, 1, 1);
    const fs::path logs = root.path() / "logi";
    fs::create_directories(logs);
    ::setenv("KORVEL_TEST_SCALE_SERVER", root.path().c_str(), 1);
    Kolvenia::Config::key({"Parametry programu", "FrontOffice", "Serwer Wagowy", "Katalog logów"})
        .set_val<std::string>("${KORVEL_TEST_SCALE_SERVER}/logi");
    const auto now = fs::file_time_type::clock::now();
    TestSupport::writeFile(logs / "MAIN_LOG_2.txt", "stary\r\n");
    fs::last_write_time(logs / "MAIN_LOG_2.txt", now - std::chrono::hours(2));
    TestSupport::writeFile(logs / "main_log_1.txt", "Wysłano wagę 1\r\nBłąd wagi 2\r\n");
    fs::last_write_time(logs / "main_log_1.txt", now - std::chrono::hours(1));
    TestSupport::writeFile(logs / "OTHER.txt", "nie ten");
    TestSupport::writeFile(logs / "MAIN_LOG_3.txt", "\xa3\xb9ka\r\n");  // "Łąka" in windows-1250
    fs::last_write_time(logs / "MAIN_LOG_3.txt", now - std::chrono::hours(3));

    std::vector<std::string> opened;
    FormKernel::installFormOpener([&](const std::string& formClass, const FormKernel::TBaseFormArgs& args, auto*) {
        const auto& log = args.model->as<FormKernel::ITextLog>();
        opened.push_back(formClass + "|" + log.caption() + "|" + log.text());
    });
    TZaawansowanieTransmisji window;
    window.open();
    window.btnPokazLogClick(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{"DlgTxtLog|main_log_1.txt|Wysłano wagę 1\nBłąd wagi 2\n"}));

    fs::last_write_time(logs / "MAIN_LOG_3.txt", now);
    window.btnPokazLogClick(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], "DlgTxtLog|MAIN_LOG_3.txt|Łąka\n");

    for (const char* name : {"MAIN_LOG_2.txt", "main_log_1.txt", "MAIN_LOG_3.txt"}) fs::remove(logs / name);
    EXPECT_EQ(TestSupport::errorOf<std::exception>([&] { window.btnPokazLogClick(nullptr); }),
              "Brak plików MAIN_LOG* w katalogu logów serwera wagowego: '${KORVEL_TEST_SCALE_SERVER}/logi'.");
    EXPECT_EQ(opened.size(), 2u);
}

KORVEL_ON_EACH_ENGINE(TransmissionProgress);

}  // namespace
}  // namespace ScaleTest
