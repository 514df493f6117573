// The korvel program run as a child process over a shop database, as a user runs the
// day's PLU transmission: the configuration it needs, and a child that can be waited
// for (wall time, peak memory) or killed. Shared by the crash test and the benchmark.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace KorvelRun {

// The process-and-send action: marks, queries, processes and sends the day's PLUs.
inline constexpr const char* ProcessAndSendPlu = "{050958DF-B168-4E5A-80E2-CC598C81515F}";

// The scale server's three directories under one root.
struct ScaleDirectories {
    explicit ScaleDirectories(const std::filesystem::path& root)
        : temporary(root / "tmp"), data(root / "dane"), status(root / "status") {}
    // Removes what a run left and makes the three empty.
    void reset() const;

    std::filesystem::path temporary, data, status;
};

// A configuration for the PLU transmission to the cash registers through the XML
// transfer files, written into `outputDirectory`, in packages of `packageSize`, and to
// the shop's enabled scales through the scale server's directories.
std::string transmissionConfig(const std::filesystem::path& outputDirectory, const ScaleDirectories& scales,
                               int packageSize = 500);

struct Outcome {
    bool exited = false;  // ended by itself; otherwise killed by `signal`
    int exitCode = -1;
    int signal = 0;
    std::chrono::duration<double> wallTime{};
    long peakKilobytes = 0;                   // the child's own peak resident set
    std::chrono::duration<double> cpuTime{};  // the child's user and system time
    std::string out, err;
};

class Child {
public:
    // Starts `program` with `arguments`, its standard output and error going to files
    // in `scratch` (read back into the outcome).
    Child(const std::filesystem::path& program, const std::vector<std::string>& arguments,
          const std::filesystem::path& scratch);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void kill(int signal);
    Outcome wait();

private:
    pid_t pid_ = -1;
    std::chrono::steady_clock::time_point started_;
    std::filesystem::path outPath_, errPath_;
};

Outcome run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
            const std::filesystem::path& scratch);

// The outcome of a run that must have ended by itself with status 0; otherwise raises
// std::runtime_error naming `what`, with the run's output.
Outcome mustSucceed(Outcome outcome, const std::string& what);

// The number after `label` in a run's report ("Przetworzono rekordów:" ...); raises
// std::runtime_error when there is none.
long reportedCount(const std::string& report, const std::string& label);

// korvel --config CONFIG --database URL fire <process-and-send>
std::vector<std::string> fireArguments(const std::filesystem::path& config, const std::string& databaseUrl);

// Copies an SQLite database file over `target`, removing the target's WAL and shared
// memory files first so that the copy starts clean.
void copySqliteDatabase(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace KorvelRun
