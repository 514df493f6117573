// Work that belongs in one transaction: the caller's, when one is open, or else one
// of its own, committed by commit() and rolled back when the work fails before it.
#pragma once

#include "db/SessionHolder.h"

namespace ShopDb {

class Transaction {
public:
    explicit Transaction(TSessionHolder& session) : session_(session), own_(!session.InTransaction()) {
        if (own_) session_.StartTransaction();
    }
    ~Transaction() {
        if (!own_ || committed_) return;
        try {
            session_.Rollback();
        } catch (...) {
            // The failure that brought us here is the one to report.
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit() {
        if (own_) session_.Commit();
        committed_ = true;
    }

private:
    TSessionHolder& session_;
    bool own_;
    bool committed_ = false;
};

}  // namespace ShopDb
