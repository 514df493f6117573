// Database sessions. A session is one connection to one database, named by a URL:
//   sqlite:PATH                              an SQLite file (WAL mode)
//   postgresql://...  or  postgres://...     a libpq connection URI; a Unix-socket
//                                            directory is given as ?host=/dir
// Opening never creates a PostgreSQL database, and creates an SQLite file only with
// OpenMode::CreateIfMissing. A URL that names no engine raises EOraError 12154, a
// database that cannot be opened EOraError 12541; both messages name the URL
// (without its password).
//
// Transactions follow the host: outside StartTransaction..Commit/Rollback every
// statement commits on its own. Inside one, a failing statement undoes only itself
// (as on Oracle), so a lock conflict can be caught and the transaction goes on.
// SQLite has one write lock per database, not row locks. A transaction takes it with
// its first write or "for update" (which stands for locking rows), failing with
// EOraError 54 while another session holds it; only "for update" without "nowait"
// waits for it. A transaction that has written nothing yet takes the lock on a fresh
// snapshot, so it sees what the holder committed.
//
// A session serves one thread at a time; the objects made on it stay on that thread.
#pragma once

#include <memory>
#include <string>

#include "db/Dialect.h"

namespace Db {
class TDataSet;
}

namespace DBKernel {

class Session;
class KernelAccess;

enum class OpenMode { Existing, CreateIfMissing };

// Sets the host's default session, opened from the URL (the program does this once;
// a second call replaces it for holders made afterwards).
void setDefaultSession(const std::string& url, OpenMode mode = OpenMode::Existing);
bool hasDefaultSession();
// Forgets the default session; it closes when its last holder goes.
void resetDefaultSession();

}  // namespace DBKernel

// A handle to a session and the transaction started through it. Copies are the same
// holder: they share the session and the transaction. When the last copy of the holder
// that started a transaction goes while the transaction is open, it is rolled back.
// Host contract: the session holder and its transaction operations.
class TSessionHolder {
public:
    // true: the host's default session (one connection shared by all such holders);
    // false: a private new session on the default session's URL.
    explicit TSessionHolder(bool useDefaultSession = true);
    explicit TSessionHolder(const std::string& url, DBKernel::OpenMode mode = DBKernel::OpenMode::Existing);

    void StartTransaction();  // a transaction already open raises a logic error
    void Commit();            // no-op without an open transaction
    void Rollback();          // no-op without an open transaction
    bool InTransaction() const;

    DBKernel::Dialect::Engine engine() const;
    const std::string& url() const;
    // Runs SQL in the engine's own dialect, one or more statements, untranslated and
    // unrecorded: schema scripts (PL/pgSQL bodies, SQLite DDL) and test set-up.
    void ExecuteNativeScript(const std::string& script) const;
    // Binds a dataset the caller made itself to this session.
    void AssignSession(Db::TDataSet& dataSet) const;
    // Whether both holders stand for one session (copies, or both on the default one).
    bool sameSession(const TSessionHolder& other) const;

private:
    friend class DBKernel::KernelAccess;
    DBKernel::Session& session() const;

    struct State;
    explicit TSessionHolder(std::shared_ptr<DBKernel::Session> session);
    std::shared_ptr<State> state_;
};
