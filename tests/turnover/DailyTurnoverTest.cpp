// The daily-turnover re-send over a shop on each engine: which register-days the
// verification finds, the "GetDailyTurnover" transfer files per register, the log
// lines on the console, and every console form with its wrong variants.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/format.hpp>
#include <map>
#include <set>

#include "CashRegisterShop.h"
#include "core/DateTime.h"
#include "frame/ActionGuids.h"

namespace {

using namespace CrShop;
namespace Guids = Kolvenia::ActionGuids;

constexpr const char* UsageFirstLine =
    "Akcja ponawiająca wysłanie danych o sprzedaży z kas (używanych przy weryfikacji).\n";

class DailyTurnover : public CashRegisterShop {
protected:
    void SetUp() override {
        CashRegisterShop::SetUp();
        for (int number : {1, 2, 3}) addCashRegister({number});
        addCashRegister({4, /*installed=*/false});
        d1 = today() - 3;
        d2 = today() - 2;
        d3 = today() - 1;
        // d1: register 1 agrees (a receipt without fiscal value does not count), register
        // 2 reported another value, register 9 (not installed) reported nothing.
        receipt(1, d1, 10.00);
        receipt(1, d1, 5.50);
        receipt(1, d1, 0);
        reported(1, d1, "15.50", "2");
        receipt(2, d1, 7.00);
        reported(2, d1, "8.00", "1");
        receipt(9, d1, 3.00);
        // d2: register 1 reported nothing, register 3 a total without a value, register 2
        // a day without sale that agrees. d3: no receipt and no total at all.
        receipt(1, d2, 4.00);
        reported(3, d2, "null", "4");
        reported(2, d2, "0", "0");
    }

    void receipt(int cashRegister, int day, double value) {
        exec("insert into paragnag (lParagRef, nNrKasy, data, dWartSprzed) values (" + std::to_string(++receipts_) +
             ", " + std::to_string(cashRegister) + ", " + std::to_string(day) + ", " + std::to_string(value) + ")");
    }
    void reported(int cashRegister, int day, const std::string& value, const std::string& count) {
        exec("insert into saleverification (cashRegisterNumber, saleDate, saleValue, receiptCount) values (" +
             std::to_string(cashRegister) + ", " + std::to_string(day) + ", " + value + ", " + count + ")");
    }

    Fired fire(const Texts& arguments) { return CashRegisterShop::fire(Guids::DailyTurnoverFire, arguments); }

    // The days requested per register, from the command transfer files.
    std::map<int, std::set<int>> requested() {
        std::map<int, std::set<int>> days;
        for (const std::string& name : files('R')) {
            TransferFile file;
            read(name, file);
            EXPECT_EQ(file.kind, "dailyTurnoverCommand");
            EXPECT_EQ(file.cashRegisters.size(), 1u);
            const pugi::xml_node command = file.root.child("command");
            EXPECT_STREQ(command.attribute("name").value(), "GetDailyTurnover");
            for (pugi::xml_node day : command.children("day"))
                days[file.cashRegisters.front()].insert(dayOf(day.attribute("date").value()));
        }
        return days;
    }
    static int dayOf(const std::string& iso) {
        using namespace std::chrono;
        return Core::DateTime::dayNumber(year_month_day{
            year(std::stoi(iso.substr(0, 4))), month(std::stoul(iso.substr(5, 2))), day(std::stoul(iso.substr(8, 2)))});
    }
    static std::string date(int day) { return Core::DateTime::formatDate(day); }

    int d1 = 0, d2 = 0, d3 = 0;

private:
    int receipts_ = 0;
};

TEST_P(DailyTurnover, RequestsTheRegisterDaysWhoseTotalIsMissingOrWrong) {
    const Fired fired = fire({"-fromLastDays", "4"});
    ASSERT_TRUE(fired.ok) << fired.message << fired.output;
    EXPECT_EQ(requested(), (std::map<int, std::set<int>>{{1, {d2}}, {2, {d1}}, {3, {d2}}}));
    const std::string sent = "[info] Wysłano polecenie GetDailyTurnover do kasy nr %1% za dzień/dni %2%\n";
    const std::string previous =
        "[info] Poprzednia wartość zarejestrowanej sprzedaży dla kasy nr %1% (%2%):\n- wartość: %3%,\n"
        "- liczba paragonów: %4%.\n";
    EXPECT_EQ(fired.output,
              (boost::format(sent) % 1 % date(d2)).str() +
                  "[info] Kasa nr 1 - brak poprzednich wartości na potrzeby "
                  "weryfikacji w dniach " +
                  date(d2) + ".\n" + (boost::format(sent) % 2 % date(d1)).str() +
                  (boost::format(previous) % 2 % date(d1) % "8.00" % 1).str() +
                  (boost::format(sent) % 3 % date(d2)).str() +
                  (boost::format(previous) % 3 % date(d2) % "0.00" % 4).str() +
                  "[warning] Brak zainstalowanej kasy z numerem 9. Wysłanie polecenia zostało pominięte.\n");
    const Texts statements = takeStatements();
    EXPECT_NE(
        std::find(
            statements.begin(), statements.end(),
            "\n\tselect\n\t\tsv.receiptcount receipt_count\n\t\t, sv.saleDate sale_date\n\t\t, sv.salevalue receipt_value\n"
            "\tfrom\n\t\tsaleverification sv\n\twhere\n\t\tsv.cashregisternumber = 2\n\t\tand sv.saleDate in (" +
                std::to_string(d1) + ")"),
        statements.end());
    const Texts log = logEntries("{5E0B7C2A-6F14-4D8B-9A3E-0C71D2B94F58}");
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log.back(), "warning: Brak zainstalowanej kasy z numerem 9. Wysłanie polecenia zostało pominięte.");
}

// With days without sale, a day nobody reported is requested from every installed
// register; the verification then starts after the first receipt day.
TEST_P(DailyTurnover, DaysWithoutSaleAreRequestedFromEveryInstalledRegister) {
    ASSERT_TRUE(fire({"-FROMLASTDAYS", "4", "-MD"}).ok);
    EXPECT_EQ(requested(), (std::map<int, std::set<int>>{{1, {d2, d3}}, {2, {d3}}, {3, {d2, d3}}}));
    const Texts statements = takeStatements();
    EXPECT_NE(std::find(statements.begin(), statements.end(),
                        "select coalesce(min(pn.data), 0) receipt_date from paragnag pn"),
              statements.end());
}

TEST_P(DailyTurnover, TheLastDaysCountBackFromYesterdayWithAnExclusiveStart) {
    ASSERT_TRUE(fire({"-fromLastDays", "1", "-md"}).ok);
    EXPECT_TRUE(files().empty());
    ASSERT_TRUE(fire({"-fromLastDays", "2", "-md"}).ok);
    EXPECT_EQ(requested(), (std::map<int, std::set<int>>{{1, {d3}}, {2, {d3}}, {3, {d3}}}));
}

TEST_P(DailyTurnover, AnExplicitRegisterAndDayAreRequestedWithoutVerification) {
    ASSERT_TRUE(fire({date(d1), "1"}).ok);
    EXPECT_EQ(requested(), (std::map<int, std::set<int>>{{1, {d1}}}));
    for (const std::string& statement : takeStatements()) EXPECT_EQ(statement.find("sekwencja"), std::string::npos);

    const Fired notInstalled = fire({date(d1), "4"});
    EXPECT_TRUE(notInstalled.ok);
    EXPECT_EQ(notInstalled.output,
              "[warning] Brak zainstalowanej kasy z numerem 4. Wysłanie polecenia zostało pominięte.\n");
    EXPECT_EQ(files('R').size(), 1u);
}

TEST_P(DailyTurnover, TheFkFormStartsTheDayAfterTheLastExport) {
    const Fired none = fire({"-fromLastFkExportDate"});
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.message, "Brak daty ostatniego eksportu do FK.");

    exec("insert into fk_export (export_id, export_date) values (1, " + std::to_string(d1 - 10) + ")");
    // Exported up to the day before d1: the range starts at d1, exclusive, as every range.
    exec("insert into fk_export (export_id, export_date) values (2, " + std::to_string(d1 - 1) + ")");
    ASSERT_TRUE(fire({"-fromLastFkExportDate", "-Md"}).ok);
    EXPECT_EQ(requested(), (std::map<int, std::set<int>>{{1, {d2, d3}}, {2, {d3}}, {3, {d2, d3}}}));
}

TEST_P(DailyTurnover, WrongArgumentsWriteTheUsageAndSendNothing) {
    for (const Texts& wrong : std::vector<Texts>{{},
                                                 {"-fromLastDays"},
                                                 {"-fromLastDays", "x"},
                                                 {"-fromLastDays", "0"},
                                                 {"-fromLastDays", "2", "-xx"},
                                                 {"-fromLastDays", "2", "-md", "-md"},
                                                 {"-md", "-fromLastDays", "2"},
                                                 {"-fromLastFkExportDate", "3"},
                                                 {"-fromLastFkExportDate", "-md", "x"},
                                                 {"31.02.2026", "1"},
                                                 {"1.02.2026", "1"},
                                                 {date(d1)},
                                                 {date(d1), "a"},
                                                 {date(d1), "1", "2"},
                                                 {"/?", "x"}}) {
        const Fired fired = fire(wrong);
        EXPECT_FALSE(fired.ok) << ::testing::PrintToString(wrong);
        EXPECT_EQ(fired.message, "Niepoprawna lista argumentów.");
        EXPECT_EQ(fired.output.rfind(UsageFirstLine, 0), 0u) << fired.output;
    }
    const Fired help = fire({"/?"});
    EXPECT_TRUE(help.ok);
    EXPECT_EQ(
        help.output,
        std::string(UsageFirstLine) +
            "Poprawne użycie akcji:\n"
            "fire <guid_akcji> dd.mm.yyyy numer_kasy - wysłanie brakujących danych z kasy o podanym numerze w wybranym dniu.\n"
            "fire <guid_akcji> -fromLastDays n [-md]- wysłanie brakujących danych dla n ostatnich dni\n"
            "fire <guid_akcji> -fromLastFkExportDate [-md]- wysłanie brakujących danych w zakresie datowym <data ostatniego "
            "eksportu do FK; dzień wczorajszy>\n"
            "fire <guid_akcji> /? - poprawne użycie akcji\n"
            "parametr -md - opcjonalny parametr odpowiadający za pobranie danych za dni bez sprzedaży na kasach.\n");
    EXPECT_TRUE(files().empty());
}

TEST_P(DailyTurnover, TheEveningStepVerifiesByItsOneConfiguredMode) {
    const auto settings = [](const char* on, const char* lastDays, const char* fk) {
        Settings s;
        s.eveningKeys =
            (boost::format("<key name=\"Akcje\"><key name=\"Dosłanie brakujących danych o sprzedaży z kas\">"
                           "<key name=\"Włączone\" type=\"bool\" value=\"%1%\"/>"
                           "<key name=\"Uwzględnianie dni bez sprzedaży\" type=\"bool\" value=\"false\"/>"
                           "<key name=\"Weryfikacja za ostatnie X dni\" type=\"bool\" value=\"%2%\">"
                           "<key name=\"Liczba dni\" type=\"int\" value=\"4\"/></key>"
                           "<key name=\"Weryfikacja od ostatniego dnia eksportu do FK\" type=\"bool\" "
                           "value=\"%3%\"/></key></key>") %
             on % lastDays % fk)
                .str();
        return s;
    };
    const auto evening = [&] {
        auto args = java::make<EveningArgs>(d3);
        const auto result = invoke(Guids::EveningDailyTurnover, args);
        return std::make_pair(result->as<Core::ActionStatus>(), args->statuses);
    };

    configure(settings("false", "true", "false"));
    EXPECT_TRUE(evening().second.empty());
    EXPECT_TRUE(files().empty());

    configure(settings("true", "true", "true"));
    EXPECT_EQ(evening().first.message(),
              "Niepoprawna konfiguracja trybu weryfikacji dosyłania brakujących danych o sprzedaży.");
    configure(settings("true", "false", "false"));
    EXPECT_EQ(
        evening().first.message(),
        "Brak wybranego sposobu wyliczania daty początkowej na potrzeby dosyłania brakujących danych o sprzedaży.");
    EXPECT_TRUE(files().empty());

    configure(settings("true", "true", "false"));
    const auto [status, statuses] = evening();
    EXPECT_TRUE(status.succeeded()) << status.message();
    EXPECT_EQ(statuses,
              (Texts{"Poprawnie zweryfikowano dane w zakresie " + date(today() - 4) + " - " + date(d3) + "."}));
    EXPECT_EQ(requested(), (std::map<int, std::set<int>>{{1, {d2}}, {2, {d1}}, {3, {d2}}}));
}

KORVEL_ON_EACH_ENGINE(DailyTurnover);

}  // namespace
