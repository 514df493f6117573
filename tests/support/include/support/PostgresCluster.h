// A throwaway PostgreSQL server for tests, and fresh empty databases on it.
//
//   TestSupport::PostgresDatabase db = TestSupport::PostgresCluster::instance().createDatabase();
//   TSessionHolder session(db.url());   // postgresql:///t_...?host=/tmp/...&user=postgres
//
// One cluster serves every test process of a build (all binaries in one bin directory):
// CTest runs each test case as its own process, many at once, and starting a cluster per
// process (initdb and start, about 0.6 s) would be paid by every case. The cluster is:
// - made in a fresh directory under the temporary directory (initdb --auth=trust, no
//   fsync, Unix socket in that directory, listen_addresses='' so no TCP port);
// - run as `nobody` when the tests run as root, since PostgreSQL refuses root;
// - started lazily by the first process that asks, under an exclusive file lock
//   ("<tmp>/korvel-pg-<key>.lock"); the cluster's directory is recorded beside it;
// - used under a shared lock on "<tmp>/korvel-pg-<key>.users", held by each process for
//   its life. The last user at exit (it can take that lock exclusively) leaves a small
//   detached reaper that stops and removes the cluster two seconds later unless a new
//   user has come: CTest starts the next case only as one ends, and would otherwise
//   pay for a new cluster again and again.
// - robust against killed runs: the kernel releases a killed process's locks; a cluster
//   left running is simply used by the next run (each test has its own database), and
//   one that does not answer (a start or stop killed half-way) is removed and made anew.
// A database per test keeps the tests independent; each PostgresDatabase drops its
// database when it goes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {

class PostgresDatabase {
public:
    PostgresDatabase(std::string name, std::string url, std::string adminConnection);
    ~PostgresDatabase();
    PostgresDatabase(PostgresDatabase&& other) noexcept;
    PostgresDatabase(const PostgresDatabase&) = delete;
    PostgresDatabase& operator=(const PostgresDatabase&) = delete;

    const std::string& name() const { return name_; }
    // A URL the database kernel opens: postgresql:///NAME?host=DIR&user=postgres
    const std::string& url() const { return url_; }

private:
    std::string name_;
    std::string url_;
    std::string adminConnection_;
};

class PostgresCluster {
public:
    // The cluster of this build, started on first use. Raises std::runtime_error with
    // the server's log when it cannot be started.
    static PostgresCluster& instance();

    PostgresDatabase createDatabase();
    // The directory holding the server's Unix socket.
    const std::filesystem::path& socketDirectory() const { return directory_; }
    std::string url(const std::string& database) const;

    ~PostgresCluster();
    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

private:
    PostgresCluster();
    void startNew();
    std::vector<std::string> stopCommand() const;
    void stop() const;
    bool answers() const;
    std::string adminConnection() const;

    std::filesystem::path controlPath_;  // the start/stop lock
    std::filesystem::path usersPath_;    // shared by every process using the cluster
    std::filesystem::path statePath_;    // names the cluster's directory
    std::filesystem::path directory_;
    int controlFd_ = -1;
    int usersFd_ = -1;
    unsigned databaseCounter_ = 0;
};

}  // namespace TestSupport
