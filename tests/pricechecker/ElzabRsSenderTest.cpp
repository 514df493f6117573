// The Elzab RS sender over a shop database: its files in the exchange folder and the
// temporary directory, their parts and headers, the record fields to the byte, and its
// failures.
#include <fstream>
#include <regex>

#include "PriceCheckerSetup.h"
#include "db/Command.h"
#include "db/DataSet.h"
#include "pricechecker/ElzabRsPriceCheckerSender.h"
#include "scales/DevicesService.h"
#include "support/ErrorOf.h"
#include "support/ShopRows.h"

namespace PriceCheckerTest {
namespace {

namespace fs = std::filesystem;
using Devices::PriceChecker::ElzabRsPriceCheckerSender;
using Names = std::vector<std::string>;

class ElzabRsSenderTest : public ShopDatabase {
protected:
    void SetUp() override {
        ShopDatabase::SetUp();
        configure(settings, directories);
    }

    void product(int ref, const std::string& code, const std::string& shortName, double price, int status = 2) {
        TestSupport::addProduct(session(), TestSupport::ShopProduct(ref, shortName, price));
        exec("update Towar set nJmSprz = 3 where lTowarRef = " + std::to_string(ref));
        TestSupport::addPlu(session(), ref, ref, code, status);
    }
    void products(int count) {
        for (int i = 1; i <= count; ++i) product(i, "5900000000015", "Towar " + std::to_string(i), i);
    }
    void reconfigure() { configure(settings, directories); }

    // One transmission over every PLU, the deletion rules those of the devices service.
    void transmit() {
        Db::TDataSet records(session());
        records.SetSQL(
            "select p.lPluRef, p.sPLU as sPlu, t.skrNazwa, t.dCenaSprzed, t.nJmSprz, p.byStatus, p.lTowarRef, t.bWieleCen, "
            "t.multiPriceElementSaleLocked, t.byTyp, t.nStatusAktywnosci, t.locally_sale_blocked as locallySaleBlocked "
            "from PLU p, Towar t where p.lTowarRef = t.lTowarRef order by p.lPluRef");
        records.Open();
        sender.init(PLUSenderArgs{session(), std::make_shared<Devices::DevicesService>(), 46000});
        sender.beginSending(46000);
        for (records.First(); !records.Eof(); records.Next()) sender.sendTowar(records);
        sender.endSending();
    }

    // Exchange-folder names with the start time replaced by "T".
    Names exchangeFiles() const {
        Names names;
        for (const auto& name : filesIn(directories.exchange)) names.push_back(withoutStartTime(name, "T"));
        return names;
    }
    std::string exchangeFile(const std::string& kind, int part, const std::string& checker) const {
        for (const auto& name : filesIn(directories.exchange))
            if (name.starts_with(kind) && name.ends_with("_P" + std::to_string(part) + "_D" + checker))
                return TestSupport::readFile(directories.exchange / name);
        return "(none)";
    }

    Settings settings;
    ElzabRsPriceCheckerSender sender;
};

TEST_P(ElzabRsSenderTest, ANewPartStartsEachTimeAPartReachesTheMaximum) {
    settings.recordsPerFile = 2;
    settings.checkerIds = {"1"};
    reconfigure();
    products(5);
    transmit();
    EXPECT_EQ(exchangeFiles(), (Names{"ElzabRsSendPluT_P0_D1", "ElzabRsSendPluT_P1_D1", "ElzabRsSendPluT_P2_D1"}));
    EXPECT_EQ(exchangeFile("ElzabRsSendPlu", 2, "1"),
              "#1 \r\n#\r\n#\r\n$5\tTowar 5             \t3\t5900000000015\t500\r\n");
    EXPECT_TRUE(fs::is_empty(directories.temporary));

    // Exactly two full parts: the third, holding only its header, is neither copied nor kept.
    fs::remove_all(directories.exchange);
    fs::create_directory(directories.exchange);
    exec("delete from PLU where lPluRef = 5");
    transmit();
    EXPECT_EQ(exchangeFiles(), (Names{"ElzabRsSendPluT_P0_D1", "ElzabRsSendPluT_P1_D1"}));
    EXPECT_TRUE(fs::is_empty(directories.temporary));
}

TEST_P(ElzabRsSenderTest, EveryPriceCheckerGetsItsOwnCopyNamedAndHeadedByItsId) {
    settings.checkerIds = {"7", "123"};
    reconfigure();
    product(1, "5900000000015", "Chleb", 3.49);
    product(2, "5900000000022", "Masło", 7.99, 3);  // to be deleted: it still gets a number
    transmit();
    EXPECT_EQ(exchangeFiles(), (Names{"ElzabRsDeletePluT_P0_D123", "ElzabRsDeletePluT_P0_D7", "ElzabRsSendPluT_P0_D123",
                                      "ElzabRsSendPluT_P0_D7"}));
    EXPECT_EQ(exchangeFile("ElzabRsDeletePlu", 0, "7"), "#7 \r\n#\r\n#\r\n$2\r\n");
    EXPECT_EQ(exchangeFile("ElzabRsDeletePlu", 0, "123"), "#12\r\n#\r\n#\r\n$2\r\n");
    EXPECT_EQ(exchangeFile("ElzabRsSendPlu", 0, "123"),
              "#12\r\n#\r\n#\r\n$1\tChleb               \t3\t5900000000015\t349\r\n");
    EXPECT_EQ(rows("select id_on_device, plu_id from price_checker_plu order by id_on_device"), (Names{"1 1", "2 2"}));
}

TEST_P(ElzabRsSenderTest, ATransmissionWithoutRecordsLeavesNoFileAnywhere) {
    transmit();
    EXPECT_TRUE(fs::is_empty(directories.exchange));
    EXPECT_TRUE(fs::is_empty(directories.temporary));
}

TEST_P(ElzabRsSenderTest, APluWithoutANumberIsSkipped) {
    settings.maximumNumber = 1;
    settings.checkerIds = {"1"};
    reconfigure();
    exec("delete from sekwencja where nLiczba > 1");
    product(1, "5900000000015", "Chleb", 3.49);
    product(2, "5900000000022", "Bułka", 0.59);
    transmit();
    EXPECT_EQ(exchangeFile("ElzabRsSendPlu", 0, "1"),
              "#1 \r\n#\r\n#\r\n$1\tChleb               \t3\t5900000000015\t349\r\n");
}

TEST_P(ElzabRsSenderTest, ASwitchedOffSenderReadsNothingElseAndWritesNothing) {
    settings.elzab = false;
    settings.maximumNumber.reset();  // not read
    reconfigure();
    product(1, "5900000000015", "Chleb", 3.49);
    transmit();
    EXPECT_TRUE(fs::is_empty(directories.exchange));
    EXPECT_TRUE(rows("select plu_id from price_checker_plu").empty());
}

TEST_P(ElzabRsSenderTest, AMissingTemporaryDirectoryFailsOpeningTheFirstFile) {
    fs::remove_all(directories.temporary);
    sender.init(PLUSenderArgs{session(), std::make_shared<Devices::DevicesService>(), 46000});
    const std::string error = TestSupport::errorOf<std::runtime_error>([&] { sender.beginSending(46000); });
    EXPECT_TRUE(std::regex_match(error, std::regex("Błąd otwarcia pliku: " + directories.temporary.string() +
                                                   R"(/ElzabRsDeletePlu[0-9_]{24}_P0_D)")))
        << error;
}

TEST_P(ElzabRsSenderTest, AMissingExchangeFolderFailsTheEndAndLeavesNoTemporaryFile) {
    fs::remove_all(directories.exchange);
    product(1, "5900000000015", "Chleb", 3.49);
    {
        ElzabRsPriceCheckerSender failing;
        Db::TDataSet records(session());
        records.SetSQL(
            "select p.lPluRef, p.sPLU as sPlu, t.skrNazwa, t.dCenaSprzed, t.nJmSprz from PLU p, Towar t "
            "where p.lTowarRef = t.lTowarRef");
        records.Open();
        failing.init(PLUSenderArgs{session(), nullptr, 46000});
        failing.beginSending(46000);
        failing.sendTowar(records);
        const std::string error = TestSupport::errorOf<std::runtime_error>([&] { failing.endSending(); });
        EXPECT_NE(error.find("Nie można skopiować pliku"), std::string::npos) << error;
    }
    EXPECT_TRUE(fs::is_empty(directories.temporary));
}

TEST(ElzabRsRecord, TheShortNameIsTwentyCharactersInCodePage852AndThePriceIsCut) {
    EXPECT_EQ(ElzabRsPriceCheckerSender::productLine(7, "Żółć gęsia", 1, "5900000000015", 12.345),
              "$7\t\xBD\xA2\x88\x86 g\xA9sia          \t1\t5900000000015\t1234");
    EXPECT_EQ(ElzabRsPriceCheckerSender::productLine(12, "Ser żółty gouda plastry 150g", 3, "2712345000000", 12.349),
              "$12\tSer \xBE\xA2\x88ty gouda plas\t3\t2712345000000\t1234");
    EXPECT_EQ(ElzabRsPriceCheckerSender::productLine(1, "Sól", 1, "123", 1.99),
              "$1\tS\xA2l                 \t1\t123          \t199");
    EXPECT_EQ(ElzabRsPriceCheckerSender::productLine(1, "Woda", 1, "123", 0),
              "$1\tWoda                \t1\t123          \t0");
    EXPECT_EQ(ElzabRsPriceCheckerSender::deletionLine(31), "$31");
}

TEST(ElzabRsRecord, ANameOutsideCodePage852IsAnEncodingError) {
    for (const char* name : {"Kawa „Złota”", "Bilet 5€", "お茶"}) {
        EXPECT_EQ(TestSupport::errorOf<std::runtime_error>(
                      [&] { ElzabRsPriceCheckerSender::productLine(1, name, 1, "123", 1); }),
                  "Error encoding/decoding string");
    }
    // Only the first 20 characters are converted.
    EXPECT_NO_THROW(ElzabRsPriceCheckerSender::productLine(1, "Czekolada gorzka 90% €", 1, "123", 1));
}

TEST(ElzabRsRecord, FileNamesCarryTheStartTimeThePartAndTheChecker) {
    const std::string start =
        ElzabRsPriceCheckerSender::formatStartTime(1764807524123LL);  // UTC 2025-12-04 00:18:44.123
    EXPECT_TRUE(std::regex_match(start, std::regex(R"(2025_12_0[34]__\d\d_\d8_44_123)"))) << start;
    EXPECT_EQ(ElzabRsPriceCheckerSender::fileName("ElzabRsSendPlu", "2026_12_04__00_18_44_123", 1, ""),
              "ElzabRsSendPlu2026_12_04__00_18_44_123_P1_D");
    EXPECT_EQ(ElzabRsPriceCheckerSender::fileName("ElzabRsSendPlu", "2026_12_04__00_18_44_123", 1, "7"),
              "ElzabRsSendPlu2026_12_04__00_18_44_123_P1_D7");
}

INSTANTIATE_TEST_SUITE_P(Engines, ElzabRsSenderTest, ::testing::Values(TestSupport::Engine::SQLite),
                         TestSupport::engineName);

}  // namespace
}  // namespace PriceCheckerTest
