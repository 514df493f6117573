// The send-all windows over a real shop with the module loaded, driven from the main
// window's menus: the send-all-data selection and progress windows down to the
// transfer files and the PLU flags, the send-all-PLU dialog, and the price-checker
// send-all dialog down to its numbered file.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "../sendall/SendAllShop.h"
#include "ShopWindow.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "frame/ActionGuids.h"
#include "support/ShopRows.h"

namespace SendAllTest {
namespace {

namespace fs = std::filesystem;
using GuiTest::child;
using GuiTest::ShownBox;

constexpr const char* SendAllDataItem = ".miTransmisje.miPrzeslanieWszystkichDanych";
constexpr const char* SendAllPluItem = ".miTransmisje.miPrzeslanieWszystkichPLU";
constexpr const char* PriceCheckerItem = ".miInne.miFunkSerwis.miAllPrzeslaniePriceChecker";
constexpr int Patience = 60000;  // ms; a run under the thread sanitizer is slow

QString text(QWidget* parent, const char* name) {
    if (auto* button = parent->findChild<QPushButton*>(name)) return button->text();
    return child<QLabel>(parent, name).text();
}

std::vector<std::string> lines(QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text().toStdString());
    return texts;
}

class SendAllWindows : public GuiTest::ShopWindow<SendAllShop> {
protected:
    // Runs `act` on the next modal window of the class (a message box: "QMessageBox").
    void whenModal(const char* name, std::function<void(QWidget*)> act, int triesLeft = Patience / 10) {
        QTimer::singleShot(10, &window(), [this, name, act = std::move(act), triesLeft]() mutable {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && (modal->objectName() == name || modal->metaObject()->className() == std::string(name)))
                return act(modal);
            if (triesLeft == 0) return ADD_FAILURE() << "no " << name << " showed";
            whenModal(name, std::move(act), triesLeft - 1);
        });
    }

    // Closes the next message box, recording it, then waits for the next window.
    void closeBoxThen(
        std::vector<ShownBox>& boxes, std::function<void()> then = [] {}) {
        whenModal("QMessageBox", [&boxes, then](QWidget* modal) {
            auto* box = static_cast<QMessageBox*>(modal);
            boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
            box->defaultButton()->click();
            then();
        });
    }

    // The selection window: `select` ticks, then the window is accepted.
    void selectThenAccept(std::function<void(QWidget*)> select) {
        whenModal("TSelectCashRegisterData", [select](QWidget* dialog) {
            select(dialog);
            auto& accept = child<QPushButton>(dialog, "btnAkceptuj");
            EXPECT_TRUE(accept.isEnabled());
            // A disabled button ignores the click: leave rather than hang the test.
            (accept.isEnabled() ? accept : child<QPushButton>(dialog, "btnAnuluj")).click();
        });
    }

    // The progress window, once its run has finished: what it shows (details open);
    // then "Zamknij" closes it.
    struct Shown {
        std::string main, kind, cancel;
        int overall = -1;
        std::vector<std::string> comments;
    };
    Shown progressToTheEnd() {
        QPointer<QWidget> dialog = GuiTest::shownWindow("TdlgSendAllData");
        if (!dialog) {
            ADD_FAILURE() << "no progress window";
            return {};
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return text(dialog, "btnAnuluj") == "Zamknij"; }, Patience));
        child<QPushButton>(dialog, "btnSzczegoly").click();
        EXPECT_TRUE(child(dialog, "lbComments").isVisible());
        EXPECT_EQ(text(dialog, "btnSzczegoly"), "Ukryj <<");
        Shown shown{text(dialog, "lblMain").toStdString(), text(dialog, "lblKind").toStdString(),
                    text(dialog, "btnAnuluj").toStdString(), child<QProgressBar>(dialog, "pbOverall").value(),
                    lines(child<QListWidget>(dialog, "lbComments"))};
        child<QPushButton>(dialog, "btnAnuluj").click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, Patience));  // closed and deleted
        return shown;
    }

    static void setKey(const std::vector<std::string>& path, const std::string& value) {
        auto key = Core::SingletonImplHolder<Core::CSetup>::instance().getRootKey();
        for (const auto& name : path) key = key.CreateKey(name);
        key.set_val(value);
    }

    void shopWithPlus() {
        addCashRegister(1);
        addCashRegister(2);
        addProduct(PluTx::Product(1, "Chleb", 3.5));
        addProduct(PluTx::Product(2, "Mleko", 2.99).sendingNow());
        addProduct(PluTx::Product(3, "Sok", 4.5));
        addPlu(11, 1, "5901234123457", 2);  // already sent: goes again
        addPlu(21, 2, "2000000000015", 1);
        addPlu(31, 3, "5901234123464", 2, 1);  // blocked: never
    }

    Texts sortedPlusIn(const std::string& file) const {
        Texts sent = plusIn(file);
        std::sort(sent.begin(), sent.end());
        return sent;
    }
};

TEST_P(SendAllWindows, TickedKindsAndRegistersAreSentInCodeOrderAndTheProgressWindowFollowsTheRun) {
    shopWithPlus();
    addKind("PLU", 20, false, Kolvenia::ActionGuids::SendAllPluDialog);
    addKind("Jednostki miar", 10, false, Kolvenia::ActionGuids::SendMeasureUnitsFromSendAllDataDialog);
    addKind("Promocje", 30);
    kindsKeyOf("PLU").CreateKey("Zależności").CreateKey("Jednostki miar");
    std::vector<ShownBox> boxes;
    std::vector<std::string> offered, registers;
    closeBoxThen(boxes, [&] {
        selectThenAccept([&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Wysłanie wszystkich danych do kas");
            auto& data = child<QListWidget>(dialog, "clbData");
            offered = lines(data);
            registers = lines(child<QListWidget>(dialog, "clbCashRegisters"));
            EXPECT_FALSE(child<QPushButton>(dialog, "btnAkceptuj").isEnabled());  // nothing ticked yet
            data.item(0)->setCheckState(Qt::Checked);                             // PLU brings its units
            EXPECT_EQ(data.item(1)->checkState(), Qt::Checked);
            EXPECT_EQ(data.item(2)->checkState(), Qt::Unchecked);
            EXPECT_FALSE(child<QCheckBox>(dialog, "cbAllData").isChecked());
            EXPECT_FALSE(child<QPushButton>(dialog, "btnAkceptuj").isEnabled());  // no register yet
            child<QListWidget>(dialog, "clbCashRegisters").item(1)->setCheckState(Qt::Checked);
        });
    });
    choose(SendAllDataItem);
    const Shown shown = progressToTheEnd();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "Wysyłanie nie nadpisze starych danych. Można je wykonać jedynie dla kas z pustymi bazami.");
    EXPECT_EQ(offered, (Texts{"PLU", "Jednostki miar", "Promocje"}));
    EXPECT_EQ(registers, (Texts{"kasa 1", "kasa 2"}));
    EXPECT_EQ(shown.main, "Wysyłanie danych 2 / 2");
    EXPECT_EQ(shown.overall, 100);
    EXPECT_EQ(shown.kind, "Wysyłanie zakończone.");
    EXPECT_EQ(shown.comments, (Texts{"Wysyłanie danych...", "Jednostki miar", "PLU", "Wysyłanie zakończone."}));
    // Only the second register got the units, then the PLUs; the unticked kind never ran.
    const Texts units = files('D'), plus = files('P');
    ASSERT_EQ(units.size(), 1u);
    ASSERT_EQ(plus.size(), 1u);
    EXPECT_EQ(cashRegistersOf(units[0]), std::vector<int>{2});
    EXPECT_EQ(cashRegistersOf(plus[0]), std::vector<int>{2});
    EXPECT_LE(fs::last_write_time(out / units[0]), fs::last_write_time(out / plus[0]));
    EXPECT_EQ(sortedPlusIn(plus[0]), (Texts{"2000000000015 1 2.99", "5901234123457 1 3.50"}));
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"), (Texts{"11 2", "21 2", "31 2"}));
    EXPECT_TRUE(journal().empty());
}

// The progress window leaves the host usable: a second start while the run goes on is
// refused, and closing the window asks the run to stop after the current kind.
TEST_P(SendAllWindows, ASecondStartIsRefusedWhileTheRunGoesOnAndCancelSendsNoMoreKinds) {
    addCashRegister(1);
    addBlockingKind("Stawki VAT", 10);
    addKind("Promocje", 20);
    const auto tickAll = [](QWidget* dialog) {
        child<QCheckBox>(dialog, "cbAllData").click();
        child<QCheckBox>(dialog, "cbAllCashRegisters").click();
        EXPECT_EQ(child<QListWidget>(dialog, "clbData").item(1)->checkState(), Qt::Checked);
    };
    std::vector<ShownBox> boxes;
    closeBoxThen(boxes, [&] { selectThenAccept(tickAll); });
    choose(SendAllDataItem);
    gate.waitForArrival();

    closeBoxThen(boxes, [&] {
        selectThenAccept(tickAll);
        closeBoxThen(boxes);
    });
    choose(SendAllDataItem);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, "Ostatnie wysłanie danych jeszcze się nie zakończyło.\nAkcja anulowana.");

    QWidget* dialog = GuiTest::shownWindow("TdlgSendAllData");
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(text(dialog, "btnAnuluj"), "Anuluj");
    gate.open();
    const Shown shown = progressToTheEnd();
    EXPECT_EQ(journal(), Texts{"Stawki VAT:blocked"});
    EXPECT_EQ(shown.main, "Wysyłanie danych 1 / 2");
    EXPECT_EQ(shown.comments, (Texts{"Wysyłanie danych...", "Stawki VAT", "Wysyłanie przerwane."}));
}

TEST_P(SendAllWindows, AMissingDirectoryOrAFailingKindIsShownAndTheWindowStaysUsable) {
    addCashRegister(1);
    addKind("Stawki VAT", 10);
    addThrowingKind("Kasy", 20);
    addKind("Promocje", 30);
    fs::remove_all(out);
    const auto tickAll = [](QWidget* dialog) {
        child<QCheckBox>(dialog, "cbAllData").click();
        child<QCheckBox>(dialog, "cbAllCashRegisters").click();
    };
    std::vector<ShownBox> boxes;
    closeBoxThen(boxes, [&] {
        selectThenAccept(tickAll);
        closeBoxThen(boxes);
    });
    choose(SendAllDataItem);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].title, "Błąd");
    EXPECT_EQ(boxes[1].text, "Nie udało się znaleźć katalogu '" + out.string() + "'\nNależy sprawdzić konfigurację!");
    EXPECT_TRUE(journal().empty());

    // With the directory back the run starts; the kind that fails ends it.
    fs::create_directories(out);
    closeBoxThen(boxes, [&] { selectThenAccept(tickAll); });
    choose(SendAllDataItem);
    const Shown shown = progressToTheEnd();
    EXPECT_EQ(journal(), Texts{"Stawki VAT:101"});
    EXPECT_EQ(shown.comments, (Texts{"Wysyłanie danych...", "Stawki VAT", "Kasy", "Kasa nie odpowiada.",
                                     "Błąd podczas wysyłania danych."}));
    EXPECT_EQ(shown.cancel, "Zamknij");
}

TEST_P(SendAllWindows, TheSendAllPluDialogSendsEveryValidPluToEveryRegister) {
    shopWithPlus();
    choose(SendAllPluItem);
    QPointer<QWidget> dialog = GuiTest::shownWindow("TdlgSendAllPLU");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(text(dialog, "btnAnuluj"), "Anuluj");

    // Without the output directory the send fails in a box and the dialog can try again.
    fs::remove_all(out);
    std::vector<ShownBox> boxes;
    closeBoxThen(boxes);
    child<QPushButton>(dialog, "btnWyslij").click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Błąd");
    EXPECT_TRUE(child<QPushButton>(dialog, "btnWyslij").isEnabled());
    EXPECT_EQ(text(dialog, "btnAnuluj"), "Anuluj");

    fs::create_directories(out);
    child<QPushButton>(dialog, "btnWyslij").click();
    EXPECT_EQ(text(dialog, "lblText"), "Wysłano PLU: 2.");
    EXPECT_EQ(child<QProgressBar>(dialog, "pbProgress").value(), 2);
    EXPECT_EQ(text(dialog, "btnAnuluj"), "Zamknij");
    const Texts plus = files('P');
    ASSERT_EQ(plus.size(), 1u);
    EXPECT_EQ(cashRegistersOf(plus[0]), (std::vector<int>{1, 2}));
    EXPECT_EQ(sortedPlusIn(plus[0]), (Texts{"2000000000015 1 2.99", "5901234123457 1 3.50"}));
    EXPECT_EQ(integerOf("select count(*) from Operacje where sKlucz = 'NWYSLANIEWSZYSTKICHPLU'"), 2);

    child<QPushButton>(dialog, "btnAnuluj").click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, Patience));
}

TEST_P(SendAllWindows, ThePriceCheckerDialogWarnsWhenSwitchedOffAndOtherwiseWritesTheWholeList) {
    shopWithPlus();
    const fs::path checker = root / "pc";
    fs::create_directories(checker);
    choose(PriceCheckerItem);
    QWidget* dialog = GuiTest::shownWindow("TdlgSendAllPriceChecker");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Całkowite przesłanie do PriceChecker'a");

    std::vector<ShownBox> boxes;
    closeBoxThen(boxes);
    child<QPushButton>(dialog, "btnWyslij").click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Price Checker jest wyłączony!");
    EXPECT_TRUE(fs::is_empty(checker));

    setKey({"Parametry programu", "FrontOffice", "PriceChecker", "Katalog"}, checker.string());
    Core::SingletonImplHolder<Core::CSetup>::instance()
        .getRootKey()
        .GetKey("Parametry programu")
        .GetKey("FrontOffice")
        .GetKey("PriceChecker")
        .GetKey("Włączony")
        .set_val(true);
    child<QPushButton>(dialog, "btnWyslij").click();
    const fs::path file = checker / "PLU00000.TXT";
    EXPECT_EQ(text(dialog, "lblText").toStdString(), "Wysłano do PriceCheckera: 2, plik: " + file.string());
    const std::string written = TestSupport::readFile(file);
    EXPECT_NE(written.find("R5901234123457Chleb"), std::string::npos) << written;
    EXPECT_NE(written.find("R2000000000015Mleko"), std::string::npos) << written;
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2) << written;
    EXPECT_EQ(integerOf("select count(*) from Operacje where sKlucz = 'NFUNKCJESERWISOWE'"), 2);
    EXPECT_EQ(text(dialog, "btnAnuluj"), "Zamknij");
    dialog->close();
}

KORVEL_ON_EACH_ENGINE(SendAllWindows);

}  // namespace
}  // namespace SendAllTest
