// A PLU transmission killed at any moment loses nothing. Over a small demo shop, each
// trial starts `korvel fire` (process and send) on a fresh copy of the shop, kills it
// with SIGKILL, and runs it again to completion. The kill comes after a seeded delay
// spread over a clean run's duration, or, in a second series, as soon as a package's
// commit shows (a drawn number of due PLUs done): the moment between the commit and what
// the run does next. Then every PLU due at the start must be in the PLU transfer files of
// one of the two runs, every one of them must have left states 1 and 3 and its product
// the immediate-send flag, and every PLU the rules skip must keep its state.
//
// What is due is computed from the shop before anything runs, from the engine's rules:
// the marking turns ordinary PLUs of products with a send flag or an unsent sale-price
// condition for the day into new ones; the main query lists new, to-be-deleted and
// blocked PLUs and the PLUs of such conditions, keeping deletions and rows with a
// positive price; the record processing skips blocked rows, rows without a positive
// price (condition rows: the condition's), unless they are deletions, and products sent
// only in the evening. A clean run on a copy must process the rows listed and send
// exactly the due set.
//
// The shop's enabled scales take part: after every rerun the scale server's data
// directory holds only whole, well-formed scale files, and every due PLU that the
// scale rules let through (a weighed product with a section that has an enabled scale,
// a number on the scales, a weight or value code that fits its unit) is in one of them.
//
// KORVEL_CRASH_SEED sets the seed of the delays; the test prints it.
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <signal.h>
#include <sqlite3.h>
#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "KorvelChild.h"
#include "core/DateTime.h"
#include "db/Query.h"
#include "db/SessionHolder.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"
#include "tools/Plu.h"

namespace {

namespace fs = std::filesystem;

const fs::path korvel = fs::path(KORVEL_TEST_BINARY_DIR) / "bin" / "korvel";

constexpr int Products = 400;
constexpr int ShopSeed = 5;
constexpr int PackageSize = 8;  // small packages, so that a kill can fall between commits

unsigned crashSeed() {
    const char* text = std::getenv("KORVEL_CRASH_SEED");
    return text && *text ? static_cast<unsigned>(std::stoul(text)) : 20240611u;
}

// One PLU as the rules see it at the start.
struct PluCase {
    std::string code;
    std::int64_t product = 0;
    int status = 0;          // before the run
    int markedStatus = 0;    // after the marking statement
    bool listed = false;     // a row of the main query
    bool due = false;        // the run sends it
    int finalStatus = 0;     // after a complete run
    bool forScales = false;  // due, and the scale rules let it through
};

using Model = std::map<std::int64_t, PluCase>;  // by lPluRef

std::optional<double> optionalReal(const DBKernel::Sql::Field& field) {
    return field.isNull() ? std::nullopt : std::optional<double>(field.asDouble());
}

// A weight code sold by the piece or kilogram, or a value code sold by any unit.
bool scaleCodeFitsUnit(const std::string& code, int unit) {
    try {
        const char type = Plu::TPlu(code).type();
        return type == Plu::TPlu::Value || (type == Plu::TPlu::Weight && (unit == 1 || unit == 3));
    } catch (const Plu::InvalidCode&) {
        return false;
    }
}

// The engine's rules over the shop's data for `day` (see the file's comment).
Model dueModel(const std::string& url, int day) {
    const std::string dueCondition =
        "from WarSprz w where w.lTowarRef = p.lTowarRef and w.byCenaWyslana = 0 and w.DataOd <= " +
        std::to_string(day) + " and w.DataDo >= " + std::to_string(day);
    const std::string sql =
        "select p.lPluRef, p.sPLU, p.lTowarRef, p.byStatus, coalesce(p.byBlokada, 0) as blocked, t.dCenaSprzed, t.bySendNat, "
        "t.bySendWiecz, (select count(*) " +
        dueCondition + ") as conditions, (select min(w.dCenaSprzed) " + dueCondition +
        ") as conditionPrice, (select count(*) from Product_Current_Sale_Params s where s.product_id = p.lTowarRef) as saleParams, "
        "coalesce(t.bWagowy, 0) as weighed, coalesce(t.nWagaSekcja, 0) as section, coalesce(t.nWagaPLU, 0) as scaleNumber, "
        "coalesce(t.nJmSprz, 0) as unit from PLU p, Towar t where t.lTowarRef = p.lTowarRef";
    TSessionHolder session(url);
    std::set<int> scaleSections;
    for (DBKernel::Sql::OpenedQuery q("select nNrSekcji from Urzadzenie where nNrTypuUrz = 1 and bWlaczone = 1",
                                      session);
         q; q.next())
        scaleSections.insert(q["nNrSekcji"].asInt());
    Model model;
    std::set<std::string> listedCodes;
    for (DBKernel::Sql::OpenedQuery q(sql, session); q; q.next()) {
        PluCase plu;
        plu.code = q["sPLU"].asString();
        plu.product = q["lTowarRef"].asInt64();
        plu.status = q["byStatus"].asInt();
        const bool blocked = q["blocked"].asInt() == 1;
        const auto price = optionalReal(q["dCenaSprzed"]), conditionPrice = optionalReal(q["conditionPrice"]);
        const bool sendNow = !q["bySendNat"].isNull() && q["bySendNat"].asInt() == 1;
        const int sendEvening = q["bySendWiecz"].isNull() ? 0 : q["bySendWiecz"].asInt();
        const bool condition = q["conditions"].asInt() > 0, saleParams = q["saleParams"].asInt() > 0;

        const bool flagged = sendNow || sendEvening == 1;
        plu.markedStatus = plu.status == 2 && (flagged || condition) ? 1 : plu.status;
        const int s = plu.markedStatus;
        const bool fromState = (s == 1 || s == 3 || blocked) && saleParams;
        const bool fromCondition = condition && (s == 1 || s == 2 || s == 3);
        const bool fromFlag = s == 2 && flagged && saleParams;
        const bool positive = (price && *price > 0) || (fromCondition && conditionPrice && *conditionPrice > 0);
        plu.listed = (fromState || fromCondition || fromFlag) && (s == 3 || positive);
        const bool priceMissing = fromCondition ? !conditionPrice || *conditionPrice <= 0 : !price || *price == 0;
        plu.due = plu.listed && !blocked && (s == 3 || !priceMissing) && !(sendEvening == 1 && sendNow == 0);
        plu.finalStatus = plu.due && fromState && s == 1 ? 2 : plu.due && fromState && s == 3 ? 4 : s;
        plu.forScales = plu.due && q["weighed"].asInt() == 1 && scaleSections.count(q["section"].asInt()) &&
                        q["scaleNumber"].asInt() != 0 && scaleCodeFitsUnit(plu.code, q["unit"].asInt());
        // The main query lists a code once; the rules above hold only for unique codes.
        if (plu.listed && !listedCodes.insert(plu.code).second) ADD_FAILURE() << "code listed twice: " << plu.code;
        model.emplace(q["lPluRef"].asInt64(), plu);
    }
    return model;
}

// The PLU codes of every PLU transfer file in the directory (temporary "$" files left
// by a killed run are not transfer files).
std::set<std::string> sentCodes(const fs::path& directory) {
    std::set<std::string> codes;
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.path().filename().string().starts_with("$")) continue;
        pugi::xml_document file;
        const auto parsed = file.load_file(entry.path().c_str());
        EXPECT_TRUE(parsed) << entry.path() << ": " << parsed.description();
        const auto root = file.child("cashRegisterData");
        if (std::string(root.attribute("kind").value()) != "plu") continue;
        for (const auto plu : root.children("plu")) codes.insert(plu.attribute("pluCode").value());
    }
    return codes;
}

std::set<std::string> dueCodes(const Model& model) {
    std::set<std::string> codes;
    for (const auto& [ref, plu] : model)
        if (plu.due) codes.insert(plu.code);
    return codes;
}

long countAfter(const std::string& text, const std::string& label) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(label + R"(\s*(\d+))")) ? std::stol(match[1]) : -1;
}

bool changesState(const PluCase& plu) { return plu.due && plu.finalStatus != plu.markedStatus; }

// How far a killed run got: of the due PLUs whose state the run changes, how many it
// has changed.
int finishedDuePlus(const std::string& url, const Model& model) {
    TSessionHolder session(url);
    int finished = 0;
    for (DBKernel::Sql::OpenedQuery q("select lPluRef, byStatus from PLU", session); q; q.next()) {
        const PluCase& plu = model.at(q["lPluRef"].asInt64());
        finished += changesState(plu) && q["byStatus"].asInt() == plu.finalStatus;
    }
    return finished;
}

// The checks after a run to completion; `label` names the trial in failures.
void expectNothingLost(const std::string& url, const fs::path& output, const Model& model, const std::string& label) {
    const std::set<std::string> sent = sentCodes(output);
    std::set<std::int64_t> dueProducts;
    TSessionHolder session(url);
    for (DBKernel::Sql::OpenedQuery q("select lPluRef, byStatus from PLU", session); q; q.next()) {
        const PluCase& plu = model.at(q["lPluRef"].asInt64());
        const int status = q["byStatus"].asInt();
        if (plu.due) {
            dueProducts.insert(plu.product);
            EXPECT_TRUE(sent.count(plu.code)) << label << ": due PLU " << plu.code << " is in no transfer file";
            EXPECT_TRUE(status != 1 && status != 3) << label << ": due PLU " << plu.code << " left in state " << status;
        }
        EXPECT_EQ(status, plu.finalStatus) << label << ": PLU " << plu.code << " (state " << plu.status
                                           << " at the start, " << (plu.due ? "due" : "skipped") << ")";
    }
    for (DBKernel::Sql::OpenedQuery q("select lTowarRef, bySendNat from Towar where bySendNat = 1", session); q;
         q.next())
        EXPECT_FALSE(dueProducts.count(q["lTowarRef"].asInt64()))
            << label << ": product " << q["lTowarRef"].asInt64() << " of a due PLU keeps bySendNat = 1";
}

// The PLU codes in the scale server's data directory; every file there must be whole.
std::set<std::string> scaleCodes(const fs::path& directory, const std::string& label) {
    std::set<std::string> codes;
    for (const auto& entry : fs::directory_iterator(directory)) {
        const std::string text = TestSupport::readFile(entry.path());
        EXPECT_TRUE(text.ends_with("</WAGA_XML>\r\n")) << label << ": " << entry.path() << " is not whole";
        pugi::xml_document file;
        const auto parsed = file.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_latin1);
        EXPECT_TRUE(parsed) << label << ": " << entry.path() << ": " << parsed.description();
        for (const auto product : file.child("WAGA_XML").child("DANE").children("TOWAR"))
            codes.insert(product.child_value("PLU"));
    }
    return codes;
}

void expectScalesServed(const fs::path& data, const Model& model, const std::string& label) {
    const std::set<std::string> onScales = scaleCodes(data, label);
    for (const auto& [ref, plu] : model)
        if (plu.forScales) {
            EXPECT_TRUE(onScales.count(plu.code)) << label << ": due PLU " << plu.code << " reached no scale file";
        }
}

// Counts rows while a run goes on, without disturbing the run or the recovery after it.
class Probe {
public:
    virtual ~Probe() = default;
    // The first column of the first row; -1 when the database is busy for the moment.
    virtual long long count(const std::string& sql) = 0;
};

class SqliteProbe : public Probe {
public:
    // Read-only and without a checkpoint on close: a killed writer's WAL stays for the
    // next run to recover.
    explicit SqliteProbe(const fs::path& path) {
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    ~SqliteProbe() override { sqlite3_close_v2(db_); }
    long long count(const std::string& sql) override {
        sqlite3_stmt* statement = nullptr;
        long long value = -1;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            value = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
        return value;
    }

private:
    sqlite3* db_ = nullptr;
};

class PostgresProbe : public Probe {
public:
    explicit PostgresProbe(const std::string& connection) : db_(PQconnectdb(connection.c_str())) {}
    ~PostgresProbe() override { PQfinish(db_); }
    long long count(const std::string& sql) override {
        PGresult* result = PQexec(db_, sql.c_str());
        const long long value = PQresultStatus(result) == PGRES_TUPLES_OK ? std::stoll(PQgetvalue(result, 0, 0)) : -1;
        PQclear(result);
        return value;
    }

private:
    PGconn* db_;
};

// Where the trials' shops come from: a pristine shop and fresh copies of it.
class Shops {
public:
    virtual ~Shops() = default;
    virtual std::string pristine() const = 0;
    virtual std::string freshCopy(const std::string& name) = 0;
    virtual void discard(const std::string& name) = 0;
    // What a killed run left behind for the next one to recover from.
    virtual std::string leftovers(const std::string&) const { return {}; }
    // A database to look at what a killed run left, without recovering the shop itself:
    // the next run must do that on its own.
    virtual std::string snapshot(const std::string& name) { return url(name); }
    virtual std::unique_ptr<Probe> probe(const std::string& name) const = 0;

protected:
    virtual std::string url(const std::string& name) const = 0;
};

class SqliteShops : public Shops {
public:
    explicit SqliteShops(const fs::path& directory) : directory_(directory) {}
    std::string pristine() const override { return "sqlite:" + (directory_ / "shop.db").string(); }
    std::string freshCopy(const std::string& name) override {
        KorvelRun::copySqliteDatabase(directory_ / "shop.db", path(name));
        return url(name);
    }
    std::string snapshot(const std::string& name) override {
        const std::string copy = name + "-snapshot";
        removeFiles(copy);
        for (const char* suffix : {"", "-wal", "-journal"})
            if (fs::exists(path(name).string() + suffix))
                fs::copy_file(path(name).string() + suffix, path(copy).string() + suffix);
        return url(copy);
    }
    std::unique_ptr<Probe> probe(const std::string& name) const override {
        return std::make_unique<SqliteProbe>(path(name));
    }
    void discard(const std::string& name) override {
        removeFiles(name);
        removeFiles(name + "-snapshot");
    }
    std::string leftovers(const std::string& name) const override {
        std::string found;
        for (const char* suffix : {"-wal", "-journal"})
            if (fs::exists(path(name).string() + suffix) && fs::file_size(path(name).string() + suffix) > 0)
                found += suffix;
        return found;
    }

private:
    std::string url(const std::string& name) const override { return "sqlite:" + path(name).string(); }
    fs::path path(const std::string& name) const { return directory_ / (name + ".db"); }
    void removeFiles(const std::string& name) const {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(path(name).string() + suffix);
    }
    fs::path directory_;
};

class PostgresShops : public Shops {
public:
    PostgresShops() : shop_(TestSupport::PostgresCluster::instance().createDatabase()) {}
    std::string pristine() const override { return shop_.url(); }
    std::string freshCopy(const std::string& name) override {
        admin("create database " + copyName(name) + " template " + shop_.name());
        return url(name);
    }
    void discard(const std::string& name) override {
        admin("drop database if exists " + copyName(name) + " with (force)");
    }
    std::unique_ptr<Probe> probe(const std::string& name) const override {
        return std::make_unique<PostgresProbe>(connection(copyName(name)));
    }

private:
    std::string url(const std::string& name) const override {
        return TestSupport::PostgresCluster::instance().url(copyName(name));
    }
    std::string copyName(const std::string& name) const { return shop_.name() + "_" + name; }
    static std::string connection(const std::string& database) {
        return "host=" + TestSupport::PostgresCluster::instance().socketDirectory().string() +
               " user=postgres dbname=" + database;
    }
    static void admin(const std::string& command) {
        PGconn* db = PQconnectdb(connection("postgres").c_str());
        PGresult* result = PQexec(db, command.c_str());
        const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
        const std::string message = PQerrorMessage(db);
        PQclear(result);
        PQfinish(db);
        if (!ok) throw std::runtime_error(command + ": " + message);
    }
    TestSupport::PostgresDatabase shop_;
};

// What the kills hit.
struct TrialSummary {
    int killed = 0;     // the kill interrupted the run
    int partial = 0;    // ... after some due PLUs were done, before all
    int leftovers = 0;  // ... leaving a WAL or journal behind
};

// The trials over one engine: a shop, what is due in it, and a clean run's duration.
class Trials {
public:
    Trials(Shops& shops, std::string engine) : shops_(shops), engine_(std::move(engine)), random_(seed_) {
        std::cout << "[ crash ] " << engine_ << ": seed " << seed_ << " (KORVEL_CRASH_SEED), " << Products
                  << " products" << std::endl;
        TestSupport::writeFile(config_, KorvelRun::transmissionConfig(output_, scales_, PackageSize));
        const auto created = KorvelRun::run(korvel,
                                            {"--database", shops.pristine(), "db", "init", "--demo", "--products",
                                             std::to_string(Products), "--seed", std::to_string(ShopSeed)},
                                            dir_.path());
        EXPECT_EQ(created.exitCode, 0) << created.err;
        model_ = dueModel(shops.pristine(), day_);
        due_ = dueCodes(model_);
        EXPECT_GT(due_.size(), 20u) << "too few due PLUs for the trials to mean anything";
        listed_ = std::count_if(model_.begin(), model_.end(), [](const auto& entry) { return entry.second.listed; });
        EXPECT_GT(listed_, static_cast<long>(due_.size())) << "no listed PLU that the rules skip";
        EXPECT_GT(std::count_if(model_.begin(), model_.end(), [](const auto& entry) { return entry.second.forScales; }),
                  5)
            << "too few PLUs for the scales";
        std::string refs;
        for (const auto& [ref, plu] : model_) {
            if (!changesState(plu)) continue;
            refs += (refs.empty() ? "" : ", ") + std::to_string(ref);
            ++changing_;
        }
        finishedSql_ = "select count(*) from PLU where byStatus in (2, 4) and lPluRef in (" + refs + ")";
        cleanRun();
    }

    // Kills after a delay drawn evenly from a clean run's duration.
    void killAfterDelay(int trials) {
        const TrialSummary before = summary_;
        for (int trial = 1; trial <= trials && !testing::Test::HasFailure(); ++trial) {
            const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(runTime_ * uniform());
            run("trial " + std::to_string(trial) + ", kill after " + std::to_string(delay.count()) + " us",
                [&](KorvelRun::Child& child, const std::string&) {
                    std::this_thread::sleep_for(delay);
                    child.kill(SIGKILL);
                });
        }
        report(before, std::to_string(trials) + " kills after a delay");
    }

    // Kills as soon as a package commit has brought the due PLUs done to a drawn number:
    // the moment between the commit and whatever the run does next.
    void killAfterCommit(int trials) {
        const TrialSummary before = summary_;
        for (int trial = 1; trial <= trials && !testing::Test::HasFailure(); ++trial) {
            const int target = 1 + static_cast<int>(uniform() * (changing_ - 1));
            run("commit trial " + std::to_string(trial) + ", kill at " + std::to_string(target) + " done",
                [&](KorvelRun::Child& child, const std::string& name) {
                    const auto probe = shops_.probe(name);
                    const auto deadline = std::chrono::steady_clock::now() + 20 * runTime_;
                    while (probe->count(finishedSql_) < target && std::chrono::steady_clock::now() < deadline)
                        std::this_thread::sleep_for(std::chrono::microseconds(200));
                    child.kill(SIGKILL);
                });
        }
        report(before, std::to_string(trials) + " kills after a commit");
    }

    const TrialSummary& summary() const { return summary_; }
    bool dayChanged() const { return Core::DateTime::today() != day_; }

private:
    // A clean run must send exactly the due set; it also tells how long a run takes.
    void cleanRun() {
        fs::create_directories(output_);
        scales_.reset();
        const std::string url = shops_.freshCopy("clean");
        const auto clean = KorvelRun::run(korvel, KorvelRun::fireArguments(config_, url), dir_.path());
        EXPECT_EQ(clean.exitCode, 0) << clean.out << clean.err;
        EXPECT_EQ(countAfter(clean.out, "Przetworzono rekordów:"), listed_) << clean.out;
        EXPECT_EQ(countAfter(clean.out, "Wysłano do urządzeń:"), static_cast<long>(due_.size())) << clean.out;
        EXPECT_EQ(sentCodes(output_), due_);
        expectNothingLost(url, output_, model_, engine_ + " clean run");
        expectScalesServed(scales_.data, model_, engine_ + " clean run");
        EXPECT_TRUE(fs::is_empty(scales_.temporary));
        shops_.discard("clean");
        runTime_ = clean.wallTime;
        std::cout << "[ crash ] " << engine_ << ": clean run " << runTime_.count() << " s, " << listed_
                  << " PLUs listed, " << due_.size() << " of them due, " << changing_ << " of those change state"
                  << std::endl;
    }

    void run(const std::string& trial, const std::function<void(KorvelRun::Child&, const std::string&)>& kill) {
        const std::string name = "trial", label = engine_ + " " + trial + " (seed " + std::to_string(seed_) + ")";
        fs::remove_all(output_);
        fs::create_directories(output_);
        scales_.reset();
        const std::string url = shops_.freshCopy(name);
        KorvelRun::Child victim(korvel, KorvelRun::fireArguments(config_, url), dir_.path());
        kill(victim, name);
        const auto killed = victim.wait();
        if (killed.signal == SIGKILL) {
            ++summary_.killed;
            summary_.leftovers += !shops_.leftovers(name).empty();
            const int finished = finishedDuePlus(shops_.snapshot(name), model_);
            summary_.partial += finished > 0 && finished < changing_;
        } else {
            EXPECT_EQ(killed.exitCode, 0) << label << ": " << killed.out << killed.err;
        }
        const auto rerun = KorvelRun::run(korvel, KorvelRun::fireArguments(config_, url), dir_.path());
        EXPECT_TRUE(rerun.exited && rerun.exitCode == 0)
            << label << ": the run after the kill failed: " << rerun.out << rerun.err;
        expectNothingLost(url, output_, model_, label);
        expectScalesServed(scales_.data, model_, label);
        shops_.discard(name);
    }

    void report(const TrialSummary& before, const std::string& what) const {
        const int leftovers = summary_.leftovers - before.leftovers;
        std::cout << "[ crash ] " << engine_ << ": " << what << ": " << summary_.killed - before.killed
                  << " inside the run, " << summary_.partial - before.partial
                  << " after some and before all due PLUs were done"
                  << (leftovers ? ", " + std::to_string(leftovers) + " leaving a WAL or journal to recover" : "")
                  << std::endl;
    }

    // Deterministic for the seed on every platform, unlike the standard distributions.
    double uniform() { return random_() / 4294967296.0; }

    Shops& shops_;
    std::string engine_;
    const unsigned seed_ = crashSeed();
    std::mt19937 random_;
    TestSupport::TempDir dir_;
    const fs::path config_ = dir_ / "config.xml", output_ = dir_ / "out";
    const KorvelRun::ScaleDirectories scales_{dir_ / "wagi"};
    const int day_ = Core::DateTime::today();
    Model model_;
    std::set<std::string> due_;
    long listed_ = 0;
    int changing_ = 0;
    std::string finishedSql_;
    std::chrono::duration<double> runTime_{};
    TrialSummary summary_;
};

}  // namespace

// After every kill: nothing lost. The summary's counts make sure the kills fell where
// they matter, or the trials would prove nothing.
void expectKillsInside(Trials& trials) {
    if (trials.dayChanged()) GTEST_SKIP() << "the day changed during the trials; the due set no longer holds";
    if (testing::Test::HasFailure()) return;
    EXPECT_GE(trials.summary().killed, 6) << "too few kills fell inside a run";
    EXPECT_GE(trials.summary().partial, 2) << "too few kills fell between package commits";
}

TEST(KilledTransmission, SqliteLosesNothing) {
    TestSupport::TempDir directory;
    SqliteShops shops(directory.path());
    Trials trials(shops, "SQLite");
    trials.killAfterDelay(24);
    trials.killAfterCommit(12);
    expectKillsInside(trials);
}

TEST(KilledTransmission, PostgresLosesNothing) {
    PostgresShops shops;
    Trials trials(shops, "PostgreSQL");
    trials.killAfterDelay(20);
    trials.killAfterCommit(10);
    expectKillsInside(trials);
}
