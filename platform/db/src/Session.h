// One open database session: its engine connection, its transaction (and which holder
// started it), and its caches of translations and prepared statements.
#pragma once

#include <memory>
#include <string>

#include "Connection.h"
#include "PreparedStatement.h"
#include "StatementCache.h"
#include "db/SessionHolder.h"
#include "db/Statement.h"

namespace DBKernel {

// A prepared statement lent to a query or command; it goes back to its session's cache
// (or is finalised) when the lease ends.
using StatementLease = std::unique_ptr<PreparedStatement, void (*)(PreparedStatement*)>;

class Session {
public:
    static std::shared_ptr<Session> open(const std::string& url, OpenMode mode);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::string& url() const noexcept { return url_; }
    Dialect::Engine engine() const { return connection_->engine(); }
    Connection& connection() noexcept { return *connection_; }

    // A prepared statement for the Oracle text, from the cache or newly prepared. A text
    // not for reuse (a one-off text) shares a statement compiled (prepared on the server)
    // with its literal values as binds with the texts that differ from it only in those values.
    StatementLease acquire(const std::string& oracleSql, bool reuse);
    void giveBack(std::unique_ptr<PreparedStatement> statement);
    static void endLease(PreparedStatement* statement);

    // owner: the holder that starts the transaction (see TSessionHolder).
    void begin(const void* owner);
    void commit();
    void rollback();
    bool inTransaction() const { return connection_->inTransaction(); }
    bool ownsTransaction(const void* owner) const { return owner_ == owner && inTransaction(); }

private:
    Session(std::string url, std::unique_ptr<Connection> connection);
    std::unique_ptr<PreparedStatement> prepareOwn(const std::string& oracleSql);
    // None when the text has no literal value to share.
    std::unique_ptr<PreparedStatement> prepareShared(const std::string& oracleSql);

    std::string url_;
    std::unique_ptr<Connection> connection_;
    TranslationCache translations_;
    StatementCache idle_;    // after the connection: its statements are finalised first
    StatementCache shared_;  // statements serving one-off texts, by shape
    const void* owner_ = nullptr;
};

}  // namespace DBKernel
