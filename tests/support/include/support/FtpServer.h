// A real FTP server for one test: pyftpdlib on a free port of 127.0.0.1, serving a
// root folder to one user with a password. Started by the constructor (which returns
// once the server listens), stopped by stop() or the destructor.
//
//   TestSupport::TempDir root;
//   TestSupport::FtpServer server(root.path());
//   config: "Serwer FTP" = server.address(), "Użytkownik FTP" = server.user(), ...
#pragma once

#include <sys/types.h>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace TestSupport {

class FtpServer {
public:
    struct Options {
        std::string user = "etykiety";
        std::string password = "Sekret-Etykiet-42";
        // After this many stored files the server drops all connections and refuses
        // new ones (0: never).
        int dropAfterFiles = 0;
    };

    explicit FtpServer(std::filesystem::path root);
    FtpServer(std::filesystem::path root, Options options);
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    void stop();
    int port() const { return port_; }
    // "127.0.0.1:<port>"
    std::string address() const;
    const std::string& user() const { return options_.user; }
    const std::string& password() const { return options_.password; }
    const std::filesystem::path& root() const { return root_; }
    // The paths of the files stored so far (relative to the root, with '/'), in the
    // order their uploads completed.
    std::vector<std::string> received() const;

private:
    std::filesystem::path root_;
    Options options_;
    TempDir own_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace TestSupport
