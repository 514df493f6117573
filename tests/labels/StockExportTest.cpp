// The label exports by stock change (console, evening, export dialog) and the label
// senders' own failures, on SQLite and PostgreSQL, uploading to a real FTP server.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "LabelsSetup.h"
#include "config/Setup.h"
#include "core/DateTime.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "db/StatementLog.h"
#include "forms/FormKernel.h"
#include "ftp/FtpConnection.h"
#include "labels/ElectronicLabelsSender.h"
#include "labels/LabelsActions.h"
#include "labels/LabelsSenderFactory.h"
#include "labels/SesLabelsSender.h"
#include "labels/StockChangeLabels.h"
#include "shopdb/Schema.h"
#include "support/EngineDatabase.h"
#include "support/ErrorOf.h"
#include "support/RecordedBoxes.h"
#include "support/ShopRows.h"

namespace fs = std::filesystem;
using namespace std::chrono;
using Names = std::vector<std::string>;
using TestSupport::FtpServer;

namespace {

int day(year_month_day date) { return Core::DateTime::dayNumber(date); }
// The range ends today: the SES completion looks for the promotions valid today.
const int lastDay = Core::DateTime::today();
const int firstDay = lastDay - 29;

// "ddmmyy", as SES files write days.
std::string ddmmyy(int day) {
    const std::string date = Core::DateTime::formatDate(day);
    return date.substr(0, 2) + date.substr(3, 2) + date.substr(8, 2);
}

const std::string usage =
    "Akcja zapisuje do pliku z etykietami elektronicznymi dane o towarach,\n"
    "którym zmienił się stan w określonym przedziale czasowym.\n\n"
    "Poprawne użycie akcji:\n"
    "fire <guid_akcji> <dzień_początkowy> <dzień_końcowy> - pobiera towary, \n"
    "którym stan zminił się między dniami <dzień_początkowy> i <dzień_końcowy>.\n"
    "Dni są w formacie dd.mm.yyyy.\n"
    "fire <guid_akcji> /? - wyświetla ten komunikat.\n";

// What "fire" hands a console action.
class ConsoleArgs : public Core::IArgVectorGetter,
                    public Core::IOStreamGetter,
                    public Core::IExternalExecutionArgsGetter {
public:
    explicit ConsoleArgs(Names args) : args_(std::move(args)) {}
    const std::vector<std::string>& getArgVector() const override { return args_; }
    std::ostream& getOStream() override { return out_; }
    std::string written() const { return out_.str(); }

private:
    Names args_;
    std::ostringstream out_;
};

// What the evening run hands a step.
class EveningArgs : public EveningProcessing::IEveningArgs {
public:
    EveningArgs(int from, int to) : from_(from), to_(to) {}
    double dateFrom() const override { return from_; }
    double dateTo() const override { return to_; }
    void reportStatus(const std::string& text) override { statuses.push_back(text); }
    Names statuses;

private:
    int from_, to_;
};

class StockExport : public ::testing::TestWithParam<TestSupport::Engine> {
protected:
    void SetUp() override {
        database_.emplace(GetParam());
        DBKernel::setDefaultSession(database_->url(), DBKernel::OpenMode::CreateIfMissing);
        session_.emplace(true);
        ShopDb::createSchema(*session_);
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString("<configuration/>");
        registration_ = Ftp::registerFtpConnectionAction();
        server_.emplace(remote.path());
        settings = LabelsTest::settingsFor(*server_, local / "etykiety");
        LabelsTest::configureLabels(settings);
        addShop();
        DBKernel::StatementLog::setEnabled(true);
        DBKernel::StatementLog::clear();
    }
    void TearDown() override {
        DBKernel::StatementLog::setEnabled(false);
        DBKernel::StatementLog::clear();
        FormKernel::installMessageBoxes(nullptr);
        server_.reset();
        session_.reset();
        DBKernel::resetDefaultSession();
    }

    void exec(const std::string& sql) { DBKernel::Sql::Command(sql, *session_).execute(); }
    std::int64_t integerOf(const std::string& sql) { return TestSupport::integerOf(*session_, sql); }

    void addLabelProduct(int id, const std::string& name, int stockDay, int pluStatus,
                         std::optional<int> onLabels = 1) {
        LabelsTest::addLabelProduct(*session_, id, name, stockDay, pluStatus, onLabels);
    }

    void addShop() {
        addLabelProduct(1, "Mleko", firstDay + 14, 2);
        addLabelProduct(2, "Jogurt", firstDay - 1, 2);  // changed before the range
        addLabelProduct(3, "Ser", firstDay + 9, 2, 0);  // not on labels
        addLabelProduct(4, "Kefir", lastDay, 1);
        addLabelProduct(5, "Śmietana", firstDay, 3);  // PLU to be deleted
        addLabelProduct(6, "Masło", firstDay, 5);     // a state labels do not know
        // A promotion valid on the last day of the range.
        TestSupport::addCondition(*session_, 400, 4, 3.0, 1, lastDay - 2, lastDay + 5);
        exec("update WarSprz set lPromoRef = 9 where lWarSprzRef = 400");
    }

    // The PLU code of the product, as its labels show it.
    static std::string code(int id) { return "59000000" + std::to_string(10000 + id); }
    static std::string leadOf(const std::string& line) { return line.substr(0, 14); }
    // The lines of the data files the server holds.
    Names uploadedLines() const {
        Names lines;
        for (const auto& [name, content] : LabelsTest::filesIn(remote / "etykiety")) {
            if (!name.ends_with(".dat")) continue;
            std::istringstream in(content);
            for (std::string line; std::getline(in, line);) lines.push_back(line);
        }
        return lines;
    }
    std::string fire(Names args) {
        auto console = java::make<ConsoleArgs>(std::move(args));
        Labels::ActionSendElectronicLabels().execute(console);
        return console->written();
    }

    TestSupport::TempDir local;
    TestSupport::TempDir remote;
    LabelsTest::LabelsSettings settings;
    std::optional<FtpServer> server_;
    std::optional<TSessionHolder> session_;

private:
    std::optional<TestSupport::EngineDatabase> database_;
    Core::RegistrationHandle registration_;
};

TEST_P(StockExport, TheConsoleExportsLabelProductsWhoseStockChangedInTheRange) {
    EXPECT_EQ(fire({Core::DateTime::formatDate(firstDay), Core::DateTime::formatDate(lastDay)}), "Zrobione.\n");
    const Names lines = uploadedLines();
    ASSERT_EQ(lines.size(), 3u);
    // The ordinary label, the promoted one, the removal; the PLU in state 5 has none.
    Names leads;
    for (const auto& line : lines) leads.push_back(leadOf(line));
    std::sort(leads.begin(), leads.end());
    EXPECT_EQ(leads, (Names{"1" + code(1), "1" + code(4), "2" + code(5)}));
    for (const auto& line : lines) {
        const std::string expectedEnd = leadOf(line) == "1" + code(4)   ? "1\r"
                                        : leadOf(line) == "1" + code(1) ? "0\r"
                                                                        : code(5) + "\r";
        EXPECT_TRUE(line.ends_with(expectedEnd)) << line;
    }
    const auto statements = DBKernel::StatementLog::entries();
    EXPECT_NE(std::find(statements.begin(), statements.end(), Labels::StockChangeLabels::sql(firstDay, lastDay)),
              statements.end());
    EXPECT_TRUE(LabelsTest::filesIn(local / "etykiety").empty());
}

TEST_P(StockExport, BadConsoleArgumentsAndSwitchedOffLabelsWriteOnlyTheirMessages) {
    EXPECT_EQ(fire({"/?"}), usage);
    EXPECT_EQ(fire({"01.11.2026", "30.11.2026", "x"}), "Nieprawidłowa liczba parametrów.\n\n" + usage);
    EXPECT_EQ(fire({}), "Nieprawidłowa liczba parametrów.\n\n" + usage);
    EXPECT_EQ(fire({"01.11.2026", "31.02.2026"}),
              "Nieprawidłowa data \"31.02.2026\" (oczekiwano dd.mm.yyyy).\n\n" + usage);
    EXPECT_EQ(fire({"1.11.2026r", "30.11.2026"}),
              "Nieprawidłowa data \"1.11.2026r\" (oczekiwano dd.mm.yyyy).\n\n" + usage);
    settings.enabled = false;
    LabelsTest::configureLabels(settings);
    EXPECT_EQ(
        fire({Core::DateTime::formatDate(firstDay), Core::DateTime::formatDate(lastDay)}),
        "Eksport nie zostanie wykonany, gdyż klucz \\Parametry sklepu\\Towary\\Etykiety elektroniczne\\Włączone jest "
        "ustawiony na \"nie\".");
    EXPECT_TRUE(DBKernel::StatementLog::entries().empty());
    EXPECT_FALSE(fs::exists(local / "etykiety"));
    EXPECT_TRUE(server_->received().empty());
}

TEST_P(StockExport, ARangeWithoutStockChangesMakesNoSenderAndNoFile) {
    EXPECT_EQ(fire({"01.01.2020", "31.01.2020"}), "Brak etykiet do wysłania.\n");
    EXPECT_FALSE(fs::exists(local / "etykiety"));
    EXPECT_TRUE(server_->received().empty());
}

TEST_P(StockExport, TheEveningStepReportsItsOutcomeAndKeepsFilesAFailedUploadLeft) {
    settings.className = "SesLabelsSender";
    LabelsTest::configureLabels(settings);
    auto run = [](EveningArgs& args) {
        auto status = Labels::EveningProcessingSendElectronicLabelsAction().execute(
            java::pointer<Core::IUnknown>(std::shared_ptr<EveningArgs>(std::shared_ptr<EveningArgs>(), &args)));
        return std::make_pair(status->as<Core::ActionStatus>().succeeded(), status->as<Core::ActionStatus>().message());
    };
    EveningArgs empty(day(2020y / January / 1), day(2020y / January / 1));
    EXPECT_EQ(run(empty), std::make_pair(true, std::string()));
    EXPECT_EQ(empty.statuses, Names{"Brak etykiet do wysłania."});

    server_->stop();
    EveningArgs failing(firstDay, lastDay);
    const auto failed = run(failing);
    EXPECT_FALSE(failed.first);
    EXPECT_EQ(failed.second.rfind("Błąd połączenia z serwerem etykiet " + settings.server + ": ", 0), 0u)
        << failed.second;
    const auto left = LabelsTest::filesIn(local / "etykiety");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(integerOf("select count(*) from tempraporttowar"), 0);
    // As if it had failed a while ago: a run in the same second would reuse its name.
    fs::rename(local / "etykiety" / left.begin()->first, local / "etykiety" / "SES_20000101000000.dat");

    server_.emplace(remote.path());
    settings.server = server_->address();
    LabelsTest::configureLabels(settings);
    EveningArgs evening(firstDay, lastDay);
    EXPECT_EQ(run(evening), std::make_pair(true, std::string()));
    EXPECT_EQ(evening.statuses, Names{"Eksport etykiet zakończony poprawnie."});
    EXPECT_EQ(server_->received().front(), "etykiety/SES_20000101000000.dat");
    // The file the failed run left, then this run's: the same lines twice, in PLU order;
    // SES labels every state but the removal ones.
    const Names lines = uploadedLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(leadOf(lines[0]), "1" + code(1));
    EXPECT_EQ(leadOf(lines[1]), "1" + code(4));
    EXPECT_EQ(lines[1].substr(179, 12), ddmmyy(lastDay - 2) + ddmmyy(lastDay + 5));  // the promotion's days
    EXPECT_EQ(leadOf(lines[2]), "2" + code(5));
    EXPECT_EQ(leadOf(lines[3]), "1" + code(6));
    EXPECT_EQ(Names(lines.begin() + 4, lines.end()), Names(lines.begin(), lines.begin() + 4));
    EXPECT_TRUE(LabelsTest::filesIn(local / "etykiety").empty());

    settings.enabled = false;
    LabelsTest::configureLabels(settings);
    EveningArgs off(firstDay, lastDay);
    EXPECT_EQ(run(off), std::make_pair(true, std::string()));
    EXPECT_TRUE(off.statuses.empty());
}

TEST_P(StockExport, TheExportDialogShowsTheOutcomeInMessageBoxes) {
    auto boxes = std::make_shared<TestSupport::RecordedBoxes>();
    FormKernel::installMessageBoxes(boxes);
    Labels::ElectronicLabelsStockExport dialog;
    EXPECT_TRUE(dialog.accept(day(2020y / January / 1), day(2020y / January / 2)));
    EXPECT_TRUE(dialog.accept(firstDay, lastDay));
    EXPECT_EQ(uploadedLines().size(), 3u);
    settings.remoteFolder = "nie-ma";
    LabelsTest::configureLabels(settings);
    EXPECT_FALSE(dialog.accept(firstDay, lastDay));
    EXPECT_EQ(boxes->shown,
              (Names{"information: Brak etykiet do wysłania.", "information: Eksport zakończony poprawnie.",
                     "error: Wystąpił błąd w czasie eksportu: Błąd przesyłania plików etykiet na serwer " +
                         settings.server + " do katalogu nie-ma. Pliki zostaną wysłane przy następnym przesłaniu."}));
    // Without windows the dialog's action says so and does nothing.
    EXPECT_THROW(Labels::CFormCreator("{253617CF-8D6A-4519-AE87-83D0525E4090}", "TSendElectronicLabelsDialog",
                                      ".miInne.miFunkSerwis.miElectonicLabelsStockExport")
                     .execute(java::make<ConsoleArgs>(Names{})),
                 FormKernel::NoWindowError);
}

TEST_P(StockExport, APluWithTwoPromotionsIsOneSesLabelWrittenOncePerPromotion) {
    // A second promotion of Kefir on the last day: the query gives its PLU twice.
    TestSupport::addCondition(*session_, 401, 4, 2.8, 1, lastDay - 1, lastDay);
    exec("update WarSprz set lPromoRef = 10 where lWarSprzRef = 401");
    settings.className = "SesLabelsSender";
    LabelsTest::configureLabels(settings);
    Labels::StockChangeLabels(lastDay, lastDay).send();
    Names lines = uploadedLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(leadOf(lines[0]), "1" + code(4));
    EXPECT_EQ(leadOf(lines[1]), "1" + code(4));
    Names promotionDays{lines[0].substr(179, 12), lines[1].substr(179, 12)};
    std::sort(promotionDays.begin(), promotionDays.end());
    Names expectedDays{ddmmyy(lastDay - 2) + ddmmyy(lastDay + 5), ddmmyy(lastDay - 1) + ddmmyy(lastDay)};
    std::sort(expectedDays.begin(), expectedDays.end());
    EXPECT_EQ(promotionDays, expectedDays);
}

TEST_P(StockExport, ASenderWithoutNewLabelsStillUploadsWhatAnEarlierFailureLeft) {
    fs::create_directories(local / "etykiety");
    TestSupport::writeFile(local / "etykiety" / "1130235959.dat", "2" + code(9) + "\r\n");
    Labels::ElectronicLabelsSender sender;
    sender.beginSending(lastDay);
    sender.endSending();
    EXPECT_EQ(server_->received(), (Names{"etykiety/1130235959.dat", "etykiety/1130235959.flg"}));
    EXPECT_TRUE(LabelsTest::filesIn(local / "etykiety").empty());
}

TEST_P(StockExport, SendersStartingInOneSecondGetFilesOfTheirOwn) {
    std::set<std::string> paths;
    std::string last;
    for (int i = 0; i < 3; ++i) {
        Labels::ElectronicLabelsSender sender;
        sender.beginSending(lastDay);
        paths.insert(last = sender.dataFilePath());
    }
    EXPECT_EQ(paths.size(), 3u);
    EXPECT_EQ(TestSupport::readFile(local / "etykiety" / ".ostatni-plik"), fs::path(last).filename().string());
}

TEST_P(StockExport, ConfigurationAndFolderFailuresStopTheSenderWithTheirMessages) {
    TestSupport::writeFile(local / "plik", "");
    settings.localFolder = local / "plik" / "etykiety";
    LabelsTest::configureLabels(settings);
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([] { Labels::ElectronicLabelsSender().beginSending(lastDay); }),
              "Błąd utworzenia katalogu " + settings.localFolder.string() + "/");
    // A folder where no file can be made.
    settings.localFolder = "/proc";
    settings.className = "SesLabelsSender";
    LabelsTest::configureLabels(settings);
    EveningArgs evening(firstDay, lastDay);
    auto status = Labels::EveningProcessingSendElectronicLabelsAction().execute(
        java::pointer<Core::IUnknown>(std::shared_ptr<EveningArgs>(std::shared_ptr<EveningArgs>(), &evening)));
    EXPECT_EQ(status->as<Core::ActionStatus>().message(), "Błąd podczas tworzeniu pliku");
    EXPECT_EQ(integerOf("select count(*) from tempraporttowar"), 0);

    EXPECT_THROW(LabelsSenderFactory::createLabelsSender("ElectronicLabels"), std::runtime_error);
    EXPECT_EQ(
        TestSupport::errorOf<std::runtime_error>([] { LabelsSenderFactory::createLabelsSender("sesLabelsSender"); }),
        "LabelsSenderFactory::createLabelsSender: wrong class name.");
    const Korvel::TKey labels = Core::SingletonImplHolder<Core::CSetup>::instance()
                                    .getRootKey()
                                    .GetKey("Parametry sklepu")
                                    .GetKey("Towary")
                                    .GetKey("Etykiety elektroniczne");
    labels.GetKey("Mapowanie jednostek miar").CreateKey("kg").set_val(1);
    EXPECT_EQ(TestSupport::errorOf<std::exception>([] { Labels::ElectronicLabelsSender sender; }),
              "bad lexical cast: source type value could not be interpreted as target");
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry sklepu\"><key name=\"Towary\"><key name=\"Etykiety elektroniczne\"/></key></key>"
        "</configuration>");
    EXPECT_THROW(Labels::SesLabelsSender(), std::logic_error);  // "Włączone" is required under the key
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString("<configuration/>");
    EXPECT_FALSE(Labels::SesLabelsSender().isEnabled());
    EXPECT_FALSE(Labels::ElectronicLabelsSender().isEnabled());
}

KORVEL_ON_EACH_ENGINE(StockExport);

}  // namespace
