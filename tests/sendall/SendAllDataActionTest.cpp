// The send-all-data action as the host runs it: checks before the start, the kinds in
// ascending code order in a background thread, cash registers only unless a kind goes to
// scales, a second start refused while a run goes on, cancel between kinds, a failing
// kind, and the PLU kind writing real transfer files on both engines.
#include <algorithm>
#include <filesystem>

#include "SendAllShop.h"
#include "core/ActionContainer.h"
#include "frame/ActionGuids.h"

namespace SendAllTest {
namespace {

constexpr const char* AlreadyRunning = "Ostatnie wysłanie danych jeszcze się nie zakończyło.\nAkcja anulowana.";
constexpr const char* MissingArgs =
    "Brak parametrów dla akcji wysłania wszystkich danych do urządzeń.\nGUID = {BD2AA1D6-5737-4F2C-93F8-289CF0A28CF3}";

class SendAllRun : public SendAllShop {};

TEST_P(SendAllRun, KindsGoInAscendingCodeOrderAndOnlyScaleKindsReachScales) {
    addCashRegister(1);
    addCashRegister(2);
    addCashRegister(3);
    addScale(1);
    addKind("Promocje", 30);
    addKind("PLU", 10, true);
    addKind("Stawki VAT", 20);

    run({101, 102, 201}, {30, 10, 20});

    EXPECT_EQ(journal(), (Texts{"PLU:101,102,201", "Stawki VAT:101,102", "Promocje:101,102"}));
    EXPECT_EQ(observer->steps(), 3);
    EXPECT_EQ(observer->done(), 3);
    EXPECT_EQ(observer->texts(),
              (Texts{"Wysyłanie danych...", "PLU", "Stawki VAT", "Promocje", "Wysyłanie zakończone."}));
}

TEST_P(SendAllRun, BadArgumentsOrDirectoryAreRefusedBeforeAnythingIsSent) {
    addCashRegister(1);
    addKind("PLU", 10);
    EXPECT_EQ(start(java::make<Core::IUnknown>()), MissingArgs);
    EXPECT_EQ(start(java::make<SendAllDataActionInvoker>(std::set<int>{101}, nullptr)), MissingArgs);
    EXPECT_EQ(start({}, {10}), MissingArgs);
    EXPECT_EQ(start({101}, {}), MissingArgs);
    EXPECT_EQ(start({101}, {10, 99}), "Brak rodzaju danych o kodzie typu operacji 99 w konfiguracji.");
    std::filesystem::remove_all(out);
    EXPECT_EQ(start({101}, {10}),
              "Nie udało się znaleźć katalogu '" + out.string() + "'\nNależy sprawdzić konfigurację!");
    EXPECT_TRUE(journal().empty());
    EXPECT_TRUE(observer->texts().empty());

    // None of the refusals left the flag set.
    std::filesystem::create_directory(out);
    run({101}, {10});
    EXPECT_EQ(journal(), Texts{"PLU:101"});
}

TEST_P(SendAllRun, SecondStartWhileRunningIsRefusedAndANewStartWorksAfter) {
    addCashRegister(1);
    addBlockingKind("Wolne", 10);
    addKind("PLU", 20);
    ASSERT_EQ(start({101}, {10, 20}), "");
    gate.waitForArrival();

    auto second = std::make_shared<RecordingObserver>();
    SendAllDataArgs args;
    args.deviceRefs = {101};
    args.kinds = {20};
    args.observer = second;
    EXPECT_EQ(start(java::make<SendAllDataActionInvoker>(args)), AlreadyRunning);

    gate.open();
    observer->waitForFinish();
    EXPECT_EQ(journal(), (Texts{"Wolne:blocked", "PLU:101"}));
    EXPECT_TRUE(second->texts().empty());  // the refused start reported nothing

    observer = std::make_shared<RecordingObserver>();
    run({101}, {20});
    EXPECT_EQ(journal().back(), "PLU:101");
    EXPECT_EQ(observer->texts().back(), "Wysyłanie zakończone.");
}

TEST_P(SendAllRun, CancelDuringTheThirdOfFiveKindsLetsItCompleteAndSendsNoMore) {
    addCashRegister(1);
    addKind("Pierwszy", 1);
    addKind("Drugi", 2);
    addBlockingKind("Trzeci", 3);
    addKind("Czwarty", 4);
    addKind("Piąty", 5);
    ASSERT_EQ(start({101}, {1, 2, 3, 4, 5}), "");
    gate.waitForArrival();
    observer->requestCancel();
    gate.open();
    observer->waitForFinish();

    EXPECT_EQ(journal(), (Texts{"Pierwszy:101", "Drugi:101", "Trzeci:blocked"}));
    EXPECT_EQ(observer->done(), 3);
    EXPECT_EQ(observer->texts().back(), "Wysyłanie przerwane.");

    observer = std::make_shared<RecordingObserver>();
    run({101}, {4});
    EXPECT_EQ(journal().back(), "Czwarty:101");
}

TEST_P(SendAllRun, AFailingKindEndsTheRunAndTellsTheObserver) {
    addCashRegister(1);
    addKind("Pierwszy", 1);
    addThrowingKind("Zepsuty", 2);
    addKind("Trzeci", 3);
    addKind("Piąty", 5);
    run({101}, {1, 2, 3});

    EXPECT_EQ(journal(), Texts{"Pierwszy:101"});
    const Texts texts = observer->texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], "Kasa nie odpowiada.");
    EXPECT_EQ(texts.back(), "Błąd podczas wysyłania danych.");

    // The module's kinds answer a failed status instead of raising: the run stops as well.
    addFailingKind("Bez kas", 4);
    observer = std::make_shared<RecordingObserver>();
    run({101}, {3, 4, 5});
    EXPECT_EQ(journal().back(), "Trzeci:101");
    EXPECT_EQ(observer->texts().back(), "Błąd podczas wysyłania danych.");
    const Texts second = observer->texts();
    EXPECT_NE(std::find(second.begin(), second.end(), "Brak kas."), second.end());
}

INSTANTIATE_TEST_SUITE_P(Engines, SendAllRun, ::testing::Values(TestSupport::Engine::SQLite), TestSupport::engineName);

class SendAllKinds : public SendAllShop {};

// The PLU kind sends every valid PLU to the chosen cash registers only, after the
// measure units that precede it by code.
TEST_P(SendAllKinds, PluKindWritesTheTransferFileForTheChosenRegisters) {
    addCashRegister(1);
    addCashRegister(2);
    addScale(1);
    configureScaleServer();
    addProduct(PluTx::Product(1, "Chleb", 3.5));
    addProduct(PluTx::Product(2, "Mleko", 2.99).sendingNow());
    addPlu(11, 1, "5901234123457", 2);
    addPlu(21, 2, "2000000000015", 1);
    addKind("PLU", 20, true, Kolvenia::ActionGuids::SendAllPluDialog);
    addKind("Jednostki miar", 10, false, Kolvenia::ActionGuids::SendMeasureUnitsFromSendAllDataDialog);

    run({101, 201}, {20, 10});

    EXPECT_EQ(observer->texts().back(), "Wysyłanie zakończone.") << ::testing::PrintToString(observer->texts());
    const Texts plus = files('P');
    ASSERT_EQ(plus.size(), 1u);
    EXPECT_EQ(cashRegistersOf(plus[0]), std::vector<int>{1});
    EXPECT_EQ(plusIn(plus[0]), (Texts{"5901234123457 1 3.50", "2000000000015 1 2.99"}));
    // The units file was written first: ascending codes, whatever the order of the ticks.
    const Texts units = files('D');
    ASSERT_EQ(units.size(), 1u);
    EXPECT_EQ(cashRegistersOf(units[0]), std::vector<int>{1});
    EXPECT_LE(std::filesystem::last_write_time(out / units[0]), std::filesystem::last_write_time(out / plus[0]));
    EXPECT_EQ(integerOf("select count(*) from PLU where byStatus = 1"), 0);
    EXPECT_EQ(integerOf("select count(*) from Towar where bySendNat <> 0"), 0);
}

KORVEL_ON_EACH_ENGINE(SendAllKinds);

}  // namespace
}  // namespace SendAllTest
