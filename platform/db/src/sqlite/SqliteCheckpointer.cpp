#include "SqliteCheckpointer.h"

namespace DBKernel {

SqliteCheckpointer::SqliteCheckpointer(std::string path) : path_(std::move(path)) {}

SqliteCheckpointer::~SqliteCheckpointer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void SqliteCheckpointer::watch(sqlite3* connection) { sqlite3_wal_hook(connection, &afterCommit, this); }

int SqliteCheckpointer::afterCommit(void* self, sqlite3* connection, const char* database, int pages) {
    if (pages >= forcedCheckpointPages)
        sqlite3_wal_checkpoint_v2(connection, database, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    else if (pages >= checkpointPages)
        static_cast<SqliteCheckpointer*>(self)->request();
    return SQLITE_OK;  // the commit stands whatever the checkpoint did
}

void SqliteCheckpointer::request() {
    {
        std::lock_guard lock(mutex_);
        requested_ = true;
        if (!thread_.joinable()) thread_ = std::thread(&SqliteCheckpointer::work, this);
    }
    wake_.notify_one();
}

void SqliteCheckpointer::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return requested_ || stopping_; });
        if (stopping_) break;
        requested_ = false;
        lock.unlock();
        checkpoint();
        lock.lock();
    }
    sqlite3_close_v2(own_);
}

bool SqliteCheckpointer::open() {
    if (own_) return true;
    // A connection finds the log only once it has read the file.
    if (sqlite3_open_v2(path_.c_str(), &own_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK &&
        sqlite3_exec(own_, "pragma journal_mode = wal", nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    sqlite3_close_v2(own_);
    own_ = nullptr;
    return false;
}

void SqliteCheckpointer::checkpoint() {
    // A busy or failed checkpoint is left for the next request: the log only grows.
    if (open()) sqlite3_wal_checkpoint_v2(own_, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

}  // namespace DBKernel
