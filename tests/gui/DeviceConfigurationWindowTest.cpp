// The device configuration window over a real shop with the module loaded, opened from
// its menu item and driven as an operator drives it; the rows are read back afterwards.
// With KORVEL_SCREENSHOT_DIR set, it also leaves a picture of each page there.
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include "UserSettings.h"

#include "DictionaryShop.h"
#include "ReceiptPictureImage.h"
#include "ShopWindow.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "support/ShopRows.h"
#include "support/TempDir.h"

namespace DictionaryTest {
namespace {

constexpr const char* DeviceConfigurationItem = ".miInne.miKonfiguracja.miKonfUrz";

class DeviceConfigurationWindowTest : public GuiTest::ShopWindow<DictionaryShop> {
protected:
    void prepareShop() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(settings.path()));
    }
    void TearDown() override {
        GuiTest::forgetPendingAnswers();
        if (window_) window_->close();
        ShopWindow::TearDown();
    }

    // Opens the window from its menu item.
    QMainWindow& open() {
        GuiTest::menuItem(this->window(), DeviceConfigurationItem)->trigger();
        window_ = qobject_cast<QMainWindow*>(GuiTest::shownWindow("TdlgKonfUrzForm"));
        EXPECT_NE(window_, nullptr);
        return *window_;
    }
    template <class T>
    T& child(const char* name) {
        return GuiTest::child<T>(window_, name);
    }
    void choose(const QString& node) {
        const auto items = child<QTreeWidget>("TreeView").findItems(node, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(items.size(), 1) << node.toStdString();
        child<QTreeWidget>("TreeView").setCurrentItem(items.front());  // as a click does
    }
    void type(const char* edit, const QString& text) {
        auto& field = child<QLineEdit>(edit);
        field.selectAll();
        QTest::keyClicks(&field, text);
    }
    void answer(std::vector<bool> answers) { GuiTest::answerBoxes(shown, std::move(answers)); }
    std::string parameter(int device, int id) {
        return TestSupport::textOf(session(),
                                   "select coalesce(max(sWartoscParam), '-') from ParamUrz where "
                                   "lUrzadzenieRef = " +
                                       std::to_string(device) + " and nParamId = " + std::to_string(id));
    }

    TestSupport::TempDir settings;
    Texts shown;

private:
    QMainWindow* window_ = nullptr;
};

TEST_P(DeviceConfigurationWindowTest, TheOperatorEditsARegisterAndTheRowsChange) {
    addCashRegisters({1, 2});
    addDevice({5, 1});
    QMainWindow& window = open();
    EXPECT_EQ(window.windowTitle(), "Konfiguracja urządzeń");
    EXPECT_FALSE(child<QLabel>("PanelBrak").isVisible());
    EXPECT_FALSE(child<QLineEdit>("EditNrUrz").isEnabled());

    choose("Kasa nr 2");
    auto& pages = child<QTabWidget>("PageControl");
    EXPECT_TRUE(pages.isTabVisible(0));  // Kasy
    EXPECT_FALSE(pages.isTabVisible(pages.indexOf(window.findChild<QWidget*>("PageWagi"))));
    EXPECT_EQ(child<QLineEdit>("EditNrUrz").text(), "2");
    type("EditRabatParagonMaksymalny", "25");
    child<QCheckBox>("cbxDostepne").click();
    child<QPushButton>("ButtonZastosuj").click();

    EXPECT_EQ(parameter(102, 12), "25");
    EXPECT_EQ(integerOf("select bDostepne from Urzadzenie where lUrzadzenieRef = 102"), 0);
    EXPECT_EQ(integerOf("select bDostepne from Urzadzenie where lUrzadzenieRef = 101"), 1);
    EXPECT_FALSE(child<QLineEdit>("EditNrUrz").isEnabled());  // the edit ended with the save

    choose("Waga nr 5 w sekcji 0");
    EXPECT_FALSE(pages.isTabVisible(0));
    EXPECT_TRUE(pages.isTabVisible(pages.indexOf(window.findChild<QWidget*>("PageWagi"))));
    EXPECT_EQ(child<QLineEdit>("EditMaksLiczbaPLU").text(), "2000");  // the parameter's default
}

TEST_P(DeviceConfigurationWindowTest, AGroupSavedFromTheMenuAndANewRegisterTakeTheirRows) {
    addCashRegisters({1, 2});
    QMainWindow& window = open();
    choose("Kasy");
    child<QCheckBox>("cbxKasaPaliwowa").click();
    answer({true});
    GuiTest::menuItem(window, ".miEdycja.miZastosuj")->trigger();
    EXPECT_EQ(shown, Texts{"Czy zapisać zmiany dla grupy urządzeń?"});
    EXPECT_EQ(parameter(101, 2), "1");
    EXPECT_EQ(parameter(102, 2), "1");

    choose("Kasy");
    child<QPushButton>("ButtonDodaj").click();
    EXPECT_EQ(child<QLineEdit>("EditNrUrz").text(), "3");
    child<QPushButton>("ButtonZastosuj").click();
    EXPECT_EQ(integerOf("select count(*) from Urzadzenie where nNrTypuUrz = 0 and nNrKolvenia = 3 and bWlaczone = 1"),
              1);
    EXPECT_EQ(child<QTreeWidget>("TreeView").findItems("Kasa nr 3", Qt::MatchExactly | Qt::MatchRecursive).size(), 1);
}

TEST_P(DeviceConfigurationWindowTest, WithoutDevicesThePanelSaysSoAndTheFirstRegisterCanBeAdded) {
    open();
    EXPECT_TRUE(child<QLabel>("PanelBrak").isVisible());
    EXPECT_EQ(child<QLabel>("PanelBrak").text(), "Brak urządzeń.");
    child<QPushButton>("ButtonDodaj").click();  // the first device: a cash register
    child<QPushButton>("ButtonZastosuj").click();
    EXPECT_EQ(integerOf("select count(*) from Urzadzenie where nNrTypuUrz = 0 and nNrKolvenia = 1"), 1);
    EXPECT_FALSE(child<QLabel>("PanelBrak").isVisible());
}

TEST_P(DeviceConfigurationWindowTest, ScalesOnAnotherComputerAreTakenOverOnlyWhenTheOperatorAgrees) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry sklepu\"><key name=\"Urządzenia\">"
        "<key name=\"Nazwa komputera wagowego\" type=\"string\" value=\"KASA-ZAPLECZE\"/></key></key></configuration>");
    qputenv("COMPUTERNAME", "BIURO");
    addDevice({5, 1});
    open();
    choose("Waga nr 5 w sekcji 0");
    auto& scales = child<QCheckBox>("ckbWlaczWagi");
    answer({false});
    scales.click();
    EXPECT_FALSE(scales.isChecked());
    answer({true});
    scales.click();
    EXPECT_TRUE(scales.isChecked());
    const std::string question =
        "Wagi są włączone na komputerze KASA-ZAPLECZE.\nCzy chcesz uruchomić wagi na tym komputerze?";
    EXPECT_EQ(shown, (Texts{question, question}));
    EXPECT_EQ(Core::SingletonImplHolder<Core::CSetup>::instance()
                  .getRootKey()
                  .GetKey("Parametry sklepu")
                  .GetKey("Urządzenia")
                  .GetKey("Nazwa komputera wagowego")
                  .GetVal<std::string>(),
              "BIURO");
    EXPECT_TRUE(Korvel::Gui::userSettings()->value("Devices/Wagi na tym komputerze").toBool());
    qunsetenv("COMPUTERNAME");
}

TEST_P(DeviceConfigurationWindowTest, AHeaderPictureIsScaledToTheLargestSizeAndStoredWithTheSave) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry sklepu\"><key name=\"Urządzenia\"><key name=\"Obrazek paragonu\">"
        "<key name=\"Maksymalna szerokość\" type=\"int\" value=\"64\"/>"
        "<key name=\"Maksymalna wysokość\" type=\"int\" value=\"64\"/></key></key></key></configuration>");
    QImage logo(100, 50, QImage::Format_RGB32);  // white, its left half black
    logo.fill(Qt::white);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) logo.setPixel(x, y, qRgb(0, 0, 0));
    const QString file = QString::fromStdString((settings / "logo.png").string());
    ASSERT_TRUE(logo.save(file));
    addCashRegisters({1});
    open();
    choose("Kasa nr 1");
    GuiTest::whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    child<QPushButton>("ImageNaglowekWybierz").click();
    EXPECT_FALSE(child<QLabel>("ImageNaglowek").pixmap().isNull());
    child<QPushButton>("ButtonZastosuj").click();

    EXPECT_EQ(TestSupport::textOf(session(), "select nSzerokosc || 'x' || nWysokosc from ObrazekParagonu"), "64x32");
    const std::string bits = TestSupport::textOf(session(), "select sDane from ObrazekParagonu");
    EXPECT_EQ(bits.substr(0, 16), "FFFFFFFF00000000");  // a row: 32 black dots, then 32 white
    EXPECT_EQ(parameter(101, 45), TestSupport::textOf(session(), "select lObrazekRef from ObrazekParagonu"));

    // "Drukuj obrazek" prints the stored picture on the printer chosen (here a PDF file).
    const QString printed = QString::fromStdString((settings / "obrazek.pdf").string());
    choose("Kasa nr 1");
    GuiTest::whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // Without printers the dialog offers printing to a file, named in its "filename" field.
        dialog->findChild<QLineEdit*>("filename")->setText(printed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    child<QPushButton>("ImageNaglowekDrukuj").click();
    QFile pdf(printed);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/Subtype /Image"));  // the picture, not an empty page

    // A width that does not fill whole bytes is padded with white: 10 black dots, 2 white, 4 padding.
    const auto narrow = Korvel::Gui::receiptPictureOf(logo.copy(40, 0, 12, 2), {64, 64});
    EXPECT_EQ(narrow.width, 16);
    EXPECT_EQ(narrow.bits, std::string("\xFF\xC0\xFF\xC0", 4));
}

// Pictures for the documentation, one per page, when a directory is named.
TEST_P(DeviceConfigurationWindowTest, ScreenshotsOfEveryPage) {
    const QString directory = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
    if (directory.isEmpty() || GetParam() != Engine::SQLite) GTEST_SKIP() << "KORVEL_SCREENSHOT_DIR not set";
    addCashRegisters({1, 2});
    addDevice({5, 1});
    exec("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia) values (301, 2, 0, 1)");
    QMainWindow& window = open();
    const auto shoot = [&](const QString& node, const QString& page, const QString& name) {
        choose(node);
        auto& pages = child<QTabWidget>("PageControl");
        for (int i = 0; i < pages.count(); ++i)
            if (pages.tabText(i) == page) pages.setCurrentIndex(i);
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().save(directory + "/deviceconfig-" + name + ".png"));
    };
    auto* cashTabs = child<QWidget>("PageKasy").findChild<QTabWidget*>();
    for (int i = 0; i < cashTabs->count(); ++i) {
        cashTabs->setCurrentIndex(i);
        shoot("Kasa nr 1", "Kasy", "kasy-" + QString::number(i + 1));
    }
    shoot("Waga nr 5 w sekcji 0", "Wagi", "wagi");
    shoot("Waga nr 5 w sekcji 0", "Etykiety", "etykiety");
    shoot("Skaner nr 1", "Skanery", "skanery");
    shoot("Skaner nr 1", "Skaner klawiaturowy", "skaner-klawiaturowy");
}

}  // namespace
KORVEL_ON_EACH_ENGINE(DeviceConfigurationWindowTest);
}  // namespace DictionaryTest
