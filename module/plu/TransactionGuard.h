// The transaction of the PLU packages: starts one when none is open, commits only an
// open one, and rolls back whatever is still open when it goes.
#pragma once

#include "db/SessionHolder.h"

namespace PluTransmission {

class TransactionGuard {
public:
    explicit TransactionGuard(TSessionHolder& session) : session_(session) { start(); }
    ~TransactionGuard() {
        try {
            if (session_.InTransaction()) session_.Rollback();
        } catch (...) {  // a rollback that fails leaves the server to undo the transaction
        }
    }
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void start() {
        if (!session_.InTransaction()) session_.StartTransaction();
    }
    void commit() {
        if (session_.InTransaction()) session_.Commit();
    }
    void rollback() {
        if (session_.InTransaction()) session_.Rollback();
    }

private:
    TSessionHolder& session_;
};

}  // namespace PluTransmission
