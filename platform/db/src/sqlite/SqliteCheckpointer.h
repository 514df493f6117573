// Copies a database's write-ahead log back into its file on a thread of its own, so
// that a writer's commits do not wait for the copy and its fsync.
//
// A connection hands its commits to logGrew() (through sqlite3_wal_hook, which turns
// SQLite's own automatic checkpoint off). From checkpointPages pages of log on, the
// thread runs a passive checkpoint on a connection of its own: it copies what no
// reader still needs and never blocks the writer. Should the log still reach
// forcedCheckpointPages (the thread kept from its work), the committing connection
// checkpoints itself, as SQLite would. The thread starts at the first request and is
// joined by the destructor, before the connection closes.
#pragma once

#include <sqlite3.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace DBKernel {

class SqliteCheckpointer {
public:
    static constexpr int checkpointPages = 10000;         // 40 MB of 4 KB pages
    static constexpr int forcedCheckpointPages = 100000;  // 400 MB

    explicit SqliteCheckpointer(std::string path);
    ~SqliteCheckpointer();
    SqliteCheckpointer(const SqliteCheckpointer&) = delete;
    SqliteCheckpointer& operator=(const SqliteCheckpointer&) = delete;

    // Installs the commit hook on the connection; the checkpointer must outlive it.
    void watch(sqlite3* connection);

private:
    static int afterCommit(void* self, sqlite3* connection, const char* database, int pages);
    void request();
    void work();
    bool open();
    void checkpoint();

    std::string path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool requested_ = false;
    bool stopping_ = false;
    std::thread thread_;
    sqlite3* own_ = nullptr;  // the thread's connection
};

}  // namespace DBKernel
