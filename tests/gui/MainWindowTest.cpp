// The host's main window over a real shop with the module loaded: its menus hold the
// module's items at their paths, and an item runs its action with the window as parent,
// through the Qt selection dialog and message boxes, down to the transfer files.
#include <QCheckBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "DictionaryShop.h"
#include "MenuItems.h"
#include "ShopWindow.h"
#include "core/ActionContainer.h"

namespace DictionaryTest {
namespace {

using GuiTest::ShownBox;

constexpr const char* ReturnReasonsItem = ".miTransmisje.miPrzeslaniePowodowZwrotow";
constexpr int ReturnReasonsType = 0x11;

class MainWindowTest : public GuiTest::ShopWindow<DictionaryShop> {
protected:
    // Two registers with return reasons to send; the dialog offers "kasa 1", "kasa 2".
    void shopWithReturnReasons() {
        addCashRegisters({1, 2});
        exec("insert into ReturnReason (id, name, deleted) values (1, 'Towar wadliwy', 0)");
        exec("insert into ReturnReason (id, name, deleted) values (2, 'Pomyłka kasjera', 0)");
    }
};

QListWidget& registersOf(QWidget* dialog) { return *dialog->findChild<QListWidget*>("clbCashRegisters"); }
QPushButton& button(QWidget* dialog, const char* name) { return *dialog->findChild<QPushButton*>(name); }

TEST_P(MainWindowTest, EveryModuleItemHangsAtItsPathAndIsEnabledOnlyWhenItsActionIsRegistered) {
    const auto& container = Core::Action::CContainer::instance();
    for (const auto& item : Korvel::Gui::moduleMenuItems()) {
        QAction* action = GuiTest::menuItem(window(), item.path);
        ASSERT_NE(action, nullptr) << item.path;
        EXPECT_EQ(action->isEnabled(), container.contains(item.guid)) << item.path;
    }
    EXPECT_TRUE(GuiTest::menuItem(window(), ReturnReasonsItem)->isEnabled());
    // Menus are shared by their items and nest as deep as the path goes.
    EXPECT_EQ(window().menuBar()->actions().size(), 3);
    EXPECT_NE(GuiTest::menuItem(window(), ".miSpisy.miDictionaries.miAutomaticDiscountTypesBrowser.miWyslij"), nullptr);
    EXPECT_EQ(GuiTest::menuItem(window(), ".miTransmisje")->text(), "&Transmisje");
}

TEST_P(MainWindowTest, TheOperatorNarrowsTheRegistersByDoubleClickAndTheSendReachesOnlyThatOne) {
    shopWithReturnReasons();
    std::vector<ShownBox> boxes;
    bool allStartedTicked = false;
    GuiTest::whenModalShows([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Wybór kas");
        auto& lines = registersOf(dialog);
        ASSERT_EQ(lines.count(), 2);
        EXPECT_EQ(lines.item(1)->text(), "kasa 2");
        allStartedTicked = dialog->findChild<QCheckBox*>("cbAll")->isChecked();
        const QPoint second = lines.visualItemRect(lines.item(1)).center();
        QTest::mouseClick(lines.viewport(), Qt::LeftButton, {}, second);  // a double click follows a press
        QTest::mouseDClick(lines.viewport(), Qt::LeftButton, {}, second);
        EXPECT_EQ(lines.item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(lines.item(1)->checkState(), Qt::Checked);
        EXPECT_FALSE(dialog->findChild<QCheckBox*>("cbAll")->isChecked());
        GuiTest::closeMessageBoxes(boxes);
        button(dialog, "btnAkceptuj").click();
    });
    choose(ReturnReasonsItem);

    EXPECT_TRUE(allStartedTicked);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Wysłano powody zwrotów.");
    TransferFile file;
    readOnly(ReturnReasonsType, file);
    EXPECT_EQ(file.cashRegisters, std::vector<int>{2});
    EXPECT_EQ(file.column("name"), (Texts{"Towar wadliwy", "Pomyłka kasjera"}));
}

TEST_P(MainWindowTest, UntickingEveryRegisterDisablesAcceptAndCancellingSendsNothing) {
    shopWithReturnReasons();
    GuiTest::whenModalShows([&](QWidget* dialog) {
        auto& all = *dialog->findChild<QCheckBox*>("cbAll");
        QTest::mouseClick(&all, Qt::LeftButton);
        EXPECT_EQ(registersOf(dialog).item(0)->checkState(), Qt::Unchecked);
        EXPECT_FALSE(button(dialog, "btnAkceptuj").isEnabled());
        registersOf(dialog).item(0)->setCheckState(Qt::Checked);  // one tick is enough again
        EXPECT_TRUE(button(dialog, "btnAkceptuj").isEnabled());
        button(dialog, "btnAnuluj").click();  // a cancelled send closes without a word
    });
    choose(ReturnReasonsItem);

    EXPECT_TRUE(files().empty());
}

TEST_P(MainWindowTest, AFailingActionShowsItsMessageOnceAndTheWindowStaysUsable) {
    exec("insert into ReturnReason (id, name, deleted) values (1, 'Towar wadliwy', 0)");
    addCashRegisters({1});
    addDevice({2, 0, true, true, true});  // integrated: never offered
    exec("update Urzadzenie set bWlaczone = 0 where nNrKolvenia = 1");
    std::vector<ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes, 1);
    choose(ReturnReasonsItem);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Błąd");
    EXPECT_EQ(boxes[0].text, "Brak dostępnych kas");
    EXPECT_TRUE(files().empty());

    // The operator enables the register and chooses the item again.
    exec("update Urzadzenie set bWlaczone = 1 where nNrKolvenia = 1");
    GuiTest::whenModalShows([&](QWidget* dialog) {
        EXPECT_EQ(registersOf(dialog).count(), 1);
        GuiTest::closeMessageBoxes(boxes);
        button(dialog, "btnAkceptuj").click();
    });
    choose(ReturnReasonsItem);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(files().size(), 1u);
}

TEST_P(MainWindowTest, AnErrorThatEscapesAnActionIsShownInAnErrorBox) {
    std::vector<ShownBox> boxes;
    GuiTest::closeMessageBoxes(boxes, 1);
    window().invoke("{00000000-0000-0000-0000-000000000000}");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Brak akcji o identyfikatorze {00000000-0000-0000-0000-000000000000}.");
}

KORVEL_ON_EACH_ENGINE(MainWindowTest);

}  // namespace
}  // namespace DictionaryTest
