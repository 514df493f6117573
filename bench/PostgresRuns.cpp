#include "PostgresRuns.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>

#include "KorvelChild.h"
#include "support/PostgresCluster.h"
#include "support/TempDir.h"

namespace PostgresRuns {

namespace {

namespace fs = std::filesystem;

// Statements on the cluster's maintenance database.
class Admin {
public:
    explicit Admin(const fs::path& socketDirectory)
        : connection_(PQconnectdb(("host=" + socketDirectory.string() + " user=postgres dbname=postgres").c_str())) {
        if (PQstatus(connection_) != CONNECTION_OK) throw std::runtime_error(PQerrorMessage(connection_));
    }
    ~Admin() { PQfinish(connection_); }
    Admin(const Admin&) = delete;
    Admin& operator=(const Admin&) = delete;

    void run(const std::string& sql) {
        PGresult* result = PQexec(connection_, sql.c_str());
        const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
        const std::string error = ok ? "" : PQresultErrorMessage(result);
        PQclear(result);
        if (!ok) throw std::runtime_error(sql + ": " + error);
    }

private:
    PGconn* connection_;
};

// What the server logged of one run (log_min_duration_statement = 0 on its database):
// per kind of message (parse, bind, execute, simple statement) and per text, numbers
// folded to '#', the count and the server's time.
class ServerWork {
public:
    void read(const fs::path& log, std::streamoff from) {
        std::ifstream in(log, std::ios::binary);
        in.seekg(from);
        const std::regex entry(R"(duration: ([0-9.]+) ms  (parse|bind|execute|statement)[^:]*: ?(.*))");
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, match, entry)) continue;
            Entry& kind = kinds_[match[2]];
            const double ms = std::stod(match[1]);
            ++kind.count;
            kind.ms += ms;
            if (match[2] == "parse" || match[2] == "bind") continue;
            Entry& text = texts_[folded(match[3])];
            ++text.count;
            text.ms += ms;
        }
    }
    void print(int top) const {
        for (const auto& [kind, entry] : kinds_)
            std::printf("    %-9s %8ld messages, %8.3f s in the server\n", kind.c_str(), entry.count, entry.ms / 1000);
        std::vector<std::pair<double, std::string>> lines;
        for (const auto& [text, entry] : texts_) lines.emplace_back(entry.ms, text);
        std::sort(lines.rbegin(), lines.rend());
        for (int i = 0; i < top && i < static_cast<int>(lines.size()); ++i)
            std::printf("    %8.3f s %7ld x  %s\n", lines[i].first / 1000, texts_.at(lines[i].second).count,
                        lines[i].second.c_str());
    }

private:
    struct Entry {
        long count = 0;
        double ms = 0;
    };
    static std::string folded(const std::string& text) {
        std::string out;
        for (char c : text) {
            if (out.size() >= 80) break;
            if (std::isdigit(static_cast<unsigned char>(c))) {
                if (out.empty() || out.back() != '#') out += '#';
            } else if (!std::isspace(static_cast<unsigned char>(c))) {
                out += c;
            } else if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
        }
        return out;
    }
    std::map<std::string, Entry> kinds_, texts_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Result {
    int products;
    long processed = 0;
    std::vector<double> seconds, cpuSeconds, megabytes;
};

Result measureSize(int products, const Settings& settings) {
    auto& cluster = TestSupport::PostgresCluster::instance();
    Admin admin(cluster.socketDirectory());
    TestSupport::TempDir dir;
    const TestSupport::PostgresDatabase shop = cluster.createDatabase();
    std::printf("%d products on PostgreSQL: generating the demo shop (seed %u)...\n", products, settings.seed);
    std::fflush(stdout);
    KorvelRun::mustSucceed(KorvelRun::run(settings.korvel,
                                          {"--database", shop.url(), "db", "init", "--demo", "--products",
                                           std::to_string(products), "--seed", std::to_string(settings.seed)},
                                          dir.path()),
                           "korvel db init");
    const KorvelRun::ScaleDirectories scales(dir / "wagi");
    const fs::path out = dir / "out", config = dir / "config.xml";
    std::ofstream(config) << KorvelRun::transmissionConfig(out, scales);
    const fs::path serverLog = cluster.socketDirectory() / "server.log";

    Result result{products, 0, {}, {}, {}};
    for (int run = 0; run <= settings.runs; ++run) {
        fs::remove_all(out);
        fs::create_directories(out);
        scales.reset();
        const std::string copy = shop.name() + "_run";
        admin.run("drop database if exists " + copy);
        admin.run("create database " + copy + " template " + shop.name());
        const bool logged = run == 0;  // the log costs time: an extra run before the measured ones
        if (logged) admin.run("alter database " + copy + " set log_min_duration_statement = 0");
        const auto logStart = fs::exists(serverLog) ? static_cast<std::streamoff>(fs::file_size(serverLog)) : 0;
        const auto engine = KorvelRun::mustSucceed(
            KorvelRun::run(settings.korvel, KorvelRun::fireArguments(config, cluster.url(copy)), dir.path()),
            "korvel fire");
        admin.run("drop database " + copy);
        result.processed = KorvelRun::reportedCount(engine.out, "Przetworzono rekordów:");
        if (fs::is_empty(out)) throw std::runtime_error("the engine wrote no transfer file");
        std::printf("  run %d%s: engine %.3f s (cpu %.3f s), %.1f MB\n", run, logged ? " (statements logged)" : "",
                    engine.wallTime.count(), engine.cpuTime.count(), engine.peakKilobytes / 1024.0);
        if (logged) {
            ServerWork work;
            work.read(serverLog, logStart);
            work.print(12);
            continue;
        }
        result.seconds.push_back(engine.wallTime.count());
        result.cpuSeconds.push_back(engine.cpuTime.count());
        result.megabytes.push_back(engine.peakKilobytes / 1024.0);
        std::fflush(stdout);
    }
    return result;
}

}  // namespace

void measure(const Settings& settings) {
    std::vector<Result> results;
    for (int products : settings.sizes) results.push_back(measureSize(products, settings));
    std::printf("\nPLU transmission on PostgreSQL, median of %d runs after a logged one\n", settings.runs);
    std::printf("%9s %8s %10s %9s %11s %9s\n", "products", "rows", "engine s", "rows/s", "client cpu s", "peak MB");
    for (const auto& r : results) {
        if (r.seconds.empty()) continue;
        const double seconds = median(r.seconds);
        std::printf("%9d %8ld %10.3f %9.0f %11.3f %9.1f\n", r.products, r.processed, seconds, r.processed / seconds,
                    median(r.cpuSeconds), median(r.megabytes));
    }
}

}  // namespace PostgresRuns
