#include "PostgresRuns.h"

#include <libpq-fe.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
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

// The PostgreSQL floor: the statements the engine's logged run sent, replayed as the
// server logged them (each text with its values, in order, on one connection per
// connection of the engine) through libpq alone, one PQexecParams each: no prepared
// statement, no savepoint, no module. Its time on a fresh copy is what the same
// database work costs when issued naively.
class Replay {
public:
    void read(const fs::path& log, std::streamoff from) {
        std::ifstream in(log, std::ios::binary);
        in.seekg(from);
        const std::regex head(R"(^\d{4}-\d\d-\d\d \S+ \S+ \[(\d+)\] (\w+):  (.*)$)");
        std::string line, pid, level, text;
        std::smatch match;
        auto finish = [&] {
            if (!pid.empty()) take(pid, level, text);
            pid.clear();
        };
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] == '\t') {
                text += "\n" + line.substr(1);
            } else if (std::regex_match(line, match, head)) {
                finish();
                pid = match[1];
                level = match[2];
                text = match[3];
            }
        }
        finish();
    }
    std::size_t size() const { return statements_.size(); }

    // Runs every statement on the database `conninfo` names; returns the wall seconds.
    double run(const std::string& conninfo) const {
        std::map<std::string, PGconn*> connections;
        const auto started = std::chrono::steady_clock::now();
        try {
            for (const auto& statement : statements_) {
                PGconn*& connection = connections[statement.pid];
                if (!connection) connection = PQconnectdb(conninfo.c_str());
                std::vector<const char*> values;
                for (const auto& value : statement.values) values.push_back(value ? value->c_str() : nullptr);
                PGresult* result = PQexecParams(connection, statement.text.c_str(), static_cast<int>(values.size()),
                                                nullptr, values.data(), nullptr, nullptr, 0);
                const auto status = PQresultStatus(result);
                const std::string error = PQresultErrorMessage(result);
                PQclear(result);
                if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
                    throw std::runtime_error("the floor failed: " + error + " in: " + statement.text);
            }
        } catch (...) {
            for (auto& [pid, connection] : connections) PQfinish(connection);
            throw;
        }
        for (auto& [pid, connection] : connections) PQfinish(connection);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }

private:
    struct Statement {
        std::string pid, text;
        std::vector<std::optional<std::string>> values;
    };

    void take(const std::string& pid, const std::string& level, const std::string& text) {
        static const std::regex executed(R"(^duration: [0-9.]+ ms  (execute [^:]*|statement): ([\s\S]*)$)");
        static const std::regex parameter(R"(\$\d+ = (NULL|'((?:[^']|'')*)'))");
        std::smatch match;
        if (level == "DETAIL" && lastExecuted_.count(pid) && text.starts_with("parameters: ")) {
            Statement& statement = statements_[lastExecuted_[pid]];
            statement.values.clear();
            for (std::sregex_iterator it(text.begin(), text.end(), parameter), end; it != end; ++it) {
                if ((*it)[1] == "NULL")
                    statement.values.emplace_back();
                else
                    statement.values.emplace_back(std::regex_replace((*it)[2].str(), std::regex("''"), "'"));
            }
            lastExecuted_.erase(pid);
            return;
        }
        lastExecuted_.erase(pid);
        if (level != "LOG" || !std::regex_match(text, match, executed)) return;
        const std::string sql = match[2];
        if (sql == "savepoint korvel_statement" || sql == "release savepoint korvel_statement" ||
            sql.starts_with("deallocate "))
            return;
        lastExecuted_[pid] = statements_.size();
        statements_.push_back({pid, sql, {}});
    }

    std::vector<Statement> statements_;
    std::map<std::string, std::size_t> lastExecuted_;  // by connection: the statement its DETAIL belongs to
};

// A digest of what the run writes (PLU states, product flags, stock rows, markdowns,
// sent conditions, sale parameters), to check that the floor did the engine's work.
std::string writtenDigest(const std::string& conninfo) {
    PGconn* connection = PQconnectdb(conninfo.c_str());
    PGresult* result = PQexec(connection,
                              "select concat_ws(' ', (select sum(byStatus) from PLU), (select sum(bySendNat * 2 + "
                              "bySendWiecz) from Towar), (select count(*) || '/' || sum(dCenaSprzed) from stn), "
                              "(select count(*) || '/' || sum(value_change) from Ppa), (select sum(byCenaWyslana) "
                              "from WarSprz), (select sum(sale_price) from Product_Current_Sale_Params))");
    const bool ok = PQresultStatus(result) == PGRES_TUPLES_OK;
    const std::string digest = ok ? PQgetvalue(result, 0, 0) : PQresultErrorMessage(result);
    PQclear(result);
    PQfinish(connection);
    if (!ok) throw std::runtime_error("cannot read the written data: " + digest);
    return digest;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Result {
    int products;
    long processed = 0;
    std::vector<double> seconds, cpuSeconds, megabytes, floorSeconds;
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

    Result result{products, 0, {}, {}, {}, {}};
    Replay floor;
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
        const std::string conninfo = "host=" + cluster.socketDirectory().string() + " user=postgres dbname=" + copy;
        const std::string engineDigest = writtenDigest(conninfo);
        admin.run("drop database " + copy);
        result.processed = KorvelRun::reportedCount(engine.out, "Przetworzono rekordów:");
        if (fs::is_empty(out)) throw std::runtime_error("the engine wrote no transfer file");
        std::printf("  run %d%s: engine %.3f s (cpu %.3f s), %.1f MB\n", run, logged ? " (statements logged)" : "",
                    engine.wallTime.count(), engine.cpuTime.count(), engine.peakKilobytes / 1024.0);
        if (logged) {
            ServerWork work;
            work.read(serverLog, logStart);
            work.print(12);
            floor.read(serverLog, logStart);
            continue;
        }
        admin.run("create database " + copy + " template " + shop.name());
        const double floorSeconds = floor.run(conninfo);
        const std::string floorDigest = writtenDigest(conninfo);
        admin.run("drop database " + copy);
        if (floorDigest != engineDigest)
            throw std::runtime_error("the floor left other data than the engine: " + floorDigest + " against " +
                                     engineDigest);
        std::printf("  floor: %zu statements replayed in %.3f s\n", floor.size(), floorSeconds);
        result.floorSeconds.push_back(floorSeconds);
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
    std::printf("%9s %8s %10s %9s %11s %9s %9s %12s\n", "products", "rows", "engine s", "rows/s", "client cpu s",
                "peak MB", "floor s", "engine/floor");
    for (const auto& r : results) {
        if (r.seconds.empty()) continue;
        const double seconds = median(r.seconds);
        const double floorSeconds = median(r.floorSeconds);
        std::printf("%9d %8ld %10.3f %9.0f %11.3f %9.1f %9.3f %12.2f\n", r.products, r.processed, seconds,
                    r.processed / seconds, median(r.cpuSeconds), median(r.megabytes), floorSeconds,
                    seconds / floorSeconds);
    }
}

}  // namespace PostgresRuns
