#include "KorvelChild.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace KorvelRun {

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void redirect(int descriptor, const std::filesystem::path& path, int flags) {
    const int file = ::open(path.c_str(), flags, 0644);
    if (file < 0 || ::dup2(file, descriptor) < 0) _exit(127);
    ::close(file);
}

}  // namespace

void ScaleDirectories::reset() const {
    for (const auto& directory : {temporary, data, status}) {
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
}

std::string transmissionConfig(const std::filesystem::path& outputDirectory, const ScaleDirectories& scales,
                               int packageSize) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<configuration>
  <key name="Parametry programu">
    <key name="Blokada dodawania towarów" type="bool" value="false"/>
    <key name="Refundacja promocji">
      <key name="Włączona" type="bool" value="false"/>
    </key>
    <key name="FrontOffice">
      <key name="Wielkość paczki zawierającej PLU" type="int" value=")" +
           std::to_string(packageSize) + R"("/>
      <key name="Serwer Kasowy">
        <key name="Moduł transmisji do kasy" type="string" value="xmlbasedservercommunication"/>
        <key name="Katalog - wyjście" type="string" value=")" +
           outputDirectory.string() + R"("/>
        <key name="Katalog - wejście" type="string" value=")" +
           outputDirectory.string() + R"("/>
      </key>
      <key name="Serwer Wagowy">
        <key name="Katalog tymczasowy" type="string" value=")" +
           scales.temporary.string() + R"("/>
        <key name="Katalog danych" type="string" value=")" +
           scales.data.string() + R"("/>
        <key name="Katalog statusów" type="string" value=")" +
           scales.status.string() + R"xml("/>
        <key name="Wysyłaj kody wagowe (W)" type="bool" value="true"/>
        <key name="Wysyłaj kody wartościowe (C)" type="bool" value="true"/>
        <key name="Wysyłaj tylko PLU wagowe pasujące do prefiksu" type="bool" value="false"/>
        <key name="Wysyłaj składy surowcowe dla grup" type="bool" value="false"/>
      </key>
      <key name="PriceChecker">
        <key name="Włączony" type="bool" value="false"/>
      </key>
    </key>
  </key>
  <key name="Inne">
    <key name="Obsługa stacji paliw" type="bool" value="false"/>
    <key name="Obsługa wielu cen sprzedaży" type="bool" value="false"/>
  </key>
</configuration>
)xml";
}

Child::Child(const std::filesystem::path& program, const std::vector<std::string>& arguments,
             const std::filesystem::path& scratch)
    : outPath_(scratch / "child.out"), errPath_(scratch / "child.err") {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    started_ = std::chrono::steady_clock::now();
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        redirect(STDIN_FILENO, "/dev/null", O_RDONLY);
        redirect(STDOUT_FILENO, outPath_, O_WRONLY | O_CREAT | O_TRUNC);
        redirect(STDERR_FILENO, errPath_, O_WRONLY | O_CREAT | O_TRUNC);
        ::execv(argv[0], argv.data());
        _exit(127);
    }
}

Child::~Child() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void Child::kill(int signal) {
    if (pid_ > 0) ::kill(pid_, signal);
}

Outcome Child::wait() {
    int status = 0;
    rusage usage{};
    pid_t done;
    while ((done = ::wait4(pid_, &status, 0, &usage)) < 0 && errno == EINTR) {}
    if (done != pid_) throw std::runtime_error("wait4 failed");
    pid_ = -1;
    Outcome outcome;
    outcome.wallTime = std::chrono::steady_clock::now() - started_;
    outcome.peakKilobytes = usage.ru_maxrss;
    outcome.cpuTime = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    outcome.exited = WIFEXITED(status);
    if (outcome.exited) outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    outcome.out = readAll(outPath_);
    outcome.err = readAll(errPath_);
    return outcome;
}

Outcome run(const std::filesystem::path& program, const std::vector<std::string>& arguments,
            const std::filesystem::path& scratch) {
    return Child(program, arguments, scratch).wait();
}

Outcome mustSucceed(Outcome outcome, const std::string& what) {
    if (!outcome.exited || outcome.exitCode != 0)
        throw std::runtime_error(what + " failed (exit " + std::to_string(outcome.exitCode) + ", signal " +
                                 std::to_string(outcome.signal) + "):\n" + outcome.out + outcome.err);
    return outcome;
}

long reportedCount(const std::string& report, const std::string& label) {
    std::smatch match;
    if (!std::regex_search(report, match, std::regex(label + R"(\s*(\d+))")))
        throw std::runtime_error("no \"" + label + "\" in:\n" + report);
    return std::stol(match[1]);
}

std::vector<std::string> fireArguments(const std::filesystem::path& config, const std::string& databaseUrl) {
    return {"--config", config.string(), "--database", databaseUrl, "fire", ProcessAndSendPlu};
}

void copySqliteDatabase(const std::filesystem::path& source, const std::filesystem::path& target) {
    for (const char* suffix : {"-wal", "-shm", "-journal"}) std::filesystem::remove(target.string() + suffix);
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace KorvelRun
