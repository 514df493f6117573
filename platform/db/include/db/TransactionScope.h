// One unit of work in one transaction, with an explicit policy for a transaction that
// is already open on the session:
//   StartOwn   begins its own; one already open is a logic error
//   JoinOpen   works inside the caller's open one, or begins its own when none is open
//   AdoptOpen  takes the caller's open one over as its own, or begins its own
// A scope commits and rolls back only what it owns (a joined scope leaves both to the
// caller), and rolls back what it owns when it goes uncommitted, on unwinding too.
//     DBKernel::TransactionScope transaction(session, DBKernel::TransactionScope::JoinOpen);
//     ...work...
//     transaction.commit();
#pragma once

#include "db/SessionHolder.h"

namespace DBKernel {

class TransactionScope {
public:
    enum Policy { StartOwn, JoinOpen, AdoptOpen };

    TransactionScope(TSessionHolder& session, Policy policy);
    ~TransactionScope();
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    // Commits an owned transaction; the scope's work is done either way.
    void commit();
    // Rolls back an owned transaction; the scope's work is done either way.
    void rollback();
    // Commits an owned transaction and begins the next one in the same scope, so that
    // long work commits in packages. A joined scope commits nothing and goes on.
    void commitAndBegin();

    bool ownsTransaction() const { return owns_; }

private:
    TSessionHolder& session_;
    bool owns_;
    bool done_ = false;
};

}  // namespace DBKernel
