#include "db/SessionHolder.h"

#include <mutex>

#include "Session.h"
#include "core/Errors.h"
#include "db/DataSet.h"

namespace DBKernel {

namespace {

std::mutex defaultMutex;
std::shared_ptr<Session> defaultSession;

std::shared_ptr<Session> currentDefault() {
    std::lock_guard lock(defaultMutex);
    if (!defaultSession)
        throw Core::PlacedLogicError("Nie ustawiono domyślnej sesji bazy danych.",
                                     CORE_SRC_INFO("TSessionHolder::TSessionHolder"));
    return defaultSession;
}

}  // namespace

void setDefaultSession(const std::string& url, OpenMode mode) {
    auto session = Session::open(url, mode);
    std::lock_guard lock(defaultMutex);
    defaultSession = std::move(session);
}

bool hasDefaultSession() {
    std::lock_guard lock(defaultMutex);
    return defaultSession != nullptr;
}

void resetDefaultSession() {
    std::lock_guard lock(defaultMutex);
    defaultSession.reset();
}

}  // namespace DBKernel

struct TSessionHolder::State {
    explicit State(std::shared_ptr<DBKernel::Session> s) : session(std::move(s)) {}
    ~State() {
        if (!session->ownsTransaction(this)) return;
        try {
            session->rollback();
        } catch (...) {
            // a destructor must not throw; the connection ends the transaction when it goes
        }
    }
    std::shared_ptr<DBKernel::Session> session;
};

TSessionHolder::TSessionHolder(bool useDefaultSession)
    : TSessionHolder(useDefaultSession
                         ? DBKernel::currentDefault()
                         : DBKernel::Session::open(DBKernel::currentDefault()->url(), DBKernel::OpenMode::Existing)) {}

TSessionHolder::TSessionHolder(const std::string& url, DBKernel::OpenMode mode)
    : TSessionHolder(DBKernel::Session::open(url, mode)) {}

TSessionHolder::TSessionHolder(std::shared_ptr<DBKernel::Session> session)
    : state_(std::make_shared<State>(std::move(session))) {}

void TSessionHolder::StartTransaction() { state_->session->begin(state_.get()); }

void TSessionHolder::Commit() { state_->session->commit(); }

void TSessionHolder::Rollback() { state_->session->rollback(); }

bool TSessionHolder::InTransaction() const { return state_->session->inTransaction(); }

DBKernel::Dialect::Engine TSessionHolder::engine() const { return state_->session->engine(); }

const std::string& TSessionHolder::url() const { return state_->session->url(); }

void TSessionHolder::ExecuteNativeScript(const std::string& script) const {
    state_->session->connection().runScript(script);
}

void TSessionHolder::AssignSession(Db::TDataSet& dataSet) const { dataSet.setSession(*this); }

DBKernel::Session& TSessionHolder::session() const { return *state_->session; }

bool TSessionHolder::sameSession(const TSessionHolder& other) const { return state_->session == other.state_->session; }
