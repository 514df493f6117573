#include "Session.h"

#include "ConnectionUrl.h"
#include "core/Errors.h"
#include "postgres/PgConnection.h"
#include "sqlite/SqliteConnection.h"

namespace DBKernel {

namespace {

constexpr std::size_t idleStatementCapacity = 64;
constexpr std::size_t translationCapacity = 1024;

}  // namespace

std::shared_ptr<Session> Session::open(const std::string& url, OpenMode mode) {
    const ConnectionUrl parsed = parseConnectionUrl(url);
    std::unique_ptr<Connection> connection;
    if (parsed.engine == Dialect::Engine::SQLite)
        connection = std::make_unique<SqliteConnection>(displayUrl(url), parsed.target, mode);
    else
        connection = std::make_unique<PgConnection>(displayUrl(url), parsed.target);
    return std::shared_ptr<Session>(new Session(url, std::move(connection)));
}

Session::Session(std::string url, std::unique_ptr<Connection> connection)
    : url_(std::move(url)),
      connection_(std::move(connection)),
      translations_(connection_->engine(), translationCapacity),
      idle_(idleStatementCapacity) {}

Session::~Session() {
    idle_.clear();
    if (inTransaction()) {
        try {
            connection_->rollback();
        } catch (...) {
            // closing the connection ends the transaction anyway
        }
    }
}

StatementLease Session::acquire(const std::string& oracleSql, bool reuse) {
    auto statement = idle_.take(oracleSql);
    if (!statement) {
        auto translation = translations_.translate(oracleSql);
        auto engineStatement = connection_->prepare(*translation);
        statement = std::make_unique<PreparedStatement>(std::make_shared<const std::string>(oracleSql),
                                                        std::move(translation), std::move(engineStatement));
    }
    statement->lend(reuse ? this : nullptr);
    return StatementLease(statement.release(), &Session::endLease);
}

void Session::endLease(PreparedStatement* statement) {
    std::unique_ptr<PreparedStatement> owned(statement);
    owned->release();
    if (Session* lender = owned->lender()) lender->giveBack(std::move(owned));
}

void Session::giveBack(std::unique_ptr<PreparedStatement> statement) { idle_.put(std::move(statement)); }

void Session::begin(const void* owner) {
    if (inTransaction())
        throw Core::PlacedLogicError("Transakcja w tej sesji bazy danych jest już rozpoczęta.",
                                     CORE_SRC_INFO("TSessionHolder::StartTransaction"));
    connection_->begin();
    owner_ = owner;
}

void Session::commit() {
    if (inTransaction()) connection_->commit();
    owner_ = nullptr;
}

void Session::rollback() {
    if (inTransaction()) connection_->rollback();
    owner_ = nullptr;
}

}  // namespace DBKernel
