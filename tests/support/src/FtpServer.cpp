#include "support/FtpServer.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace TestSupport {

namespace {

constexpr int kStartTimeoutMs = 15000;
// The distribution's interpreter, which has the distribution's pyftpdlib; a python3
// found first on PATH (a virtual environment) may not.
constexpr const char* kPython = "/usr/bin/python3";

// The first line the child writes: the port it listens on.
int readPort(int fd) {
    std::string line;
    char c;
    while (line.size() < 16) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, kStartTimeoutMs) <= 0) throw std::runtime_error("The FTP server did not start in time.");
        if (read(fd, &c, 1) != 1) throw std::runtime_error("The FTP server ended before it listened.");
        if (c == '\n') return std::stoi(line);
        line += c;
    }
    throw std::runtime_error("The FTP server wrote no port.");
}

}  // namespace

FtpServer::FtpServer(std::filesystem::path root) : FtpServer(std::move(root), Options{}) {}

FtpServer::FtpServer(std::filesystem::path root, Options options)
    : root_(std::move(root)), options_(std::move(options)) {
    std::vector<std::string> args{kPython,        KORVEL_FTP_SERVER_SCRIPT,
                                  "--root",       root_.string(),
                                  "--user",       options_.user,
                                  "--password",   options_.password,
                                  "--drop-after", std::to_string(options_.dropAfterFiles),
                                  "--journal",    (own_ / "journal").string()};
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::vector<char*> argv;
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(kPython, argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    try {
        port_ = readPort(pipeFds[0]);
    } catch (...) {
        close(pipeFds[0]);
        stop();
        throw;
    }
    close(pipeFds[0]);
}

FtpServer::~FtpServer() { stop(); }

void FtpServer::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::vector<std::string> FtpServer::received() const {
    std::vector<std::string> paths;
    std::ifstream journal(own_ / "journal");
    for (std::string line; std::getline(journal, line);) paths.push_back(line);
    return paths;
}

std::string FtpServer::address() const { return "127.0.0.1:" + std::to_string(port_); }

}  // namespace TestSupport
