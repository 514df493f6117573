// A whole PLU transmission over a small shop with the labels on: the label file of
// each format reaches the FTP server byte for byte as kept in tests/labels/expected
// (CR LF line ends, field widths, pictures, decimal separators, code page), with its
// flag file, on SQLite and on PostgreSQL.
#include <gtest/gtest.h>

#include <regex>

#include "../plutransmission/Transmission.h"
#include "LabelsSetup.h"
#include "core/DateTime.h"
#include "db/StatementLog.h"
#include "ftp/FtpConnection.h"

namespace fs = std::filesystem;
using namespace std::chrono;
using PluTx::Product;

namespace {

int day(year_month_day date) { return Core::DateTime::dayNumber(date); }

class LabelsTransmission : public PluTx::Transmission {
protected:
    void SetUp() override {
        Transmission::SetUp();
        registration_ = Ftp::registerFtpConnectionAction();
        server_.emplace(remote.path());
        addCashRegister(1);
        addShop();
    }
    void TearDown() override {
        server_.reset();
        Transmission::TearDown();
    }

    // Label products covering the record kinds: full labels with a conversion unit, a
    // promotion with its former price, a long name, a long brand, an EAN-8, a scale
    // code; a product taken off the labels, a PLU to be deleted, a product never on them.
    void addShop() {
        const int promotionStart = day(2026y / January / 10);
        exec("insert into Brand (id, name) values (1, 'Ala'), (2, 'Cisowianka Perlage')");
        exec("insert into Firma (lFirmaRef, sNazwa, sKrNazwa) values (10, 'Piekarnia Łęczyca sp. z o.o.', 'PIEK01')");
        addProduct(Product(1, "Chleb żytni razowy", 3.5).sendingNow());
        addProduct(Product(2, "Masło ekstra", 7.99));
        addProduct(Product(3, "Woda mineralna\tgazowana", 1.99).sendingNow());
        addProduct(Product(4, "Ser gouda", 24.9).sendingNow());
        addProduct(Product(5, "Kawa ziarnista", 39.99).sendingNow());
        addProduct(Product(6, "Herbata czarna", 6.49).sendingNow());
        addProduct(Product(7, "Schab wieprzowy", 21.99).sendingNow());
        exec(
            "update Towar set byElEtyk = 1, sArtIndex = 'CH-001', sGrIndex = 'PIEC', brandId = 1, nJmSprz = 1, "
            "nJmPrzelicznik = 2, dPrzelicznik = 0.5, lGlownyDostawcaRef = 10, dLastStnDate = " +
            std::to_string(promotionStart) + " where lTowarRef = 1");
        exec(
            "update Towar set sNazwa = 'Masło ekstra osełkowe z mleka krowiego 82% tłuszczu', byElEtyk = 1, sArtIndex = 'MAS-0001-X', sGrIndex = 'NABIAL', nJmSprz = 3, nJmPrzelicznik = 3, "
            "dPrzelicznik = 0, dLastStnDate = " +
            std::to_string(promotionStart - 3) + " where lTowarRef = 2");
        exec(
            "update Towar set byElEtyk = 1, sArtIndex = 'W1', sGrIndex = 'NAP', brandId = 2, nJmSprz = 1, nJmPrzelicznik = 3, "
            "dPrzelicznik = 1.5 where lTowarRef = 3");
        // Stock and supplier that a removal label must not show.
        exec("update Towar set byElEtyk = 0, lGlownyDostawcaRef = 10, dLastStnDate = " +
             std::to_string(promotionStart) + " where lTowarRef = 4");
        exec("update Towar set byElEtyk = 1 where lTowarRef in (6, 7)");
        addPlu(11, 1, "5901234123457", 1);
        addPlu(21, 2, "96385074", 2);
        addPlu(31, 3, "5900000001005", 2);
        addPlu(41, 4, "5900000002002", 2);
        addPlu(51, 5, "5900000003009", 2);
        addPlu(61, 6, "5900000004006", 3);
        addPlu(71, 7, "2712345", 2);
        // The promotion: an unsent condition valid today, with the history of the
        // 30 days before it began.
        TestSupport::addCondition(session(), 200, 2, 5.99, 0, promotionStart, day(2099y / December / 31));
        exec("update WarSprz set lPromoRef = 77 where lWarSprzRef = 200");
        exec("insert into stn (lTowarRef, data, dStan, dCenaSprzed) values (2, " + std::to_string(promotionStart - 20) +
             ", 5, 7.49), (2, " + std::to_string(promotionStart - 3) + ", -1500, 7.99), (2, " +
             std::to_string(promotionStart - 40) + ", 9, 6.99), (1, " + std::to_string(promotionStart) +
             ", 12000, 3.5), (4, " + std::to_string(promotionStart) + ", 17, 24.9)");
    }

    // Runs the day's transmission with the labels of the class on; the label files that
    // reached the server, by name.
    std::map<std::string, std::string> transmitWith(const std::string& className, PluTx::Settings settings = {}) {
        configure(settings);
        LabelsTest::configureLabels(LabelsTest::settingsFor(*server_, root / "etykiety", className));
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(static_cast<float>(today()));
        const Run run = process(engine);
        EXPECT_TRUE(run.done) << run.status;
        return LabelsTest::filesIn(remote / "etykiety");
    }

    TestSupport::TempDir remote;
    std::optional<TestSupport::FtpServer> server_;

private:
    Core::RegistrationHandle registration_;
};

TEST_P(LabelsTransmission, TheElectronicLabelsFileReachesTheServerByteForByte) {
    const auto files = transmitWith("ElectronicLabelsSender");
    ASSERT_EQ(files.size(), 2u);
    const std::string data = files.begin()->first;
    EXPECT_TRUE(std::regex_match(data, std::regex(R"(\d{10}\.dat)"))) << data;
    EXPECT_EQ(files.at(data), LabelsTest::expectedFile("electronic_labels.dat"));
    EXPECT_EQ(files.at(data.substr(0, 10) + ".flg"), ":-)");
    EXPECT_TRUE(LabelsTest::filesIn(root / "etykiety").empty());
}

TEST_P(LabelsTransmission, TheSesLabelsFileReachesTheServerByteForByte) {
    const auto files = transmitWith("SesLabelsSender");
    ASSERT_EQ(files.size(), 2u);
    const std::string data = files.begin()->first;
    EXPECT_TRUE(std::regex_match(data, std::regex(R"(SES_20\d{12}\.dat)"))) << data;
    EXPECT_EQ(files.at(data), LabelsTest::expectedFile("ses_labels.dat"));
    EXPECT_EQ(files.at(data.substr(0, 18) + ".flg"), ":-)");
    EXPECT_EQ(integerOf("select count(*) from tempraporttowar"), 0);
}

TEST_P(LabelsTransmission, ALabelFileThatCannotBeWrittenRollsThePackageBack) {
    auto settings = LabelsTest::settingsFor(*server_, "/proc");  // no file can be made there
    LabelsTest::configureLabels(settings);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(static_cast<float>(today()));
    const Run run = process(engine);
    EXPECT_FALSE(run.done);
    EXPECT_EQ(run.status.rfind("Błąd zapisu do pliku etykiet /proc/", 0), 0u) << run.status;
    EXPECT_EQ(integerOf("select bySendNat from Towar where lTowarRef = 1"), 1);
    EXPECT_EQ(integerOf("select byStatus from PLU where lPluRef = 11"), 1);
    EXPECT_TRUE(server_->received().empty());
}

TEST_P(LabelsTransmission, EveryPackageUploadsAFileOfItsOwn) {
    // Packages of two rows end within a second; each must keep its own file.
    const auto files = transmitWith("ElectronicLabelsSender", {.packageSize = 2});
    std::string lines;
    for (const auto& [name, content] : files) {
        if (name.ends_with(".dat"))
            lines += content;
        else
            EXPECT_EQ(content, ":-)") << name;
    }
    EXPECT_GE(files.size(), 6u);
    EXPECT_EQ(lines, LabelsTest::expectedFile("electronic_labels.dat"));
}

KORVEL_ON_EACH_ENGINE(LabelsTransmission);

}  // namespace
