// The send-PLU window over a real shop, opened from the main window's menu and driven
// as the operator drives it: its commands reach the database's flags, the send reaches
// the cash registers' transfer files and the label server, and neither window closes
// while a transmission runs.
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "DictionaryShop.h"
#include "../labels/LabelsSetup.h"
#include "SendPluRowsModel.h"
#include "SendPluWindow.h"
#include "ShopWindow.h"
#include "config/Setup.h"
#include "core/ActionContainer.h"
#include "core/DateTime.h"
#include "core/Singleton.h"
#include "forms/FormKernel.h"
#include "forms/Termination.h"
#include "frame/ActionGuids.h"
#include "ftp/FtpConnection.h"
#include "support/CashRegisterConfig.h"
#include "support/FtpServer.h"
#include "support/ShopRows.h"

namespace DictionaryTest {
namespace {

namespace fs = std::filesystem;
using GuiTest::ShownBox;
using Korvel::Gui::SendPluRowsModel;
using Korvel::Gui::SendPluWindow;

constexpr const char* SendPluItem = ".miTransmisje.miPrzeslaniePLU";
constexpr int NameColumn = 0;

// One sale price, the cash-register server's transfer directory, no price checker.
std::string shopConfiguration(const fs::path& transfers) {
    return "<configuration><key name=\"Inne\"><key name=\"Obsługa wielu cen sprzedaży\" type=\"bool\" "
           "value=\"false\"/></key><key name=\"Parametry programu\">"
           "<key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"false\"/>"
           "<key name=\"Refundacja promocji\"><key name=\"Włączona\" type=\"bool\" value=\"false\"/></key>"
           "<key name=\"FrontOffice\">" +
           TestSupport::cashRegisterServerKeys(transfers) +
           "<key name=\"PriceChecker\"><key name=\"Włączony\" type=\"bool\" value=\"false\"/></key></key></key>"
           "</configuration>";
}

void useConfiguration(const std::string& configuration) {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(configuration);
}

class SendPluWindowTest : public GuiTest::ShopWindow<DictionaryShop> {
protected:
    // Due today: an immediate product (its PLU turns new at opening) and a blocked PLU;
    // not listed: a new PLU without a price.
    void prepareShop() override {
        useConfiguration(shopConfiguration(out));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString((root / "ustawienia")));
        addProduct(TestSupport::ShopProduct(1, "Chleb", 3.49).sendingNow(), 11, Ordinary);
        addProduct(TestSupport::ShopProduct(2, "Masło", 7.99), 21, Ordinary, 1);
        addProduct(TestSupport::ShopProduct(3, "Mleko", std::nullopt), 31, New);
    }

    static constexpr int New = 1;
    static constexpr int Ordinary = 2;

    // The product with one PLU "59000000000<ref>".
    void addProduct(const TestSupport::ShopProduct& product, int pluRef, int status, int blocked = 0) {
        TestSupport::addProduct(session(), product);
        TestSupport::addPlu(session(), pluRef, product.id, "59000000000" + std::to_string(pluRef), status, blocked);
    }

    // Opens the window from the menu and makes it the active one, as the operator's
    // keys reach only that.
    SendPluWindow& open() {
        GuiTest::menuItem(this->window(), SendPluItem)->trigger();
        auto* window = this->window().findChild<SendPluWindow*>();
        if (!window) throw std::runtime_error("the send-PLU window did not open");
        activate(*window);
        return *window;
    }
    // A closed modal window may leave another one active.
    static void activate(SendPluWindow& window) {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) ADD_FAILURE() << "the window did not become active";
    }
    static void press(SendPluWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        activate(window);
        QTest::keyClick(&window.grid(), key, modifiers);
    }

    static QAction& item(SendPluWindow& window, const char* name) {
        auto* action = window.findChild<QAction*>(name);
        if (!action) throw std::runtime_error(std::string("no item ") + name);
        return *action;
    }
    static QAbstractItemModel& rows(SendPluWindow& window) { return *window.grid().model(); }
    static int rowOf(SendPluWindow& window, const QString& name) {
        for (int row = 0; row < rows(window).rowCount(); ++row)
            if (rows(window).index(row, NameColumn).data() == name) return row;
        ADD_FAILURE() << name.toStdString() << " is not in the grid";
        return -1;
    }
    static void select(SendPluWindow& window, std::initializer_list<const char*> names) {
        window.grid().clearSelection();
        for (const char* name : names)
            window.grid().selectionModel()->select(rows(window).index(rowOf(window, name), 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    static void makeCurrentOnly(SendPluWindow& window, const char* name) {
        window.grid().clearSelection();
        window.grid().selectionModel()->setCurrentIndex(rows(window).index(rowOf(window, name), 0),
                                                        QItemSelectionModel::NoUpdate);
    }
    static QVariant colour(SendPluWindow& window, const char* name, int column, int role = Qt::BackgroundRole) {
        return rows(window).index(rowOf(window, name), column).data(role);
    }

    int plu(int pluRef, const char* column) {
        return static_cast<int>(
            integerOf(std::string("select ") + column + " from PLU where lPluRef = " + std::to_string(pluRef)));
    }
    int product(int id, const char* column) {
        return static_cast<int>(
            integerOf(std::string("select ") + column + " from Towar where lTowarRef = " + std::to_string(id)));
    }

    // Makes the window close as Qt does after close(): its deletion is posted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_P(SendPluWindowTest, OpensFromTheMenuWithoutLabelItemsAndKeepsItsPlaceBetweenSessions) {
    EXPECT_TRUE(GuiTest::menuItem(this->window(), SendPluItem)->isEnabled());
    SendPluWindow& window = open();
    EXPECT_EQ(window.findChild<QLabel*>("panelCount")->text(), "Rekordów do wysłania: 2");
    EXPECT_EQ(rows(window).rowCount(), 2);
    EXPECT_EQ(rows(window).headerData(6, Qt::Horizontal).toString(), "Skąd");
    // No labels configured: both label items are hidden, in the menu and the pop-up.
    EXPECT_FALSE(item(window, "miWyslijEtykiety").isVisible());
    EXPECT_FALSE(item(window, "pmWyslijEtykiety").isVisible());
    EXPECT_EQ(item(window, "pmWyslij").text(), "Wyślij dane z okna do urządzeń");

    window.resize(700, 450);
    QPointer<SendPluWindow> closed(&window);
    ASSERT_TRUE(window.close());
    settle();
    EXPECT_TRUE(closed.isNull());
    EXPECT_TRUE(fs::exists(root / "ustawienia" / "korvel" / "korvel.ini"));
    EXPECT_EQ(open().size(), QSize(700, 450));
}

TEST_P(SendPluWindowTest, FlagCommandsWriteTheSelectedRowsOrTheCurrentOneOnly) {
    SendPluWindow& window = open();
    select(window, {"Chleb", "Masło"});
    item(window, "miOdblokuj").trigger();
    EXPECT_EQ(plu(21, "byBlokada"), 0);
    EXPECT_EQ(plu(21, "byStatus"), 1);
    EXPECT_TRUE(window.grid().selectionModel()->selectedRows().isEmpty());  // a command unselects

    // Nothing selected: the pop-up's evening mark goes to the current row alone.
    makeCurrentOnly(window, "Masło");
    item(window, "pmZaznaczWieczorne").trigger();
    EXPECT_EQ(product(2, "bySendWiecz"), 1);
    EXPECT_EQ(product(1, "bySendWiecz"), 0);

    // The arrow keys move the current row and the status bar follows.
    window.grid().selectionModel()->setCurrentIndex(rows(window).index(0, 0), QItemSelectionModel::NoUpdate);
    press(window, Qt::Key_Down);
    EXPECT_EQ(window.findChild<QLabel*>("panelPosition")->text(), "2");
    press(window, Qt::Key_Up);
    EXPECT_EQ(window.findChild<QLabel*>("panelPosition")->text(), "1");

    // Ctrl+A and a removed immediate mark: Chleb's becomes an evening mark.
    press(window, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window.grid().selectionModel()->selectedRows().size(), 2);
    item(window, "miOdznaczNatychmiastowe").trigger();
    EXPECT_EQ(product(1, "bySendNat"), 0);
    EXPECT_EQ(product(1, "bySendWiecz"), 1);
}

TEST_P(SendPluWindowTest, WithoutInstalledCashRegistersNothingIsSentAndTheWindowStays) {
    SendPluWindow& window = open();
    std::vector<ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes, 1);
    item(window, "miWyslij").trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Brak zainstalowanych kas.");
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(product(1, "bySendNat"), 1);
    EXPECT_EQ(plu(21, "byBlokada"), 1);
    EXPECT_EQ(integerOf("select count(*) from Operacje"), 1);  // the operator's attempt is recorded
    EXPECT_TRUE(FormKernel::terminationAllowed());
}

TEST_P(SendPluWindowTest, NeitherWindowClosesDuringTheTransmissionWhoseSummaryThenShows) {
    addCashRegisters({1});
    // Enough records for the window to answer the operator while it sends.
    for (int id = 100; id < 100 + SendPluWindow::RecordsPerRedraw; ++id)
        addProduct(TestSupport::ShopProduct(id, "Bułka " + std::to_string(id), 0.5).sendingNow(), id, Ordinary);
    QPointer<SendPluWindow> window(&open());
    std::vector<ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes, 2);
    bool windowClosed = true, mainClosed = true, attempted = false, sendOff = false;
    QString progressText;
    QTimer::singleShot(0, [&] {
        attempted = true;
        if (auto* progress = window->findChild<QWidget*>("ProgressWindow"); progress && progress->isVisible())
            progressText = progress->windowTitle() + "|" + progress->findChild<QLabel*>("lblTekst")->text();
        sendOff = !item(*window, "miWyslij").isEnabled() && !item(*window, "pmZablokuj").isEnabled();
        windowClosed = window->close();
        mainClosed = this->window().close();
    });
    item(*window, "miWyslij").trigger();
    settle();

    EXPECT_TRUE(attempted);
    EXPECT_EQ(progressText, "Przesyłanie PLU|Trwa komunikacja z urządzeniami...");
    EXPECT_TRUE(sendOff);  // no command may run inside the transmission
    EXPECT_FALSE(windowClosed);
    EXPECT_FALSE(mainClosed);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Trwa transmisja danych do urządzeń. Program można zamknąć po jej zakończeniu.");
    EXPECT_EQ(boxes[1].title, "Ostrzeżenie");
    EXPECT_EQ(boxes[1].text.rfind("Podsumowanie operacji:\n\n   Przetworzono rekordów: 32\n", 0), 0u) << boxes[1].text;
    EXPECT_TRUE(window.isNull());  // closed after the summary
    EXPECT_FALSE(files().empty());
    EXPECT_EQ(product(1, "bySendNat"), 0);
    EXPECT_TRUE(this->window().isVisible());
    EXPECT_TRUE(FormKernel::terminationAllowed());
}

TEST_P(SendPluWindowTest, CellsShowBlockedPricelessAndModifiedRowsInTheirOrder) {
    SendPluWindow& window = open();
    EXPECT_EQ(colour(window, "Masło", 3), SendPluRowsModel::BlockedBackground);
    EXPECT_FALSE(colour(window, "Masło", NameColumn).isValid());
    EXPECT_FALSE(colour(window, "Chleb", 3).isValid());
    item(window, "miBezCeny").trigger();
    EXPECT_TRUE(item(window, "pmBezCeny").isChecked());
    EXPECT_EQ(colour(window, "Mleko", 2), SendPluRowsModel::NoPriceBackground);
    EXPECT_TRUE(colour(window, "Mleko", 2, Qt::ForegroundRole).isValid());

    // The product browser shows the current product; a change made meanwhile greys its
    // row, and the operator is told so once.
    std::vector<ShownBox> boxes;
    makeCurrentOnly(window, "Masło");
    int browsed = 0;
    GuiTest::whenModalShows([&](QWidget* browser) {
        auto* grid = browser->findChild<QTableWidget*>("grid");
        browsed = grid ? grid->rowCount() : -1;
        exec("update Towar set dCenaSprzed = 8.49 where lTowarRef = 2");
        GuiTest::closeMessageBoxes(boxes, 1);
        browser->close();
    });
    item(window, "miTowar").trigger();
    EXPECT_EQ(browsed, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "Zmodyfikowane rekordy zostaną zaznaczone kolorem szarym. Ich aktualne wartości będą wyświetlone w "
              "momencie  kolejnego odświeżenia danych (Ctrl+R).");
    EXPECT_EQ(colour(window, "Masło", 3), SendPluRowsModel::ModifiedBackground);  // above the blocked colour
    EXPECT_FALSE(colour(window, "Chleb", NameColumn).isValid());

    // The sale conditions of another product, changed as well: no second message.
    makeCurrentOnly(window, "Chleb");
    GuiTest::whenModalShows([&](QWidget* browser) {
        exec(
            "insert into WarSprz (lWarSprzRef, lTowarRef, DataOd, DataDo, dCenaSprzed, byCenaWyslana) "
            "values (9, 1, 1, 99999, 3.59, 1)");
        browser->close();
    });
    item(window, "pmWarunkiSprzedazy").trigger();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(colour(window, "Chleb", NameColumn), SendPluRowsModel::ModifiedBackground);

    press(window, Qt::Key_R, Qt::ControlModifier);  // the refresh forgets them
    EXPECT_EQ(colour(window, "Masło", 3), SendPluRowsModel::BlockedBackground);
}

TEST_P(SendPluWindowTest, TheSearcherFindsTheTextAndItsNextOccurrence) {
    addProduct(TestSupport::ShopProduct(4, "Masło roślinne", 5.99).sendingNow(), 41, Ordinary);
    SendPluWindow& window = open();
    GuiTest::whenModalShows([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        input->setTextValue("MASŁO");
        input->accept();
    });
    press(window, Qt::Key_F7);
    const QString first = window.grid().currentIndex().siblingAtColumn(NameColumn).data().toString();
    press(window, Qt::Key_F8);
    const QString second = window.grid().currentIndex().siblingAtColumn(NameColumn).data().toString();
    EXPECT_TRUE(first.startsWith("Masło"));
    EXPECT_TRUE(second.startsWith("Masło"));
    EXPECT_NE(first, second);
    std::vector<ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes, 1);
    press(window, Qt::Key_F8);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Nie znaleziono ciągu znaków „MASŁO”.");
}

TEST_P(SendPluWindowTest, TheLabelsGoOutForPriceRisesOnly) {
    TestSupport::TempDir remote;
    TestSupport::FtpServer server(remote.path());
    const auto ftp = Ftp::registerFtpConnectionAction();  // as the program registers it
    LabelsTest::configureLabels(LabelsTest::settingsFor(server, root / "etykiety"));
    const int today = Core::DateTime::today();
    TestSupport::addCondition(session(), 1, 1, 3.99, 0, today - 1, today + 1);  // Chleb rises
    TestSupport::addCondition(session(), 2, 2, 6.99, 0, today - 1, today + 1);  // Masło falls
    exec("update Towar set byElEtyk = 1");
    exec("update PLU set byBlokada = 0");
    SendPluWindow& window = open();
    ASSERT_TRUE(item(window, "miWyslijEtykiety").isVisible());
    EXPECT_EQ(colour(window, "Chleb", 2, Qt::ToolTipRole).toString().toStdString(),
              "Cena towaru: 3.49, cena z warunków sprzedaży: 3.99");
    std::vector<ShownBox> boxes;
    item(window, "pmWyslijEtykiety").trigger();

    std::string uploaded;
    int dataFiles = 0;
    for (const auto& entry : fs::directory_iterator(remote / "etykiety")) {
        if (entry.path().extension() != ".dat") continue;
        ++dataFiles;
        uploaded += TestSupport::readFile(entry.path());
    }
    EXPECT_EQ(dataFiles, 1);
    EXPECT_NE(uploaded.find("5900000000011"), std::string::npos) << uploaded;
    EXPECT_EQ(uploaded.find("5900000000021"), std::string::npos) << uploaded;
    EXPECT_TRUE(boxes.empty());
}

TEST_P(SendPluWindowTest, TheConsoleHostRefusesBeforeMarkingAnything) {
    closeWindows();
    EXPECT_THROW(Core::Action::CContainer::instance().invoke(
                     Kolvenia::ActionGuids::SendPluBrowser, std::make_shared<Core::Action::ExecutorInvoker>(), nullptr),
                 FormKernel::NoWindowError);
    EXPECT_EQ(plu(11, "byStatus"), Ordinary);  // the opening would have made it new
}

// Renders both windows as the operator sees them; with KORVEL_SCREENSHOT_DIR set the
// pictures are written there (docs/images holds them for the documentation).
TEST_P(SendPluWindowTest, BothWindowsRenderAtTheirSizeForTheDocumentation) {
    addProduct(TestSupport::ShopProduct(4, "Jogurt naturalny 400 g", 2.79).sendingNow(), 41, Ordinary);
    addProduct(TestSupport::ShopProduct(5, "Kawa mielona 250 g", 14.99).sendingInTheEvening(), 51, New);
    this->window().resize(900, 200);
    SendPluWindow& window = open();
    window.resize(1000, 320);
    item(window, "miBezCeny").trigger();
    select(window, {"Kawa mielona 250 g"});
    const QString folder = qEnvironmentVariable("KORVEL_SCREENSHOT_DIR");
    for (QWidget* shown : std::initializer_list<QWidget*>{&this->window(), &window}) {
        const QPixmap picture = shown->grab();
        EXPECT_EQ(picture.size(), shown->size());
        if (!folder.isEmpty() && GetParam() == TestSupport::Engine::SQLite) {
            EXPECT_TRUE(picture.save(folder + "/" + shown->objectName() + ".png"));
        }
    }
}

KORVEL_ON_EACH_ENGINE(SendPluWindowTest);

}  // namespace
}  // namespace DictionaryTest
