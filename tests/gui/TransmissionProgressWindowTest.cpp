// The transmission progress window opened from the main window's menu over a real shop
// and the scale server's real directories: the bars and their colours, the timer's
// period after "Zastos&uj", the refresh the timer runs, the period saved in the user's
// settings file, and the scale server's log in the text log window.
//
// With KORVEL_SCREENSHOT_DIR set, the window is also saved there as a PNG picture.
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <boost/format.hpp>
#include <filesystem>

#include "ScaleTestSupport.h"
#include "ShopWindow.h"
#include "core/PackageLoader.h"
#include "frame/Configuration.h"
#include "support/ShopModule.h"

namespace ScaleTest {
namespace {

namespace fs = std::filesystem;
constexpr const char* ProgressItem = ".miTransmisje.miZaawansowanieTransmisji";

class TransmissionProgressWindow : public GuiTest::ShopWindow<ScaleShop> {
protected:
    void prepareShop() override {
        TestSupport::loadShopModule();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(settings_.path()));
    }
    void TearDown() override {
        closeWindows();
        Core::SharedPackageLoader::instance().unloadAll();
        ScaleShop::TearDown();
    }

    void waitingFiles(const char* mask, int count) {
        for (int i = 0; i < count; ++i) {
            std::string name = mask;
            name.replace(0, 5, (boost::format("%05d") % i).str());
            TestSupport::writeFile(server.data / name, std::string(185, 'x'));
        }
    }

    // Opens the window from the menu.
    QWidget* open() {
        GuiTest::menuItem(window(), ProgressItem)->trigger();
        return GuiTest::shownWindow("TZaawansowanieTransmisji");
    }

    static void apply(QWidget* window, const char* seconds) {
        auto* period = window->findChild<QLineEdit*>("edtOkres");
        period->selectAll();
        QTest::keyClicks(period, seconds);
        window->findChild<QPushButton*>("btnZastosuj")->click();
    }

    const fs::path settingsFile() const { return settings_.path() / "korvel" / "korvel.ini"; }

private:
    TestSupport::TempDir settings_;
};

// The colour a person would name: gray, red or green.
std::string colourName(const QColor& colour) {
    if (colour.hsvSaturation() < 40) return "szary";
    if (colour.hue() < 30 || colour.hue() > 330) return "czerwony";
    if (colour.hue() > 90 && colour.hue() < 150) return "zielony";
    return colour.name().toStdString();
}

// Every bar as "label: colour height (legend entry)"; a gap as "(gap)".
std::vector<std::string> shownBars(QWidget* window) {
    QChart* chart = window->findChild<QChartView*>("chtWagi")->chart();
    auto* series = qobject_cast<QStackedBarSeries*>(chart->series().at(0));
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
    std::vector<std::string> bars;
    for (int i = 0; i < axis->count(); ++i) {
        std::string shown = "(gap)";
        for (QBarSet* set : series->barSets())
            if (set->at(i) > 0)
                shown = axis->at(i).toStdString() + ": " + colourName(set->color()) + " " +
                        std::to_string(static_cast<int>(set->at(i))) + " (" + set->label().toStdString() + ")";
        bars.push_back(shown);
    }
    return bars;
}

TEST_P(TransmissionProgressWindow, BarsTakeTheColourOfTheirScaleAndTheTimerTheAppliedPeriod) {
    addScale(1, 1, 1);
    addScale(2, 1, 2);
    addScale(3, 2, 1);
    addScale(4, 1, 3, false);
    exec("update Urzadzenie set bDostepne = 0 where lUrzadzenieRef = 3");
    waitingFiles("?????001.1wa", 2);
    waitingFiles("?????002.1wa", 1);
    waitingFiles("?????001.2wa", 3);
    waitingFiles("?????003.1wa", 4);
    TestSupport::writeFile(server.status / "Err_W002.S01", "");

    QWidget* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Zaawansowanie transmisji do terminali");
    EXPECT_EQ(window->findChild<QTabWidget*>()->tabText(0), "Wagi");
    EXPECT_EQ(shownBars(window), (std::vector<std::string>{"1, 1: zielony 2 (Urządzenie aktualnie czynne)",
                                                           "1, 2: czerwony 1 (Urządzenie działa niepoprawnie)", "(gap)",
                                                           "2, 1: szary 3 (Urządzenie zainstalowane)"}));
    QChart* chart = window->findChild<QChartView*>("chtWagi")->chart();
    EXPECT_EQ(chart->title(), "PLU oczekujące na przesłanie do wag");
    EXPECT_EQ(chart->axes(Qt::Vertical).at(0)->titleText(), "PLU");
    EXPECT_EQ(chart->axes(Qt::Horizontal).at(0)->titleText(), "Numer sekcji, numer wagi");
    EXPECT_TRUE(window->findChild<QPushButton*>("btnPokazLog")->isVisible());

    auto* timer = window->findChild<QTimer*>("tmrOdswiez");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_EQ(window->findChild<QLineEdit*>("edtOkres")->text(), "5");
    if (const QByteArray dir = qgetenv("KORVEL_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(window->grab().save(QString::fromUtf8(dir) + "/transmission-progress.png"));
    }

    apply(window, "2.5");
    EXPECT_EQ(timer->interval(), 2500);
    EXPECT_TRUE(timer->isActive());
    std::vector<GuiTest::ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes);
    apply(window, "0");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Wpisano nieprawidłową wartość 0\nOkres odświeżania musi być liczbą większą od zera!");
    EXPECT_EQ(timer->interval(), 2500);
    EXPECT_TRUE(timer->isActive());

    // The operator zooms into the first bars; refreshes keep the view and update the bars.
    const QRectF area = chart->plotArea();
    chart->zoomIn(QRectF(area.topLeft(), QSizeF(area.width() / 2, area.height())));
    auto* scales = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
    const QString first = scales->min(), last = scales->max();
    EXPECT_NE(last, "2, 1");
    waitingFiles("?????001.1wa", 5);
    apply(window, "0.05");
    QTRY_COMPARE(shownBars(window).front(), "1, 1: zielony 5 (Urządzenie aktualnie czynne)");
    EXPECT_TRUE(chart->isZoomed());
    EXPECT_EQ(scales->min(), first);
    EXPECT_EQ(scales->max(), last);
}

TEST_P(TransmissionProgressWindow, TheTimerRefreshesTheSavedPeriodOutlivesTheWindowAndTheLogOpens) {
    addScale(1, 1, 1);
    QPointer<QWidget> window = open();
    ASSERT_FALSE(window.isNull());
    apply(window, "0.05");
    waitingFiles("?????001.1wa", 2);
    QTRY_COMPARE(shownBars(window), std::vector<std::string>{"1, 1: zielony 2 (Urządzenie aktualnie czynne)"});

    window->findChild<QPushButton*>("btnZapisz")->click();
    const QSettings saved(QString::fromStdString(settingsFile().string()), QSettings::IniFormat);
    EXPECT_EQ(saved.value("TZaawansowanieTransmisji/AdwRefreshInterval").toString(), "50");
    window->findChild<QPushButton*>("btnZamknij")->click();
    QTRY_VERIFY(window.isNull());
    window = open();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->findChild<QTimer*>("tmrOdswiez")->interval(), 50);
    EXPECT_EQ(window->findChild<QLineEdit*>("edtOkres")->text(), "0,05");

    fs::create_directories(root / "logi");
    TestSupport::writeFile(root / "logi" / "MAIN_LOG_7.txt", "Waga 1: wysłano 2 PLU\r\n");
    Kolvenia::Config::key({"Parametry programu", "FrontOffice", "Serwer Wagowy", "Katalog logów"})
        .set_val<std::string>((root / "logi").string());
    window->findChild<QPushButton*>("btnPokazLog")->click();
    QWidget* log = GuiTest::shownWindow("DlgTxtLog");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->windowTitle(), "MAIN_LOG_7.txt");
    EXPECT_EQ(log->findChild<QPlainTextEdit*>("memLog")->toPlainText(), "Waga 1: wysłano 2 PLU\n");
    log->close();

    // The status directory goes away: one error box, and the timer waits for the operator.
    std::vector<GuiTest::ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes);
    fs::remove_all(server.status);
    QTRY_COMPARE(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.starts_with("Niepoprawna specyfikacja ścieżki katalogu plików statusów"))
        << boxes[0].text;
    EXPECT_FALSE(window->findChild<QTimer*>("tmrOdswiez")->isActive());
}

KORVEL_ON_EACH_ENGINE(TransmissionProgressWindow);

}  // namespace
}  // namespace ScaleTest
