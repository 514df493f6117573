// The send-all to the directory price checker, fired through the host's action
// container as the console and the send-all-data action fire it.
#include <algorithm>
#include <sstream>

#include "PriceCheckerSetup.h"
#include "core/ActionContainer.h"
#include "forms/FormKernel.h"
#include "frame/SendAllDataActionInvoker.h"
#include "support/ShopRows.h"

namespace PriceCheckerTest {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr const char* SendAllPriceChecker = "{544130F9-B009-4201-AA99-2B70D9A802D4}";

class ConsoleArgs : public Core::IOStreamGetter, public Core::IExternalExecutionArgsGetter {
public:
    std::ostream& getOStream() override { return out; }
    std::ostringstream out;
};

// Message boxes that remember what they showed.
class RecordedBoxes : public FormKernel::IMessageBoxes {
public:
    void information(const std::string& text) override { shown += "information: " + text + "\n"; }
    void warning(const std::string& text) override { shown += "warning: " + text + "\n"; }
    void error(const std::string& text) override { shown += "error: " + text + "\n"; }
    bool question(const std::string& text) override {
        shown += "question: " + text + "\n";
        return false;
    }
    std::string shown;
};

class SendAllTest : public ModuleDatabase {
protected:
    void SetUp() override {
        ModuleDatabase::SetUp();
        FormKernel::installMessageBoxes(boxes);
        product(1, "Chleb", 3.49, 1, 11, "5900000000015", 2);
        product(2, "Ser gouda", 24.999, 3, 21, "2712345", 1);
        product(3, "Masło", 7.99, 1, 31, "5900000000022", 3);  // to be deleted: skipped
        product(4, "Woda", 0, 1, 41, "5901234123457", 2);      // no price: not listed
        product(5, "Sok", 4.5, 1, 51, "5901234123464", 2);
        exec("update PLU set byBlokada = 1 where lPluRef = 51");  // blocked: not listed
        product(6, "Cukierki", 9.9, 1, 61, "5900000000039", 2);
        exec("update Towar set nStatusAktywnosci = 2 where lTowarRef = 6");  // withdrawn: skipped
    }
    void TearDown() override {
        FormKernel::installMessageBoxes(nullptr);
        ModuleDatabase::TearDown();
    }

    java::pointer<Core::IUnknown> fire(const std::shared_ptr<Core::IUnknown>& args) {
        return Core::Action::CContainer::instance().invoke(SendAllPriceChecker,
                                                           std::make_shared<Core::Action::ExecutorInvoker>(),
                                                           java::pointer<Core::IUnknown>(args));
    }
    static Names sortedLines(const std::string& text) {
        Names lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }
    Names auditLog() { return rows("select sKlucz, sOpis from Operacje"); }

    std::shared_ptr<RecordedBoxes> boxes = std::make_shared<RecordedBoxes>();
};

TEST_P(SendAllTest, TheConsoleWritesTheWholeListInReloadModeAndReportsWhereItWent) {
    TestSupport::writeFile(directories.directoryChecker / "PLU00004.TXT", "");
    auto args = std::make_shared<ConsoleArgs>();
    const auto result = fire(args);
    ASSERT_TRUE(result->as<Core::ActionStatus>().succeeded()) << result->as<Core::ActionStatus>().message();

    // The query lists four codes in no particular order; the deleted and the withdrawn are left out.
    EXPECT_EQ(sortedLines(TestSupport::readFile(directories.directoryChecker / "PLU00005.TXT")),
              (Names{"R02712345     Ser gouda" + std::string(21, ' ') + "     2499kg \r",
                     "R5900000000015Chleb" + std::string(25, ' ') + "      349szt\r"}));
    EXPECT_EQ(args->out.str(),
              "Przygotowuję dane...\nTrwa wysyłanie... 1 z 4\nTrwa wysyłanie... 2 z 4\nTrwa wysyłanie... 3 z 4\n"
              "Trwa wysyłanie... 4 z 4\n"
              "Wysłano do PriceCheckera: 2, plik: " +
                  (directories.directoryChecker / "PLU00005.TXT").string() + "\n");
    EXPECT_EQ(auditLog(), Names{"NFUNKCJESERWISOWE Całkowite przesłanie do PriceChecker'a"});
    EXPECT_TRUE(boxes->shown.empty()) << boxes->shown;
}

TEST_P(SendAllTest, ASwitchedOffPriceCheckerIsWarnedAboutAndGetsNothing) {
    Settings settings;
    settings.directoryChecker = false;
    configure(settings, directories);
    auto args = std::make_shared<ConsoleArgs>();
    EXPECT_TRUE(fire(args)->as<Core::ActionStatus>().succeeded());
    EXPECT_EQ(boxes->shown, "warning: Price Checker jest wyłączony!\n");
    EXPECT_TRUE(fs::is_empty(directories.directoryChecker));
    EXPECT_EQ(auditLog(), Names{"NFUNKCJESERWISOWE Całkowite przesłanie do PriceChecker'a"});
}

TEST_P(SendAllTest, TheSendAllDataActionDrivesItsOwnProgressAndAFailureIsAnswered) {
    fs::remove_all(directories.directoryChecker);
    auto progress = std::make_shared<Core::ThreadUserIo::NullProgressIndicator>();
    const auto result = fire(std::make_shared<SendAllDataActionInvoker>(std::nullopt, progress));
    EXPECT_FALSE(result->as<Core::ActionStatus>().succeeded());
    EXPECT_EQ(result->as<Core::ActionStatus>().message(),
              "Błąd otwarcia pliku: " + (directories.directoryChecker / "PLU00000.TXT").string());
}

TEST_P(SendAllTest, WithoutAWindowTheDialogCannotOpenAndNothingIsDone) {
    auto args = std::make_shared<Core::ActionStatus>(true, "");  // neither console nor send-all-data
    EXPECT_THROW(fire(args), FormKernel::NoWindowError);
    EXPECT_TRUE(fs::is_empty(directories.directoryChecker));
    EXPECT_TRUE(auditLog().empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, SendAllTest, ::testing::Values(TestSupport::Engine::SQLite), TestSupport::engineName);

}  // namespace
}  // namespace PriceCheckerTest
