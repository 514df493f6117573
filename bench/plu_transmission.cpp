// The day's PLU transmission as a user runs it, against its floor.
//
// For each size a demo shop is generated once (fixed seed, SQLite, in a temporary
// directory). Each run copies that file afresh, so every run sends the same rows, and
// starts `korvel fire` on the process-and-send action as a child: marking, main query,
// record processing in packages, the cash-register transfer files, the commits. Its
// wall time and its own peak resident set (wait4) are taken. The floor program
// (floor.cpp) runs beside it on another fresh copy: the same statements in the same
// transactions through the sqlite3 C API alone. A third run, on its own fresh copy,
// has both price checkers switched on (the directory price checker and two Elzab RS
// checkers): its time against the run without them is the price checkers' cost. Medians
// of the runs are reported.
//
// The demo shop's scales are enabled, so each run also writes the scale files. A third
// run on a fresh copy whose scales are switched off (Urzadzenie.bWlaczone = 0) gives
// the cost of the scale route: the time with scales over the time without.
//
//   plu_transmission [--runs N] [--seed S] [--engine postgresql] [--engine-and-floor]
//                    [PRODUCTS...]                           (default: 10000 100000)
//
// --engine-and-floor leaves out the runs with price checkers and without scales.
//
// With --engine postgresql the runs go to the tests' throwaway PostgreSQL cluster
// instead (PostgresRuns.h): engine only, its first run with every statement logged by
// the server, so that the round trips and the server's time per statement show.
//
// Before the figures count, the floor must have done the engine's work: the same rows
// processed and sent, and the same data left in every table the run writes.
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "KorvelChild.h"
#include "PostgresRuns.h"
#include "core/DateTime.h"
#include "db/Dialect.h"
#include "plu/PluDataSetSql.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using KorvelRun::Outcome;

const fs::path binaryDir = KORVEL_BENCH_BINARY_DIR;

struct Options {
    int runs = 3;
    unsigned seed = 20240611;
    std::vector<int> sizes;
    bool postgres = false;
    bool engineAndFloorOnly = false;  // without the runs with price checkers and without scales
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--runs" && i + 1 < argc)
            options.runs = std::stoi(argv[++i]);
        else if (word == "--engine-and-floor")
            options.engineAndFloorOnly = true;
        else if (word == "--engine" && i + 1 < argc)
            options.postgres = std::string(argv[++i]) == "postgresql";
        else if (word == "--seed" && i + 1 < argc)
            options.seed = static_cast<unsigned>(std::stoul(argv[++i]));
        else
            options.sizes.push_back(std::stoi(word));
    }
    if (options.sizes.empty()) options.sizes = {10'000, 100'000};
    if (options.runs < 1) throw std::invalid_argument("--runs must be at least 1");
    return options;
}

void writeText(const fs::path& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + path.string());
}

// The transmission's configuration with both kinds of price checker switched on, their
// files under `files`.
std::string withPriceCheckers(std::string xml, const fs::path& files) {
    auto replace = [&](const std::string& from, const std::string& to) {
        const auto at = xml.find(from);
        if (at == std::string::npos)
            throw std::runtime_error("no \"" + from + "\" in the transmission's configuration");
        xml.replace(at, from.size(), to);
    };
    replace("<key name=\"Parametry programu\">",
            "<key name=\"Parametry programu\">\n    <key name=\"Katalog tymczasowy\" type=\"string\" value=\"" +
                (files / "tmp").string() + "\"/>");
    replace(
        "<key name=\"PriceChecker\">\n        <key name=\"Włączony\" type=\"bool\" value=\"false\"/>\n      </key>",
        "<key name=\"PriceChecker\">\n        <key name=\"Włączony\" type=\"bool\" value=\"true\"/>\n"
        "        <key name=\"Katalog\" type=\"string\" value=\"" +
            (files / "pc").string() +
            "\"/>\n      </key>\n"
            "      <key name=\"PriceChecker Elzab RS\">\n        <key name=\"Włączony\" type=\"bool\" value=\"true\"/>\n"
            "        <key name=\"Folder\" type=\"string\" value=\"" +
            (files / "elzab").string() +
            "\"/>\n"
            "        <key name=\"Maksymalna ilość PLU w pliku\" type=\"int\" value=\"1000\"/>\n"
            "        <key name=\"Maksymalna liczba PLU\" type=\"int\" value=\"200000\"/>\n"
            "        <key name=\"Id weryfikatorów\"><key name=\"1\"/><key name=\"2\"/></key>\n      </key>");
    return xml;
}

void freshDirectories(const std::vector<fs::path>& directories) {
    for (const auto& directory : directories) {
        fs::remove_all(directory);
        fs::create_directories(directory);
    }
}

// The columns the transmission writes, table by table.
const std::map<std::string, std::string> writtenColumns = {
    {"PLU", "lPluRef, byStatus, byBlokada"},
    {"Towar", "lTowarRef, bySendNat, bySendWiecz, dCenaSprzed, lPromocjaRef, dLastStnDate"},
    {"WarSprz", "lWarSprzRef, byCenaWyslana"},
    {"stn", "lTowarRef, data, dStan, dCenaSprzed, dWartoscSprzed"},
    {"Ppa", "ppa_date, ppa_type, product_id, quantity, price_after, price_before, stock_quantity, value_change"},
    {"Product_Current_Sale_Params", "product_id, sale_price, simplified_promotion_id, alternative_prices"},
};

long long scalar(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql);
    const int rc = sqlite3_step(statement);
    const long long value = rc == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql);
    return value;
}

// Rows of `table` (its written columns) in one database and not in the other, both ways.
long long differingRows(sqlite3* db, const std::string& first, const std::string& second, const std::string& table) {
    const std::string& columns = writtenColumns.at(table);
    auto except = [&](const std::string& a, const std::string& b) {
        return scalar(db, "select count(*) from (select " + columns + " from " + a + "." + table + " except select " +
                              columns + " from " + b + "." + table + ")");
    };
    return except(first, second) + except(second, first);
}

// Rows the run changed (against the shop it started from), and rows where the engine
// and the floor disagree; throws on any disagreement.
long long compareWork(const fs::path& shop, const fs::path& engine, const fs::path& floor) {
    sqlite3* db = nullptr;
    if (sqlite3_open(engine.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open " + engine.string());
    auto attach = [&](const fs::path& path, const char* name) {
        scalar(db, "attach database '" + path.string() + "' as " + name);
    };
    attach(shop, "shop");
    attach(floor, "floor");
    long long changed = 0;
    std::string disagreements;
    for (const auto& [table, columns] : writtenColumns) {
        changed += differingRows(db, "main", "shop", table);
        if (const long long differing = differingRows(db, "main", "floor", table))
            disagreements += " " + table + " (" + std::to_string(differing) + " rows)";
    }
    sqlite3_close(db);
    if (!disagreements.empty())
        throw std::runtime_error("the floor left other data than the engine in:" + disagreements);
    if (changed == 0) throw std::runtime_error("the transmission changed nothing");
    return changed;
}

struct Runs {
    std::vector<double> seconds, cpuSeconds;
    std::vector<long> kilobytes;

    void add(const Outcome& outcome) {
        seconds.push_back(outcome.wallTime.count());
        cpuSeconds.push_back(outcome.cpuTime.count());
        kilobytes.push_back(outcome.peakKilobytes);
    }
    double medianCpuSeconds() const { return median(cpuSeconds); }
    static double median(std::vector<double> values) {
        if (values.empty()) return std::nan("");
        std::sort(values.begin(), values.end());
        const std::size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    }
    double medianSeconds() const { return median(seconds); }
    double medianMegabytes() const { return median({kilobytes.begin(), kilobytes.end()}) / 1024.0; }
};

struct SizeResult {
    int products;
    long processed, sent;
    Runs engine, floor, priceCheckers, withoutScales;
};

// The copy's scales switched off: the scale route then finds none and does nothing.
void switchScalesOff(const fs::path& database) {
    sqlite3* db = nullptr;
    if (sqlite3_open(database.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open " + database.string());
    scalar(db, "update Urzadzenie set bWlaczone = 0 where nNrTypuUrz = 1");
    sqlite3_close(db);
}

SizeResult measure(int products, const Options& options, const fs::path& korvel, const fs::path& floorProgram) {
    TestSupport::TempDir dir;
    const fs::path shop = dir / "shop.db", engineDb = dir / "engine.db", floorDb = dir / "floor.db", out = dir / "out";
    std::printf("%d products: generating the demo shop (seed %u)...\n", products, options.seed);
    std::fflush(stdout);
    KorvelRun::mustSucceed(
        KorvelRun::run(korvel,
                       {"--database", "sqlite:" + shop.string(), "db", "init", "--demo", "--products",
                        std::to_string(products), "--seed", std::to_string(options.seed)},
                       dir.path()),
        "korvel db init");
    const KorvelRun::ScaleDirectories scales(dir / "wagi");
    writeText(dir / "config.xml", KorvelRun::transmissionConfig(out, scales));
    const fs::path pcFiles = dir / "pricecheckers", pcDb = dir / "pricecheckers.db";
    writeText(dir / "config-pc.xml", withPriceCheckers(KorvelRun::transmissionConfig(out, scales), pcFiles));

    // The floor's two big statements: the engine's own texts for the day, in the
    // SQLite dialect the kernel hands the engine.
    const int day = Core::DateTime::today();
    using DBKernel::Dialect::translate;
    writeText(dir / "marking.sql",
              translate(PluTransmission::markPlusStatement(day, "PLU"), DBKernel::Dialect::Engine::SQLite).sql);
    writeText(
        dir / "main.sql",
        translate(PluTransmission::mainQueryStatement({day, false, false}, {}), DBKernel::Dialect::Engine::SQLite).sql);

    SizeResult result{products, 0, 0, {}, {}, {}, {}};
    for (int run = 1; run <= options.runs; ++run) {
        freshDirectories({out});
        scales.reset();
        KorvelRun::copySqliteDatabase(shop, engineDb);
        const Outcome engine = KorvelRun::mustSucceed(
            KorvelRun::run(korvel, KorvelRun::fireArguments(dir / "config.xml", "sqlite:" + engineDb.string()),
                           dir.path()),
            "korvel fire");
        KorvelRun::copySqliteDatabase(shop, floorDb);
        const Outcome floor = KorvelRun::mustSucceed(KorvelRun::run(floorProgram,
                                                                    {floorDb.string(), (dir / "marking.sql").string(),
                                                                     (dir / "main.sql").string(), std::to_string(day)},
                                                                    dir.path()),
                                                     "floor");
        if (options.engineAndFloorOnly) {
            result.processed = KorvelRun::reportedCount(engine.out, "Przetworzono rekordów:");
            result.sent = KorvelRun::reportedCount(engine.out, "Wysłano do urządzeń:");
            if (KorvelRun::reportedCount(floor.out, "processed") != result.processed ||
                KorvelRun::reportedCount(floor.out, "sent") != result.sent)
                throw std::runtime_error("the floor processed other rows than the engine:\n" + engine.out + floor.out);
            result.engine.add(engine);
            result.floor.add(floor);
            std::printf("  run %d: engine %.3f s (cpu %.3f s), %.1f MB; floor %.3f s (cpu %.3f s), %.1f MB\n", run,
                        engine.wallTime.count(), engine.cpuTime.count(), engine.peakKilobytes / 1024.0,
                        floor.wallTime.count(), floor.cpuTime.count(), floor.peakKilobytes / 1024.0);
            std::fflush(stdout);
            continue;
        }
        freshDirectories({out, pcFiles / "tmp", pcFiles / "pc", pcFiles / "elzab"});
        scales.reset();
        KorvelRun::copySqliteDatabase(shop, pcDb);
        const Outcome priceCheckers = KorvelRun::mustSucceed(
            KorvelRun::run(korvel, KorvelRun::fireArguments(dir / "config-pc.xml", "sqlite:" + pcDb.string()),
                           dir.path()),
            "korvel fire with the price checkers");
        if (fs::is_empty(pcFiles / "pc") || fs::is_empty(pcFiles / "elzab"))
            throw std::runtime_error("the run with the price checkers wrote no price-checker file");
        if (KorvelRun::reportedCount(priceCheckers.out, "Wysłano do urządzeń:") !=
            KorvelRun::reportedCount(engine.out, "Wysłano do urządzeń:"))
            throw std::runtime_error("the run with the price checkers sent other rows:\n" + priceCheckers.out);
        result.processed = KorvelRun::reportedCount(engine.out, "Przetworzono rekordów:");
        result.sent = KorvelRun::reportedCount(engine.out, "Wysłano do urządzeń:");
        if (KorvelRun::reportedCount(floor.out, "processed") != result.processed ||
            KorvelRun::reportedCount(floor.out, "sent") != result.sent)
            throw std::runtime_error("the floor processed other rows than the engine:\n" + engine.out + floor.out);
        if (fs::is_empty(out)) throw std::runtime_error("the engine wrote no transfer file");
        const auto scaleFiles = std::distance(fs::directory_iterator(scales.data), fs::directory_iterator());
        if (scaleFiles == 0) throw std::runtime_error("the engine wrote no scale file");

        KorvelRun::copySqliteDatabase(shop, engineDb);
        switchScalesOff(
            engineDb);  // the scales write nothing to the database: the data comparison holds for this run too
        scales.reset();
        const Outcome withoutScales = KorvelRun::mustSucceed(
            KorvelRun::run(korvel, KorvelRun::fireArguments(dir / "config.xml", "sqlite:" + engineDb.string()),
                           dir.path()),
            "korvel fire without scales");
        if (!fs::is_empty(scales.data)) throw std::runtime_error("scale files written with the scales switched off");
        result.engine.add(engine);
        result.floor.add(floor);
        result.priceCheckers.add(priceCheckers);
        result.withoutScales.add(withoutScales);
        std::printf(
            "  run %d: engine %.3f s (cpu %.3f s), %.1f MB, %ld scale files; with price checkers %.3f s; without scales "
            "%.3f s (cpu %.3f s); floor %.3f s, %.1f MB\n",
            run, engine.wallTime.count(), engine.cpuTime.count(), engine.peakKilobytes / 1024.0,
            static_cast<long>(scaleFiles), priceCheckers.wallTime.count(), withoutScales.wallTime.count(),
            withoutScales.cpuTime.count(), floor.wallTime.count(), floor.peakKilobytes / 1024.0);
        std::fflush(stdout);
    }
    const long long changed = compareWork(shop, engineDb, floorDb);
    std::printf("  rows written by the run: %lld; the floor left the same data\n", changed);
    return result;
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        const fs::path korvel = binaryDir / "bin" / "korvel", floor = binaryDir / "bin" / "floor";
        if (options.postgres) {
            PostgresRuns::measure({options.sizes, options.runs, options.seed, korvel});
            return 0;
        }
        std::vector<SizeResult> results;
        for (int products : options.sizes) results.push_back(measure(products, options, korvel, floor));

        std::printf("\nPLU transmission on SQLite, median of %d runs (wall time of the whole process)\n", options.runs);
        std::printf("%9s %8s %7s %10s %9s %9s %9s %10s %12s %10s %10s %10s %10s\n", "products", "rows", "sent",
                    "engine s", "rows/s", "peak MB", "floor s", "floor MB", "engine/floor", "engine cpu", "floor cpu",
                    "no-scale s", "scales x");
        for (const auto& r : results) {
            const double engine = r.engine.medianSeconds(), floorTime = r.floor.medianSeconds(),
                         plain = r.withoutScales.medianSeconds();
            std::printf("%9d %8ld %7ld %10.3f %9.0f %9.1f %9.3f %10.1f %12.2f %10.3f %10.3f %10.3f %10.2f\n",
                        r.products, r.processed, r.sent, engine, r.processed / engine, r.engine.medianMegabytes(),
                        floorTime, r.floor.medianMegabytes(), engine / floorTime, r.engine.medianCpuSeconds(),
                        r.floor.medianCpuSeconds(), plain, engine / plain);
        }
        const SizeResult& largest = results.back();
        const double rowsPerSecond = largest.processed / largest.engine.medianSeconds();
        const double overFloor = largest.engine.medianSeconds() / largest.floor.medianSeconds();
        std::printf("\nTargets at %d products:\n", largest.products);
        std::printf("  rows per second >= 20000: %.0f, %s\n", rowsPerSecond, verdict(rowsPerSecond >= 20'000));
        std::printf("  engine/floor <= 2: %.2f, %s\n", overFloor, verdict(overFloor <= 2.0));
        std::printf("  peak memory <= 300 MB: %.1f MB, %s\n", largest.engine.medianMegabytes(),
                    verdict(largest.engine.medianMegabytes() <= 300.0));
        if (!options.engineAndFloorOnly) {
            const double scaleCost = largest.engine.medianSeconds() / largest.withoutScales.medianSeconds();
            const double scaleCpuCost = largest.engine.medianCpuSeconds() / largest.withoutScales.medianCpuSeconds();
            std::printf("  with scales / without <= 1.15: %.2f wall time, %.2f processor time, %s\n", scaleCost,
                        scaleCpuCost, verdict(scaleCost <= 1.15));
            const double withPriceCheckers = largest.priceCheckers.medianSeconds() / largest.engine.medianSeconds();
            std::printf("  with price checkers / without <= 1.15: %.3f s / %.3f s = %.2f, %s\n",
                        largest.priceCheckers.medianSeconds(), largest.engine.medianSeconds(), withPriceCheckers,
                        verdict(withPriceCheckers <= 1.15));
        }
        if (results.size() >= 2) {
            const double ratio = largest.engine.medianSeconds() / results.front().engine.medianSeconds();
            std::printf("  time %d/%d products <= 12: %.1f, %s\n", largest.products, results.front().products, ratio,
                        verdict(ratio <= 12.0));
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "plu_transmission: %s\n", e.what());
        return 1;
    }
}
