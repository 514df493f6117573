// A PLU transmission with both kinds of price checker switched on, the device module
// loaded as the host loads it: the files one transmission writes, to the byte, against
// the expected files kept beside this test; what a failed package leaves behind.
#include <algorithm>

#include "PriceCheckerSetup.h"
#include "db/StatementLog.h"
#include "plu/PLUTransmissionContainer.h"
#include "support/ShopRows.h"

namespace PriceCheckerTest {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const fs::path expected = KORVEL_PRICECHECKER_EXPECTED_DIR;

class PriceCheckerTransmission : public ModuleDatabase {
protected:
    struct Run {
        bool done;
        std::string status;
    };
    Run transmit() {
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(static_cast<float>(46000));
        Core::ThreadUserIo::NullProgressIndicator progress;
        Run run{false, {}};
        run.done = engine.ProcessDataSet(run.status, progress);
        return run;
    }

    // Exchange-folder names with the transmission's start time taken out.
    Names exchangeFiles() const {
        Names names;
        for (const auto& name : filesIn(directories.exchange)) names.push_back(withoutStartTime(name));
        return names;
    }
    std::string exchangeFile(const std::string& nameWithoutTime) const {
        for (const auto& name : filesIn(directories.exchange))
            if (withoutStartTime(name) == nameWithoutTime) return TestSupport::readFile(directories.exchange / name);
        return "(none)";
    }
    Names numbers() { return rows("select id_on_device, plu_id from price_checker_plu order by id_on_device"); }
};

TEST_P(PriceCheckerTransmission, OneTransmissionWritesTheExpectedFilesToTheByte) {
    product(1, "Bułka kajzerka", 0.59, 1, 11, "5900000000015", 1);
    product(2, "Masło ekstra", 7.99, 1, 21, "5900000000022", 3);
    product(3, "Ser żółty gouda w plastrach", 24.99, 3, 31, "2712345", 2);
    exec("update Towar set bySendNat = 1 where lTowarRef = 3");
    product(4, "Żurek śląski", 12.30, 1, 41, "5901234123457", 1);

    const Run run = transmit();
    ASSERT_TRUE(run.done) << run.status;

    EXPECT_EQ(filesIn(directories.directoryChecker), Names{"PLU00000.TXT"});
    EXPECT_EQ(TestSupport::readFile(directories.directoryChecker / "PLU00000.TXT"),
              TestSupport::readFile(expected / "PLU00000.TXT"));
    const Names elzab{"ElzabRsDeletePlu_P0_D1", "ElzabRsDeletePlu_P0_D2", "ElzabRsSendPlu_P0_D1",
                      "ElzabRsSendPlu_P0_D2"};
    EXPECT_EQ(exchangeFiles(), elzab);
    for (const auto& name : elzab) EXPECT_EQ(exchangeFile(name), TestSupport::readFile(expected / name)) << name;
    EXPECT_TRUE(fs::is_empty(directories.temporary));
    EXPECT_EQ(numbers(), (Names{"1 11", "2 21", "3 31", "4 41"}));

    // The next transmission numbers its files on; the PLUs keep their numbers.
    exec("update Towar set bySendNat = 1 where lTowarRef = 1");
    ASSERT_TRUE(transmit().done);
    EXPECT_EQ(filesIn(directories.directoryChecker), (Names{"PLU00000.TXT", "PLU00001.TXT"}));
    EXPECT_EQ(numbers(), (Names{"1 11", "2 21", "3 31", "4 41"}));
}

TEST_P(PriceCheckerTransmission, AFailedPackageLeavesNoNumberAndNoFileAndTheNextRunNumbersAfresh) {
    Settings settings;
    settings.packageSize = 2;
    settings.checkerIds = {"1"};
    configure(settings, directories);
    product(1, "Agrest", 5.0, 1, 11, "5900000000015", 1);
    product(2, "Banan", 4.0, 1, 21, "5900000000022", 1);
    product(3, "Cytryna", 3.0, 1, 31, "5901234123457", 1);
    product(4, "Daktyle", 9.0, 1, 41, "2712345", 1);
    exec("update Towar set skrNazwa = 'Cytryna 3€' where lTowarRef = 3");

    Run run = transmit();
    EXPECT_FALSE(run.done);
    EXPECT_NE(run.status.find("Error encoding/decoding string"), std::string::npos) << run.status;
    EXPECT_EQ(numbers(), (Names{"1 11", "2 21"}));  // the second package's numbers went with it
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU order by lPluRef"), (Names{"11 2", "21 2", "31 1", "41 1"}));
    EXPECT_EQ(filesIn(directories.directoryChecker), Names{"PLU00000.TXT"});
    EXPECT_EQ(exchangeFiles(), Names{"ElzabRsSendPlu_P0_D1"});

    exec("update Towar set skrNazwa = 'Cytryna' where lTowarRef = 3");
    run = transmit();
    ASSERT_TRUE(run.done) << run.status;
    EXPECT_EQ(numbers(), (Names{"1 11", "2 21", "3 31", "4 41"}));
    EXPECT_EQ(filesIn(directories.directoryChecker), (Names{"PLU00000.TXT", "PLU00001.TXT"}));
    EXPECT_TRUE(fs::is_empty(directories.temporary));
}

TEST_P(PriceCheckerTransmission, AMissingPriceCheckerDirectoryStopsThePackageBeforeAnythingIsWritten) {
    fs::remove_all(directories.directoryChecker);
    product(1, "Agrest", 5.0, 1, 11, "5900000000015", 1);
    const Run run = transmit();
    EXPECT_FALSE(run.done);
    EXPECT_TRUE(run.status.starts_with("Błąd katalogu PriceCheckera!")) << run.status;
    EXPECT_EQ(rows("select lPluRef, byStatus from PLU"), Names{"11 1"});
    EXPECT_TRUE(numbers().empty());
    EXPECT_TRUE(fs::is_empty(directories.exchange));
}

TEST_P(PriceCheckerTransmission, ACodeThatIsNotAPluCodeReachesTheDirectoryCheckerUnderTheProductsOtherCode) {
    product(1, "Agrest", 5.0, 1, 11, "59A", 1);
    TestSupport::addPlu(session(), 12, 1, "5900000000015", 2, 1);  // blocked: the last choice
    TestSupport::addPlu(session(), 13, 1, "5901234123457", 2);
    DBKernel::StatementLog::setEnabled(true);
    ASSERT_TRUE(transmit().done);
    const auto statements = DBKernel::StatementLog::entries();
    DBKernel::StatementLog::setEnabled(false);
    DBKernel::StatementLog::clear();
    EXPECT_EQ(std::count(
                  statements.begin(), statements.end(),
                  "select sPLU from PLU where lTowarRef=:lTowarRef  and byStatus in (1, 2) order by NVL(byBlokada, 0)"),
              1);
    EXPECT_EQ(TestSupport::readFile(directories.directoryChecker / "PLU00000.TXT"),
              "U5901234123457Agrest" + std::string(24, ' ') + "      500szt\r\n");
}

KORVEL_ON_EACH_ENGINE(PriceCheckerTransmission);

}  // namespace
}  // namespace PriceCheckerTest
