// The PLU actions fired through the host's action container, as menus, other modules
// and the console start them: their texts, results and what they leave behind.
#include <ctime>
#include <regex>
#include <sstream>

#include "Transmission.h"
#include "core/ActionContainer.h"
#include "db/Query.h"
#include "plu/ProcessAndSendActions.h"
#include "support/ErrorOf.h"

namespace PluTx {
namespace {

constexpr const char* ProcessAndSendPlu = "{050958DF-B168-4E5A-80E2-CC598C81515F}";
constexpr const char* SendPluForArticle = "{D54FEB57-BEC8-48B9-A0AF-D65016319FA9}";

class ConsoleArgs : public Core::IOStreamGetter {
public:
    std::ostream& getOStream() override { return out; }
    std::ostringstream out;
};

class ArticleArgs : public FormKernel::IBaseFormArgs, public ConsoleArgs {
public:
    explicit ArticleArgs(std::list<int> products) : products_(std::move(products)) {}
    const std::list<int>& getReferences() const override { return products_; }

private:
    std::list<int> products_;
};

// A PLU-sending window: records what the run shows on its progress.
class WindowArgs : public IVisualPluSender, public ConsoleArgs, public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    Core::ThreadUserIo::ISteppableProgressIndicator& getProgressIndicator() override { return *this; }
    std::function<void()> getTickCallback() override {
        return [this] { shown += " tick"; };
    }
    unsigned char getResultFlag() const override { return 7; }

    void setText(const std::string& text) override { shown += " text " + text; }
    void setMaximum(long long steps) override { shown += " maximum " + std::to_string(steps); }
    void step(long long count) override { shown += " step " + std::to_string(count); }
    void finish() override { shown += " finish"; }

    std::string shown;
};

const Core::ActionStatus& fire(const char* guid, const std::shared_ptr<Core::IUnknown>& args,
                               java::pointer<Core::IUnknown>& result) {
    result = Core::Action::CContainer::instance().invoke(guid, std::make_shared<Core::Action::ExecutorInvoker>(),
                                                         java::pointer<Core::IUnknown>(args));
    return result->as<Core::ActionStatus>();
}

// The stream's text with each line's leading time stamp blanked to "[]".
std::string withoutTimestamps(const std::string& text) {
    static const std::regex stamp(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\]: )");
    std::istringstream lines(text);
    std::string result;
    for (std::string line; std::getline(lines, line);) result += std::regex_replace(line, stamp, "[]: ") + '\n';
    return result;
}

std::string startOfRun(int today) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[16];
    std::strftime(date, sizeof date, "%d.%m.%Y", &local);
    return "[]: Rozpoczynam tworzenie datasetu za dzień: " + std::string(date) + " (" + std::to_string(today) +
           ")\n[]: Rozpoczynam przetwarzanie PLU.\n";
}

std::string summary(int processed, int sent) {
    return "Przetwarzanie PLU zakończone.\n\nStatus:\n   Przetworzono rekordów: " + std::to_string(processed) +
           "\n   Wysłano do urządzeń: " + std::to_string(sent) + "\n\n";
}

class ActionsTest : public Transmission {};

TEST_P(ActionsTest, ProcessAndSendShowsItsProgressAndWritesTheSummaryOrTheFailure) {
    addCashRegister(1);
    addProduct(Product(1, "Chleb", 3.49));
    addPlu(11, 1, "5900000000015", 1);
    addProduct(Product(2, "Mleko", 2.89));
    addPlu(21, 2, "5900000000022", 1);
    {
        auto args = std::make_shared<WindowArgs>();
        java::pointer<Core::IUnknown> result;
        const Core::ActionStatus& status = fire(ProcessAndSendPlu, args, result);
        EXPECT_TRUE(status.succeeded());
        EXPECT_EQ(status.flag(), 7);
        EXPECT_EQ(args->shown, " text Trwa komunikacja z urządzeniami... maximum 2 step 1 tick step 1 tick finish");
        EXPECT_EQ(withoutTimestamps(args->out.str()), startOfRun(today()) + summary(2, 2));
        EXPECT_EQ(plusIn(fileName('P', 1, 1)), (Texts{"5900000000015 1 3.49", "5900000000022 1 2.89"}));
    }
    // The failing row comes after one already written in its package: both are undone.
    addProduct(Product(3, "Cukier", 3.0).sendingNow());
    addPlu(31, 3, "5900000000039", 2);
    addProduct(Product(4, "Woda", 1.99).withoutVat());
    addPlu(41, 4, "5900000000046", 1);
    auto args = std::make_shared<ConsoleArgs>();
    java::pointer<Core::IUnknown> result;
    const Core::ActionStatus& status = fire(ProcessAndSendPlu, args, result);
    EXPECT_FALSE(status.succeeded());
    EXPECT_EQ(status.message(), "Towar nie posiada przypisanej stawki VAT.");
    EXPECT_EQ(withoutTimestamps(args->out.str()), startOfRun(today()) + "Towar nie posiada przypisanej stawki VAT.\n");
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU where lPluRef > 30 order by lPluRef"), (Texts{"31 1", "41 1"}));
    EXPECT_EQ(rows("select bySendNat from Towar where lTowarRef = 3"), Texts{"1"});
    EXPECT_EQ(files('P'), Texts{fileName('P', 1, 1)});
}

TEST_P(ActionsTest, SendForArticlesNeedsACashRegisterAndSendsOnlyTheChosenProducts) {
    addCashRegister(1, false);
    addProduct(Product(1, "Chleb", 3.49));
    addPlu(11, 1, "5900000000015", 1);
    addProduct(Product(2, "Mleko", 2.89));
    addPlu(21, 2, "5900000000022", 1);
    addProduct(Product(3, "Ser", 9.99));
    addPlu(31, 3, "5900000000039", 1);
    addProduct(Product(4, "Kawa", 20.0));
    addPlu(41, 4, "5900000000046", 1, 1);
    const auto chosen = std::make_shared<ArticleArgs>(std::list<int>{1, 3, 4});
    java::pointer<Core::IUnknown> result;
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { fire(SendPluForArticle, chosen, result); }),
              "Brak zainstalowanych kas.");
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(rows("select count(*) from PLU where byStatus = 1"), Texts{"4"});

    exec("update Urzadzenie set bZainstalowane = 1");
    const Core::ActionStatus& status = fire(SendPluForArticle, chosen, result);
    const std::string expected =
        "Podsumowanie operacji:\n\n"
        "   Przetworzono rekordów: 3\n"
        "   Wysłano do urządzeń: 2\n"
        "   Nie wysłano ze względu na flagi lub brak ceny: 1\n"
        "   Nie wysłano ze względu na błędne przypisania cen z warunków: 0\n"
        "   Nie wysłano ze względu na błędy transakcji: 0\n";
    EXPECT_TRUE(status.succeeded());
    EXPECT_EQ(status.message(), expected);
    EXPECT_EQ(chosen->out.str(), expected);
    EXPECT_EQ(plusIn(fileName('P', 1, 1)), (Texts{"5900000000015 1 3.49", "5900000000039 1 9.99"}));
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"), (Texts{"11 2", "21 1", "31 2", "41 1"}));
    // One change-history entry per run, the refused one included.
    EXPECT_EQ(rows("select sKlucz, sOpis, nTypOperacji from Operacje"),
              (Texts{"NWYSLANIEPLUDOKAS Wysłanie PLU do kas 3", "NWYSLANIEPLUDOKAS Wysłanie PLU do kas 3"}));
}

KORVEL_ON_EACH_ENGINE(ActionsTest);

// Row locks of a second session: PostgreSQL only (SQLite locks the whole database).
class LockedProductTest : public Transmission {};

TEST_P(LockedProductTest, LockedProductIsCountedAndSentByTheNextRun) {
    addCashRegister(1);
    addProduct(Product(1, "Chleb", 3.49));
    addPlu(11, 1, "5900000000015", 1);
    addProduct(Product(2, "Mleko", 2.89));
    addPlu(21, 2, "5900000000022", 1);
    addProduct(Product(3, "Ser", 9.99));
    addPlu(31, 3, "5900000000039", 1);

    TSessionHolder operatorSession(false);
    operatorSession.StartTransaction();
    DBKernel::Sql::OpenedQuery("select * from towar where ltowarref = 2 for update", operatorSession);
    java::pointer<Core::IUnknown> result;
    auto first = std::make_shared<ConsoleArgs>();
    EXPECT_TRUE(fire(ProcessAndSendPlu, first, result).succeeded());
    EXPECT_EQ(withoutTimestamps(first->out.str()),
              startOfRun(today()) + summary(3, 2) +
                  "   Nie wysłano ze względu na flagi lub brak ceny: 0\n"
                  "   Nie wysłano ze względu na błędne przypisania cen z warunków: 0\n\n"
                  "   Nie wysłano ze względu na błędy transakcji: 1\n\n");
    EXPECT_EQ(plusIn(fileName('P', 1, 1)), (Texts{"5900000000015 1 3.49", "5900000000039 1 9.99"}));
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"), (Texts{"11 2", "21 1", "31 2"}));

    operatorSession.Rollback();
    auto second = std::make_shared<ConsoleArgs>();
    EXPECT_TRUE(fire(ProcessAndSendPlu, second, result).succeeded());
    EXPECT_EQ(withoutTimestamps(second->out.str()), startOfRun(today()) + summary(1, 1));
    EXPECT_EQ(plusIn(fileName('P', 2, 1)), Texts{"5900000000022 1 2.89"});
    EXPECT_EQ(rows("select count(*) from PLU where byStatus = 2"), Texts{"3"});
}

INSTANTIATE_TEST_SUITE_P(Engines, LockedProductTest, ::testing::Values(Engine::PostgreSQL), TestSupport::engineName);

}  // namespace
}  // namespace PluTx
