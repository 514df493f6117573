// The other dictionary members: which records and which registers reach the transfer
// files, their messages and progress, and the operator's choice of registers.
#include <cstdio>

#include "DictionaryShop.h"
#include "cashregister/dictionaries/VatRatesActions.h"
#include "core/DateTime.h"
#include "dialogs/SelectCashRegister.h"
#include "forms/FormKernel.h"
#include "zentools/SysdateGetter.h"

namespace DictionaryTest {
namespace {

constexpr const char* SendMarkdownReasons = "{6B38AA4C-608E-4E23-8F60-CD9D1721257F}";
constexpr const char* SendAllReturnReasons = "{25204217-C108-4FD7-A241-50AC1A2B901A}";
constexpr const char* SendDiscountsFromSendAllData = "{647DA539-760F-4008-9331-B1223B14C494}";
constexpr const char* SendDiscountsFire = "{06603682-90B0-417E-A39F-43977D190D12}";
constexpr const char* SendDiscountsFromBrowser = "{C41B54CC-C2EA-49A7-8056-B38250DFDF33}";
constexpr const char* SendCustomersFire = "{DB01743F-D1A4-4B8E-9B38-17AF4441EE79}";
constexpr const char* SendMeasureUnitsDialog = "{BFF29173-48EC-4E7C-965B-1DBE591ED70A}";
constexpr const char* SendMeasureUnitsFromSendAllData = "{E09C034C-19EC-4820-8DBE-D2924699A364}";
constexpr const char* SendPayments = "{0CFA421A-34C9-48CE-91DE-CE5DD923E23E}";
constexpr const char* SendVatRatesByDate = "{B7FFCF3F-D78D-4CDF-A7D6-3D32FE4EBC14}";
constexpr const char* SendVatRates = "{261A23A0-7040-423C-B176-64128A8D8BEF}";

constexpr const char* RequiredPaymentForm = "{65191C53-315F-4300-AB6A-3D9649A8014C}";

// What a progress window of the host shows, in order.
class RecordedProgress : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    void setText(const std::string& text) override { shown += " text " + text; }
    void setMaximum(long long steps) override { shown += " maximum " + std::to_string(steps); }
    void step(long long count) override { shown += " step " + std::to_string(count); }
    void finish() override { shown += " finish"; }
    std::string shown;
};

// Started from a menu: no console, no send-all-data invoker.
class MenuArgs : public FormKernel::IBaseForm {};

// The operator in front of the selection dialog: acts on the dialog, then closes it.
void operatorWill(std::function<void(Kolvenia::TSelectCashRegister&)> act, std::string* shownMenuPath = nullptr) {
    FormKernel::installModalFormOpener([=](const std::string& formClass, const FormKernel::TBaseFormArgs& args,
                                           Core::IUnknown& model, FormKernel::IBaseForm*) {
        EXPECT_EQ(formClass, "TSelectCashRegister");
        if (shownMenuPath) *shownMenuPath = args.menuPath;
        auto& dialog = model.as<Kolvenia::TSelectCashRegister>();
        act(dialog);
        return dialog.accepted();
    });
}

TEST_P(DictionaryShop, ReturnReasonsGoToEnabledCashRegistersOnlyAndLeaveOutDeletedOnes) {
    addCashRegisters({1});
    addDevice({2, 0, false});        // disabled register
    addDevice({3, 1});               // a scale
    addDevice({4, 0, true, false});  // enabled, not installed: still a target
    exec("insert into ReturnReason (id, name, deleted) values (1, 'Towar wadliwy', 0)");
    exec("insert into ReturnReason (id, name, deleted) values (2, 'Przeterminowany', 1)");
    exec("insert into ReturnReason (id, name, deleted) values (3, 'Pomyłka kasjera', 0)");
    EXPECT_TRUE(fire(SendAllReturnReasons, java::make<SendAllDataActionInvoker>(std::nullopt, nullptr)).succeeded());
    TransferFile file;
    readOnly(0x11, file);
    EXPECT_EQ(file.kind, "returnReasons");
    EXPECT_EQ(file.cashRegisters, (std::vector<int>{1, 4}));
    EXPECT_EQ(file.column("name"), (Texts{"Towar wadliwy", "Pomyłka kasjera"}));
}

TEST_P(DictionaryShop, ReturnReasonsWithoutAnyEnabledDeviceFail) {
    const auto status = fire(SendAllReturnReasons, java::make<SendAllDataActionInvoker>(std::nullopt, nullptr));
    EXPECT_FALSE(status.succeeded());
    EXPECT_EQ(status.message(), "Brak włączonych urządzeń.");
}

TEST_P(DictionaryShop, DiscountTypesSendOnlyActiveOnesWithTheInvokersProgress) {
    addCashRegisters({1, 2});
    exec("insert into AutomaticDiscountType (id, name, isActive) values (1, 'Senior', 1)");
    exec("insert into AutomaticDiscountType (id, name, isActive) values (2, 'Student', 0)");
    exec("insert into AutomaticDiscountType (id, name, isActive) values (3, 'Karta Dużej Rodziny', 1)");
    auto progress = std::make_shared<RecordedProgress>();
    EXPECT_TRUE(fire(SendDiscountsFromSendAllData, java::make<SendAllDataActionInvoker>(std::set<int>{102}, progress))
                    .succeeded());
    TransferFile file;
    readOnly(0x14, file);
    EXPECT_EQ(file.cashRegisters, std::vector<int>{2});
    EXPECT_EQ(file.column("name"), (Texts{"Senior", "Karta Dużej Rodziny"}));
    EXPECT_EQ(progress->shown, " maximum 3 step 1 step 1 step 1 finish");  // two records and the send
}

TEST_P(DictionaryShop, DiscountTypesFromTheConsoleTakeNoArgument) {
    addCashRegisters({1});
    auto console = java::make<ConsoleArgs>(Texts{"-all"});
    const auto status = fire(SendDiscountsFire, console);
    EXPECT_FALSE(status.succeeded());
    EXPECT_EQ(status.message(), "Niepoprawna lista parametrów.");
    EXPECT_EQ(console->out.str(),
              "Niepoprawna liczba parametrów\nPoprawne użycie akcji:\n"
              "fire <guid_akcji> // wysłanie kompletnej listy aktywnych typów przecen\n");
    EXPECT_TRUE(files().empty());

    EXPECT_TRUE(fire(SendDiscountsFire, java::make<ConsoleArgs>()).succeeded());
    TransferFile file;
    readOnly(0x14, file);
    EXPECT_TRUE(file.records.empty());  // an empty dictionary is still sent: the registers drop theirs
}

TEST_P(DictionaryShop, MeasureUnitsFromSendAllDataShowTheirProgressText) {
    addCashRegisters({1, 2, 3});
    auto progress = std::make_shared<RecordedProgress>();
    EXPECT_TRUE(
        fire(SendMeasureUnitsFromSendAllData, java::make<SendAllDataActionInvoker>(std::set<int>{101, 103}, progress))
            .succeeded());
    TransferFile file;
    readOnly(0x13, file);
    EXPECT_EQ(file.cashRegisters, (std::vector<int>{1, 3}));
    EXPECT_EQ(file.column("symbol"), (Texts{"szt", "l", "kg", "opak"}));  // the shop's reference units
    EXPECT_EQ(file.column("divisible"), (Texts{"false", "true", "true", "false"}));
    EXPECT_EQ(progress->shown, " text Wysyłanie jednostek miar maximum 5 step 1 step 1 step 1 step 1 step 1 finish");
}

TEST_P(DictionaryShop, PaymentFormsNeedTheRequiredFormAndOtherwiseSendNothing) {
    addCashRegisters({1});
    exec(
        "insert into FormaPlatnosci (lFormaPlatnosciRef, sGuid, sNazwa, nRodzaj, bReszta) values "
        "(2, '{0B7E2C8A-4F1D-4E59-9C3A-6D2E8F1B7A40}', 'Karta', 1, 0)");
    const auto missing = fire(SendPayments, java::make<ConsoleArgs>());
    EXPECT_FALSE(missing.succeeded());
    EXPECT_EQ(missing.message(), std::string("Nie odnaleziono płatności o guidzie ") + RequiredPaymentForm + ".");
    EXPECT_TRUE(files().empty());

    exec(std::string("insert into FormaPlatnosci (lFormaPlatnosciRef, sGuid, sNazwa, nRodzaj, bReszta) values "
                     "(1, '") +
         RequiredPaymentForm + "', 'Gotówka', 0, 1)");
    auto console = java::make<ConsoleArgs>();
    EXPECT_TRUE(fire(SendPayments, console).succeeded());
    EXPECT_EQ(console->out.str(), "Wysyłanie zakończone pomyślnie\n");
    TransferFile file;
    readOnly(0x15, file);
    EXPECT_EQ(file.column("name"), (Texts{"Gotówka", "Karta"}));
    EXPECT_EQ(file.column("guid").front(), RequiredPaymentForm);
}

TEST_P(DictionaryShop, VatRatesAreThoseValidOnTheCallersDate) {
    addCashRegisters({1});
    addDevice({5, 1});          // a scale takes no VAT rates
    constexpr int day = 46361;  // 5 December 2026
    exec("update StawkaVat set DataDo = " + std::to_string(day - 1) + " where byVAT = 2");
    exec("insert into StawkaVat (byVAT, sSymbol, sLitera, dStawka, bZwolniona, DataOd) values (6, '7', 'F', 7.5, 0, " +
         std::to_string(day) + ")");
    exec("insert into StawkaVat (byVAT, sSymbol, sLitera, dStawka, bZwolniona, DataOd) values (7, '9', 'G', 9, 0, " +
         std::to_string(day + 1) + ")");
    auto progress = std::make_shared<RecordedProgress>();
    EXPECT_TRUE(
        fire(SendVatRatesByDate, java::make<SendVatRatesInvoker>(std::nullopt, progress, day + 0.75)).succeeded());
    TransferFile file;
    readOnly(0x12, file);
    EXPECT_EQ(file.document.child("cashRegisterData").attribute("date").value(), std::string("2026-12-05"));
    EXPECT_EQ(file.cashRegisters, std::vector<int>{1});
    EXPECT_EQ(file.column("number"), (Texts{"1", "3", "4", "5", "6"}));
    EXPECT_EQ(file.column("percent")[4], "7.5");
    EXPECT_EQ(progress->shown, " maximum 2 step 1 step 1 finish");
}

TEST_P(DictionaryShop, VatRatesWithoutAnyEnabledDeviceSendNothingAndSucceed) {
    EXPECT_TRUE(fire(SendVatRatesByDate, java::make<SendVatRatesInvoker>(std::nullopt, nullptr, 46361.0)).succeeded());
    EXPECT_TRUE(files().empty());
}

TEST_P(DictionaryShop, MembersTheRegistersCannotTakeOnlyReportIt) {
    auto markdown = java::make<ConsoleArgs>();
    EXPECT_EQ(fire(SendMarkdownReasons, markdown).message(), "Wysłanie powodów przecen do kas DOS nie jest dostępne.");
    EXPECT_EQ(markdown->out.str(), "Wysłanie powodów przecen do kas DOS nie jest dostępne.\n");
    EXPECT_EQ(fire(SendCustomersFire, java::make<ConsoleArgs>()).message(),
              "Wysłanie danych klientów do kas nie jest dostępne.");
}

TEST_P(DictionaryShop, AMenuActionInAHostWithoutWindowsFailsNamingTheActionAndSendsNothing) {
    addCashRegisters({1});
    const auto status = fire(SendMeasureUnitsDialog, java::make<MenuArgs>());
    EXPECT_FALSE(status.succeeded());
    EXPECT_NE(status.message().find("SendMeasureUnitsDialog"), std::string::npos) << status.message();
    EXPECT_NE(status.message().find("wymaga okna programu"), std::string::npos) << status.message();
    EXPECT_TRUE(files().empty());
}

TEST_P(DictionaryShop, TheOperatorsChoiceNarrowsTheRegistersAndCancellingSendsNothing) {
    addCashRegisters({1, 2, 3});
    std::string menuPath;
    operatorWill(
        [](Kolvenia::TSelectCashRegister& dialog) {
            dialog.setCurrent(1);
            dialog.clbCashRegistersDblClick();
            dialog.accept();
        },
        &menuPath);
    EXPECT_TRUE(fire(SendDiscountsFromBrowser, java::make<MenuArgs>()).succeeded());
    EXPECT_EQ(menuPath, ".miSpisy.miDictionaries.miAutomaticDiscountTypesBrowser.miWyslij");
    TransferFile file;
    readOnly(0x14, file);
    EXPECT_EQ(file.cashRegisters, std::vector<int>{2});

    exec(std::string("insert into FormaPlatnosci (lFormaPlatnosciRef, sGuid, sNazwa) values (1, '") +
         RequiredPaymentForm + "', 'Gotówka')");
    operatorWill([](Kolvenia::TSelectCashRegister& dialog) { dialog.cancel(); });
    const auto cancelled = fire(SendPayments, java::make<MenuArgs>());
    EXPECT_TRUE(cancelled.succeeded());
    EXPECT_EQ(cancelled.message(), "Wysłanie anulowano");
    EXPECT_EQ(files().size(), 1u);
}

TEST_P(DictionaryShop, VatRatesFromTheMenuHoldForTheDatabasesTodayAndGoToTheChosenRegisters) {
    addCashRegisters({1, 2});
    std::string menuPath;
    operatorWill(
        [](Kolvenia::TSelectCashRegister& dialog) {
            dialog.setChecked(0, false);
            dialog.accept();
        },
        &menuPath);
    EXPECT_TRUE(fire(SendVatRates, java::make<MenuArgs>()).succeeded());
    EXPECT_EQ(menuPath, ".miTransmisje.miPrzeslanieStawekVat");
    TransferFile file;
    readOnly(0x12, file);
    EXPECT_EQ(file.cashRegisters, std::vector<int>{2});
    const auto today = Core::DateTime::calendarDate(Zentools::SysdateGetter::getDate(session()));
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02u-%02u", static_cast<int>(today.year()),
                  static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
    EXPECT_EQ(file.document.child("cashRegisterData").attribute("date").value(), std::string(iso));
    EXPECT_EQ(file.column("symbol"), (Texts{"23", "8", "5", "0", "zw"}));
}

KORVEL_ON_EACH_ENGINE(DictionaryShop);

}  // namespace
}  // namespace DictionaryTest
