#include "db/TransactionScope.h"

namespace DBKernel {

namespace {
bool beginsOwn(const TSessionHolder& session, TransactionScope::Policy policy) {
    return policy == TransactionScope::StartOwn || !session.InTransaction();
}
}  // namespace

TransactionScope::TransactionScope(TSessionHolder& session, Policy policy)
    : session_(session), owns_(policy != JoinOpen || !session.InTransaction()) {
    if (beginsOwn(session_, policy)) session_.StartTransaction();
}

TransactionScope::~TransactionScope() {
    if (!owns_ || done_) return;
    try {
        session_.Rollback();
    } catch (...) {
        // The failure that unwound the scope is the one to report; the server ends the
        // transaction with the connection.
    }
}

void TransactionScope::commit() {
    if (owns_) session_.Commit();
    done_ = true;
}

void TransactionScope::rollback() {
    done_ = true;
    if (owns_) session_.Rollback();
}

void TransactionScope::commitAndBegin() {
    if (!owns_) return;
    session_.Commit();
    session_.StartTransaction();
}

}  // namespace DBKernel
