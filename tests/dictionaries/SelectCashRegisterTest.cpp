// The cash-register selection dialog's behaviour over the shop's devices.
#include "DictionaryShop.h"
#include "dialogs/SelectCashRegister.h"
#include "support/ErrorOf.h"

namespace DictionaryTest {
namespace {

using Kolvenia::TSelectCashRegister;

class SelectCashRegister : public DictionaryShop {
protected:
    Texts shownLines(const TSelectCashRegister& dialog) {
        Texts lines;
        for (const auto& line : dialog.lines())
            lines.push_back(line.text + (line.checked ? " [x] " : " [ ] ") + std::to_string(line.deviceRef));
        return lines;
    }
};

TEST_P(SelectCashRegister, OffersEnabledCashRegistersThatAreNotIntegratedAllChecked) {
    addDevice({3});
    addDevice({1, 0, true, true, std::nullopt});  // no stored value: an ordinary register
    addDevice({2, 0, true, true, true});          // integrated
    addDevice({4, 0, false});                     // disabled
    addDevice({5, 1});                            // a scale
    TSelectCashRegister dialog;
    dialog.beforeModeDependencies();
    EXPECT_EQ(shownLines(dialog), (Texts{"kasa 1 [x] 101", "kasa 3 [x] 103"}));
    EXPECT_TRUE(dialog.allChecked());
    EXPECT_TRUE(dialog.acceptEnabled());
    EXPECT_EQ(dialog.current(), 0u);
    EXPECT_EQ(dialog.getCashRegisters(), (std::set<int>{101, 103}));
}

TEST_P(SelectCashRegister, RefusesToOpenWhenOnlyIntegratedRegistersAreEnabled) {
    addDevice({1, 0, true, true, true});
    addDevice({2, 1});
    TSelectCashRegister dialog;
    EXPECT_EQ(TestSupport::errorOf<std::exception>([&] { dialog.beforeModeDependencies(); }), "Brak dostępnych kas");
    bool opened = false;
    FormKernel::installModalFormOpener([&](auto&&...) { return opened = true; });
    EXPECT_THROW(Kolvenia::chooseCashRegisters(".miTransmisje.miPrzeslaniePanstw", nullptr, "Test"), std::exception);
    EXPECT_FALSE(opened);
}

TEST_P(SelectCashRegister, CheckMarksDriveAllAndTheAcceptButton) {
    addCashRegisters({1, 2, 3});
    TSelectCashRegister dialog;
    dialog.beforeModeDependencies();

    dialog.setChecked(1, false);
    EXPECT_FALSE(dialog.allChecked());
    EXPECT_TRUE(dialog.acceptEnabled());
    EXPECT_EQ(dialog.getCashRegisters(), (std::set<int>{101, 103}));

    dialog.setChecked(0, false);
    dialog.setChecked(2, false);
    EXPECT_FALSE(dialog.acceptEnabled());
    dialog.accept();
    EXPECT_FALSE(dialog.accepted());  // the disabled button does nothing

    dialog.setChecked(2, true);
    EXPECT_TRUE(dialog.acceptEnabled());

    dialog.clickAll(true);
    EXPECT_EQ(dialog.getCashRegisters(), (std::set<int>{101, 102, 103}));
    EXPECT_TRUE(dialog.allChecked());
    dialog.clickAll(false);
    EXPECT_TRUE(dialog.getCashRegisters().empty());
    EXPECT_FALSE(dialog.acceptEnabled());
}

// On the only line a double click leaves all checked.
TEST_P(SelectCashRegister, DoubleClickKeepsOnlyTheCurrentLine) {
    addCashRegisters({1, 2, 3});
    TSelectCashRegister dialog;
    dialog.beforeModeDependencies();
    dialog.setCurrent(2);
    dialog.clbCashRegistersDblClick();
    EXPECT_EQ(dialog.getCashRegisters(), std::set<int>{103});
    EXPECT_FALSE(dialog.allChecked());
    EXPECT_TRUE(dialog.acceptEnabled());
    dialog.accept();
    EXPECT_TRUE(dialog.accepted());

    exec("update Urzadzenie set bWlaczone = 0 where lUrzadzenieRef <> 102");
    TSelectCashRegister single;
    single.beforeModeDependencies();
    single.clbCashRegistersDblClick();
    EXPECT_TRUE(single.allChecked());
    EXPECT_EQ(single.getCashRegisters(), std::set<int>{102});
}

KORVEL_ON_EACH_ENGINE(SelectCashRegister);

}  // namespace
}  // namespace DictionaryTest
