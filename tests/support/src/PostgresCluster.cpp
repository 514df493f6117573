#include "support/PostgresCluster.h"

#include <fcntl.h>
#include <libpq-fe.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <vector>

#include "support/TempDir.h"

extern char** environ;

namespace TestSupport {

namespace fs = std::filesystem;

namespace {

fs::path serverBinaries() {
    std::vector<fs::path> found;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ignored))
        if (fs::exists(entry.path() / "bin" / "initdb")) found.push_back(entry.path() / "bin");
    if (found.empty()) throw std::runtime_error("PostgreSQL server not found under /usr/lib/postgresql/*/bin");
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return std::stoi(a.parent_path().filename().string()) < std::stoi(b.parent_path().filename().string());
    });
    return found.back();
}

// PostgreSQL refuses to run as root; root runs it as nobody.
struct ServerUser {
    bool switchUser = false;
    uid_t uid = 0;
    gid_t gid = 0;
};

ServerUser serverUser() {
    if (geteuid() != 0) return {};
    const passwd* nobody = getpwnam("nobody");
    if (!nobody) throw std::runtime_error("user nobody not found: cannot run PostgreSQL as root");
    return {true, nobody->pw_uid, nobody->pw_gid};
}

std::vector<std::string> asServerUser(std::vector<std::string> arguments) {
    const ServerUser user = serverUser();
    if (user.switchUser)
        arguments.insert(arguments.begin(), {"setpriv", "--reuid=" + std::to_string(user.uid),
                                             "--regid=" + std::to_string(user.gid), "--clear-groups", "--"});
    return arguments;
}

// Starts a program with its output appended to the log; detached, it runs on in its
// own session after the test process ends.
pid_t spawn(std::vector<std::string> arguments, const fs::path& log, bool detached) {
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, "/");  // the server user may not reach the test's directory
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (detached) posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

// Runs a program as the server user; returns its exit status.
int run(std::vector<std::string> arguments, const fs::path& log) {
    const pid_t pid = spawn(asServerUser(std::move(arguments)), log, false);
    if (pid < 0) return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Stops and removes the cluster a few seconds after its last user left, unless a new
// user came meanwhile: CTest starts the next test process only as one ends, and without
// this pause the cluster would be made again and again. It takes the same locks as the
// test processes, and checks that the cluster it was sent for is still the current one.
constexpr const char* reaperScript = R"sh(
    control=$1 users=$2 state=$3 dir=$4; shift 4
    sleep 2
    exec 8<>"$control"; flock 8 || exit 0
    exec 9<>"$users"; flock -n -x 9 || exit 0
    [ "$(cat "$state" 2>/dev/null)" = "$dir" ] || exit 0
    "$@"
    rm -rf "$dir"; rm -f "$state"
)sh";

int openLockFile(const fs::path& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);  // not inherited by the server
    if (fd < 0) throw std::runtime_error("cannot open " + path.string());
    return fd;
}

void lock(int fd, int operation) {
    while (flock(fd, operation) != 0)
        if (errno != EINTR) throw std::runtime_error("flock failed");
}

std::string readState(const fs::path& path) {
    std::ifstream in(path);
    std::string directory;
    std::getline(in, directory);
    return directory;
}

std::string asIdentifier(const std::string& name) { return "\"" + name + "\""; }

void execute(const std::string& connection, const std::string& sql) {
    PGconn* admin = PQconnectdb(connection.c_str());
    std::string error;
    if (PQstatus(admin) != CONNECTION_OK) {
        error = PQerrorMessage(admin);
    } else {
        PGresult* result = PQexec(admin, sql.c_str());
        if (PQresultStatus(result) != PGRES_COMMAND_OK) error = PQresultErrorMessage(result);
        PQclear(result);
    }
    PQfinish(admin);
    if (!error.empty()) throw std::runtime_error(sql + ": " + error);
}

}  // namespace

PostgresDatabase::PostgresDatabase(std::string name, std::string url, std::string adminConnection)
    : name_(std::move(name)), url_(std::move(url)), adminConnection_(std::move(adminConnection)) {}

PostgresDatabase::PostgresDatabase(PostgresDatabase&& other) noexcept
    : name_(std::move(other.name_)), url_(std::move(other.url_)), adminConnection_(std::move(other.adminConnection_)) {
    other.name_.clear();
}

PostgresDatabase::~PostgresDatabase() {
    if (name_.empty()) return;
    try {
        execute(adminConnection_, "drop database if exists " + asIdentifier(name_) + " with (force)");
    } catch (const std::exception&) {
        // the cluster goes with the last test process anyway
    }
}

PostgresCluster& PostgresCluster::instance() {
    static PostgresCluster cluster;
    return cluster;
}

PostgresCluster::PostgresCluster() {
    const std::string key = std::to_string(std::hash<std::string>{}(fs::read_symlink("/proc/self/exe").parent_path()));
    const fs::path base = fs::temp_directory_path() / ("korvel-pg-" + key);
    controlPath_ = base.string() + ".lock";
    usersPath_ = base.string() + ".users";
    statePath_ = base.string() + ".dir";
    controlFd_ = openLockFile(controlPath_);
    usersFd_ = openLockFile(usersPath_);
    lock(controlFd_, LOCK_EX);
    try {
        directory_ = readState(statePath_);
        if (!directory_.empty() && !answers()) {  // a start or stop was killed half-way
            stop();
            directory_.clear();
        }
        if (directory_.empty()) startNew();
        lock(usersFd_, LOCK_SH);
    } catch (...) {
        flock(usersFd_, LOCK_UN);
        flock(controlFd_, LOCK_UN);
        close(usersFd_);
        close(controlFd_);
        throw;
    }
    flock(controlFd_, LOCK_UN);
}

PostgresCluster::~PostgresCluster() {
    lock(controlFd_, LOCK_EX);
    flock(usersFd_, LOCK_UN);
    if (flock(usersFd_, LOCK_EX | LOCK_NB) == 0) {  // the last user, for now
        flock(usersFd_, LOCK_UN);
        std::vector<std::string> reaper{"sh",
                                        "-c",
                                        reaperScript,
                                        "reaper",
                                        controlPath_.string(),
                                        usersPath_.string(),
                                        statePath_.string(),
                                        directory_.string()};
        for (auto& argument : stopCommand()) reaper.push_back(std::move(argument));
        spawn(std::move(reaper), "/dev/null", true);
    }
    flock(controlFd_, LOCK_UN);
    close(usersFd_);
    close(controlFd_);
}

void PostgresCluster::startNew() {
    std::string pattern = (fs::temp_directory_path() / "korvel-pg-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a directory for PostgreSQL");
    directory_ = pattern;
    writeFile(statePath_, directory_.string() + "\n");  // first, so that a killed start is cleaned up
    const ServerUser user = serverUser();
    if (user.switchUser && chown(directory_.c_str(), user.uid, user.gid) != 0)
        throw std::runtime_error("cannot hand " + directory_.string() + " to the server user");

    const fs::path bin = serverBinaries();
    const fs::path data = directory_ / "data";
    const fs::path log = directory_ / "commands.log";
    const fs::path serverLog = directory_ / "server.log";  // written by the server user
    if (run({(bin / "initdb").string(), "-D", data.string(), "--auth=trust", "--username=postgres", "--no-sync",
             "--encoding=UTF8", "--locale=C"},
            log) != 0)
        throw std::runtime_error("initdb failed:\n" + readFile(log));
    std::ofstream conf(data / "postgresql.conf", std::ios::app);
    conf << "listen_addresses = ''\n"
         << "unix_socket_directories = '" << directory_.string() << "'\n"
         << "fsync = off\nfull_page_writes = off\nsynchronous_commit = off\n"
         << "shared_buffers = 16MB\nmax_connections = 200\n";
    conf.close();
    if (run({(bin / "pg_ctl").string(), "-D", data.string(), "-l", serverLog.string(), "-w", "-t", "60", "start"},
            log) != 0) {
        std::error_code ignored;
        throw std::runtime_error("PostgreSQL did not start:\n" + readFile(log) +
                                 (fs::exists(serverLog, ignored) ? readFile(serverLog) : std::string()));
    }
}

std::vector<std::string> PostgresCluster::stopCommand() const {
    return asServerUser({(serverBinaries() / "pg_ctl").string(), "-D", (directory_ / "data").string(), "-m",
                         "immediate", "-w", "stop"});
}

void PostgresCluster::stop() const {
    std::error_code ignored;
    if (fs::exists(directory_ / "data" / "postmaster.pid", ignored)) {
        const pid_t pid = spawn(stopCommand(), "/dev/null", false);
        int status = 0;
        while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    }
    fs::remove_all(directory_, ignored);
}

bool PostgresCluster::answers() const { return PQping(adminConnection().c_str()) == PQPING_OK; }

std::string PostgresCluster::adminConnection() const {
    return "host=" + directory_.string() + " user=postgres dbname=postgres";
}

std::string PostgresCluster::url(const std::string& database) const {
    return "postgresql:///" + database + "?host=" + directory_.string() + "&user=postgres";
}

PostgresDatabase PostgresCluster::createDatabase() {
    const std::string name = "t_" + std::to_string(getpid()) + "_" + std::to_string(++databaseCounter_);
    execute(adminConnection(), "create database " + asIdentifier(name));
    return PostgresDatabase(name, url(name), adminConnection());
}

}  // namespace TestSupport
