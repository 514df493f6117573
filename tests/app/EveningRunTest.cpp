// One "korvel evening" over a small demo shop with every evening step switched on:
// electronic labels to a real FTP server, automatic discount types, blocked vouchers
// and the daily-turnover re-requests. Each step's transfer files and status line, and a
// failing step that fails the run while the others still do their work.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <string>

#include "KorvelProgram.h"
#include "core/DateTime.h"
#include "db/Command.h"
#include "db/SessionHolder.h"
#include "support/CashRegisterConfig.h"
#include "support/FtpServer.h"
#include "support/ShopRows.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using KorvelTest::korvel;

namespace {

constexpr const char* LabelsStep =
    "Labels::EveningProcessingSendElectronicLabelsAction {CC00F5AF-9092-4771-9DFC-7646A38E0CEF}: ";
constexpr const char* DiscountsStep =
    "Kolvenia::Dictionaries::EveningProcessingSendDiscounts {73B401CC-A156-48FF-8BCC-2A7409779E72}: ";
constexpr const char* VouchersStep =
    "Kolvenia::BlockedVouchers::EveningAction {66640447-10CB-4FC5-AE02-A7F70EACBF7B}: ";
constexpr const char* TurnoverStep =
    "Kolvenia::DailyTurnover::EveningProcessingAction {F21B8388-AD46-417B-9C12-F8669BA6C941}: ";
constexpr int TurnoverDays = 8;

std::string isoDate(int day) {
    const auto date = Core::DateTime::calendarDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// A transfer file read back.
struct TransferFile {
    std::string kind;
    std::vector<int> cashRegisters;
    pugi::xml_document document;
    pugi::xml_node root;
};

class EveningRun : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(out);
        fs::create_directories(vouchers);
        fs::create_directories(labelsLocal);
        fs::create_directories(remote / "etykiety");
        const auto created = korvel("--database " + url() + " db init --demo --products 30 --seed 7", dir);
        ASSERT_EQ(created.exitCode, 0) << created.err;
        TestSupport::EveningSteps steps{
            out, vouchers, TurnoverDays,
            TestSupport::LabelServer{labelsLocal, server.address(), server.user(), server.password()}};
        TestSupport::writeFile(dir / "config.xml", TestSupport::eveningConfiguration(steps));

        TSessionHolder shop(url());
        // The latest day on which a labelled product's stock changed: the run's day, so
        // that the label step has work.
        day = static_cast<int>(TestSupport::integerOf(
            shop,
            "select max(towar.dLastStnDate) from towar, stn, plu where plu.lTowarRef = towar.lTowarRef "
            "and stn.lTowarRef = towar.lTowarRef and stn.data = towar.dLastStnDate and towar.byElEtyk = 1"));
        labelRows = TestSupport::integerOf(
            shop,
            "select count(*) from towar, stn, plu where plu.lTowarRef = towar.lTowarRef and stn.lTowarRef = "
            "towar.lTowarRef and stn.data = towar.dLastStnDate and towar.byElEtyk = 1 and towar.dLastStnDate = " +
                std::to_string(day));
        activeDiscountTypes =
            TestSupport::integerOf(shop, "select count(*) from AutomaticDiscountType where isActive = 1");
        // A register's reported total lost for a day with receipts: that register must be
        // asked for that day again.
        const std::string receiptDay =
            "from paragnag pn, Urzadzenie u where pn.dwartsprzed <> 0 and u.nNrTypuUrz = 0 "
            "and u.bZainstalowane = 1 and u.nNrKolvenia = pn.nnrkasy and pn.data > " +
            std::to_string(Core::DateTime::today() - TurnoverDays) + " and pn.data <= " + std::to_string(day);
        lostRegister = static_cast<int>(TestSupport::integerOf(shop, "select min(pn.nnrkasy) " + receiptDay));
        lostDay = static_cast<int>(TestSupport::integerOf(
            shop, "select max(pn.data) " + receiptDay + " and pn.nnrkasy = " + std::to_string(lostRegister)));
        DBKernel::Sql::Command("delete from saleverification where cashregisternumber = " +
                                   std::to_string(lostRegister) + " and saledate = " + std::to_string(lostDay),
                               shop)
            .execute();
    }

    std::string url() const { return "sqlite:" + (dir / "shop.db").string(); }

    KorvelTest::Result evening() const {
        return korvel("--config " + (dir / "config.xml").string() + " --database " + url() + " evening --day " +
                          Core::DateTime::formatDate(day),
                      dir);
    }

    void writeVouchers(const std::string& name, const std::string& ranges) const {
        TestSupport::writeFile(vouchers / name,
                               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<blokady>\n" + ranges + "</blokady>\n");
    }

    static std::string range(const std::string& group) {
        return "<blokada><grupa>" + group + "</grupa><nominal>50.00</nominal><numerator_od>" + group +
               "-001</numerator_od><numerator_do>" + group + "-100</numerator_do></blokada>\n";
    }

    std::vector<std::string> files(char prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(out))
            if (entry.path().filename().string().front() == prefix) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    void read(const std::string& name, TransferFile& file) const {
        const auto loaded = file.document.load_file((out / name).c_str());
        ASSERT_TRUE(loaded) << name << ": " << loaded.description();
        file.root = file.document.document_element();
        file.kind = file.root.attribute("kind").value();
        for (pugi::xml_node target : file.root.child("cashRegisters").children("cashRegister"))
            file.cashRegisters.push_back(target.attribute("number").as_int());
    }

    // Each register's requested days, over every daily-turnover command file.
    std::map<int, std::set<std::string>> requestedDays() const {
        std::map<int, std::set<std::string>> days;
        for (const auto& name : files('R')) {
            TransferFile file;
            read(name, file);
            EXPECT_EQ(file.kind, "dailyTurnoverCommand") << name;
            EXPECT_EQ(file.cashRegisters.size(), 1u) << name;
            if (file.cashRegisters.size() != 1) continue;
            for (pugi::xml_node d : file.root.child("command").children("day"))
                days[file.cashRegisters.front()].insert(d.attribute("date").value());
        }
        return days;
    }

    // Checks the steps that must succeed whatever the voucher step does.
    void expectLabelsDiscountsAndTurnoverDone(const std::string& output) const {
        EXPECT_NE(output.find(LabelsStep + std::string("Eksport etykiet zakończony poprawnie.\n")), std::string::npos);
        EXPECT_NE(output.find(DiscountsStep + std::string("Wysłano typy przecen automatycznych.\n")),
                  std::string::npos);
        EXPECT_NE(output.find(TurnoverStep + turnoverStatus()), std::string::npos);

        // The labels reached the server: one data file with a line per changed PLU, then its flag.
        const auto received = server.received();
        ASSERT_EQ(received.size(), 2u);
        EXPECT_TRUE(received[0].ends_with(".dat") && received[1].ends_with(".flg")) << received[0];
        const std::string labels = TestSupport::readFile(remote / received[0]);
        EXPECT_EQ(std::count(labels.begin(), labels.end(), '\n'), labelRows) << labels;

        const auto discountFiles = files('D');
        ASSERT_EQ(discountFiles.size(), 1u);
        TransferFile discounts;
        read(discountFiles.front(), discounts);
        EXPECT_EQ(discounts.kind, "automaticDiscountTypes");
        EXPECT_FALSE(discounts.cashRegisters.empty());
        const auto records = discounts.root.children("automaticDiscountType");
        EXPECT_EQ(std::distance(records.begin(), records.end()), activeDiscountTypes);

        // Every requested day lies in the verified range; the lost total is among them.
        const auto requested = requestedDays();
        EXPECT_TRUE(requested.count(lostRegister) && requested.at(lostRegister).count(isoDate(lostDay)))
            << "register " << lostRegister << " day " << isoDate(lostDay);
        for (const auto& [number, days] : requested)
            for (const auto& d : days)
                EXPECT_TRUE(d > isoDate(Core::DateTime::today() - TurnoverDays) && d <= isoDate(day))
                    << number << ": " << d;
    }

    std::string turnoverStatus() const {
        return "Poprawnie zweryfikowano dane w zakresie " +
               Core::DateTime::formatDate(Core::DateTime::today() - TurnoverDays) + " - " +
               Core::DateTime::formatDate(day) + ".\n";
    }

    TestSupport::TempDir dir;
    TestSupport::TempDir remote;
    TestSupport::FtpServer server{remote.path()};
    const fs::path out = dir / "kasy";
    const fs::path vouchers = dir / "bony";
    const fs::path labelsLocal = dir / "etykiety";
    int day = 0;
    std::int64_t labelRows = 0;
    std::int64_t activeDiscountTypes = 0;
    int lostRegister = 0;
    int lostDay = 0;
};

TEST_F(EveningRun, EveryStepDoesItsWorkAndReportsItInRegistrationOrder) {
    writeVouchers("a-swiateczne.xml", range("SW1") + range("SW2"));
    writeVouchers("b-urodzinowe.xml", range("UR1"));

    const auto result = evening();
    ASSERT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "Przetwarzanie wieczorne za dzień " + Core::DateTime::formatDate(day) + "\n" + LabelsStep +
                              "Eksport etykiet zakończony poprawnie.\n" + DiscountsStep +
                              "Wysłano typy przecen automatycznych.\n" + VouchersStep +
                              "Pomyślnie wysłano zablokowane bony.\n" + TurnoverStep + turnoverStatus());
    expectLabelsDiscountsAndTurnoverDone(result.out);

    // Both import files' ranges, in file order, to the installed registers; the files archived.
    const auto voucherFiles = files('B');
    ASSERT_EQ(voucherFiles.size(), 1u);
    TransferFile sent;
    read(voucherFiles.front(), sent);
    EXPECT_EQ(sent.kind, "blockedVouchers");
    EXPECT_EQ(sent.cashRegisters, (std::vector<int>{1, 2, 3, 4}));
    std::vector<std::string> groups;
    for (pugi::xml_node r : sent.root.children("blockedVoucher")) groups.push_back(r.attribute("group").value());
    EXPECT_EQ(groups, (std::vector<std::string>{"SW1", "SW2", "UR1"}));
    for (const auto& entry : fs::directory_iterator(vouchers))
        EXPECT_NE(entry.path().extension(), ".xml") << entry.path();
}

TEST_F(EveningRun, AMalformedVoucherFileFailsTheRunWhileTheOtherStepsStillWork) {
    writeVouchers("a-dobre.xml", range("OK1"));
    TestSupport::writeFile(vouchers / "b-uciete.xml", "<?xml version=\"1.0\"?>\n<blokady><blokada><grupa>X</gru");

    const auto result = evening();
    EXPECT_EQ(result.exitCode, 1) << result.out << result.err;
    EXPECT_NE(result.out.find(VouchersStep + std::string("błąd\n")), std::string::npos) << result.out;
    EXPECT_EQ(result.err.rfind("korvel: " + std::string(VouchersStep), 0), 0u) << result.err;
    EXPECT_NE(result.err.find("b-uciete.xml"), std::string::npos) << result.err;
    expectLabelsDiscountsAndTurnoverDone(result.out);

    // Nothing sent; the bad file stays for the operator.
    EXPECT_TRUE(files('B').empty());
    EXPECT_TRUE(fs::exists(vouchers / "b-uciete.xml"));
}

}  // namespace
