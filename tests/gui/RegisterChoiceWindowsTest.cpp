// Every menu item that asks for cash registers, chosen from the main window over a real
// shop: the Qt selection dialog offers the enabled registers that are not integrated,
// the operator's choice is what the transfer file names, and cancelling writes nothing.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "DictionaryShop.h"
#include "ShopWindow.h"

namespace DictionaryTest {
namespace {

using GuiTest::ShownBox;

constexpr const char* RequiredPaymentForm = "{65191C53-315F-4300-AB6A-3D9649A8014C}";

struct RegisterChoiceItem {
    const char* path;
    const char* fileKind;    // the transfer file it writes
    const char* cancelText;  // what a cancelled send says, if anything
};

const RegisterChoiceItem Items[] = {
    {".miTransmisje.miPrzeslaniePanstw", "countries", nullptr},
    {".miTransmisje.miPrzeslaniePowodowZwrotow", "returnReasons", nullptr},
    {".miTransmisje.miPrzeslanieJednostekMiar", "measureUnits", nullptr},
    {".miTransmisje.miPrzeslaniePlatnosciNaKase", "paymentForms", "Wysłanie anulowano"},
    {".miTransmisje.miPrzeslanieKonfiguracjiPlu", "pluConfiguration", nullptr},
    {".miTransmisje.miPrzeslanieStawekVat", "vatRates", nullptr},
    {".miSpisy.miDictionaries.miAutomaticDiscountTypesBrowser.miWyslij", "automaticDiscountTypes", nullptr},
};

class RegisterChoiceWindowsTest : public GuiTest::ShopWindow<DictionaryShop> {
protected:
    void SetUp() override {
        ShopWindow::SetUp();
        addCashRegisters({1, 2});
        addDevice({3, 0, true, true, true});  // integrated: never offered
        exec("insert into Country (id, code, name, activityStatus) values (1, 'PL', 'Polska', 0)");
        exec("insert into ReturnReason (id, name, deleted) values (1, 'Towar wadliwy', 0)");
        exec("insert into AutomaticDiscountType (id, name, isActive) values (1, 'Senior', 1)");
        exec(std::string("insert into FormaPlatnosci (lFormaPlatnosciRef, sGuid, sNazwa, nRodzaj, bReszta) values "
                         "(1, '") +
             RequiredPaymentForm + "', 'Gotówka', 0, 1)");
    }

    // The kind and the target registers of the only transfer file.
    std::pair<std::string, std::vector<int>> onlyFile() const {
        const Texts names = files();
        EXPECT_EQ(names.size(), 1u);
        if (names.size() != 1) return {};
        pugi::xml_document document;
        EXPECT_TRUE(document.load_file((out / names.front()).c_str()));
        const pugi::xml_node root = document.child("cashRegisterData");
        std::vector<int> registers;
        for (auto node : root.child("cashRegisters").children("cashRegister"))
            registers.push_back(node.attribute("number").as_int());
        return {root.attribute("kind").value(), registers};
    }
    void emptyOutput() {
        for (const auto& name : files()) std::filesystem::remove(out / name);
    }
};

TEST_P(RegisterChoiceWindowsTest, EachItemSendsToTheRegistersTheOperatorKeptAndNothingWhenCancelled) {
    for (const auto& item : Items) {
        SCOPED_TRACE(item.path);
        emptyOutput();
        std::vector<ShownBox> boxes;
        GuiTest::whenModalShows([&](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Wybór kas");
            auto& lines = *dialog->findChild<QListWidget*>("clbCashRegisters");
            ASSERT_EQ(lines.count(), 2);
            lines.item(0)->setCheckState(Qt::Unchecked);  // "kasa 1" stays behind
            GuiTest::closeMessageBoxes(boxes);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        choose(item.path);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Informacja") << boxes[0].text;
        EXPECT_EQ(onlyFile(), std::make_pair(std::string(item.fileKind), std::vector<int>{2}));

        emptyOutput();
        boxes.clear();
        GuiTest::whenModalShows([&](QWidget* dialog) {
            if (item.cancelText) GuiTest::closeMessageBoxes(boxes);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        choose(item.path);
        EXPECT_TRUE(files().empty());
        if (item.cancelText) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, item.cancelText);
        }
    }
}

KORVEL_ON_EACH_ENGINE(RegisterChoiceWindowsTest);

}  // namespace
}  // namespace DictionaryTest
