#include "Session.h"

#include "ConnectionUrl.h"
#include "core/Errors.h"
#include "dialect/SharedLiterals.h"
#include "postgres/PgConnection.h"
#include "sqlite/SqliteConnection.h"

namespace DBKernel {

namespace {

constexpr std::size_t idleStatementCapacity = 64;
constexpr std::size_t translationCapacity = 1024;
constexpr std::size_t sharedStatementCapacity = 16;

// The shape's key: its engine text, its own bind names and its lock (which SQLite takes
// outside the text, so two texts of one engine text may still lock differently).
std::string shapeKey(const Dialect::SharedLiterals& shape, const Dialect::Translation& translation) {
    std::string key = shape.sql;
    for (const auto& name : translation.parameterNames) (key += '\n') += name;
    return (key += '\n') += std::to_string(static_cast<int>(translation.lock));
}

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
      idle_(idleStatementCapacity),
      shared_(sharedStatementCapacity) {}

Session::~Session() {
    idle_.clear();
    shared_.clear();
    if (inTransaction()) {
        try {
            connection_->rollback();
        } catch (...) {
            // closing the connection ends the transaction anyway
        }
    }
}

StatementLease Session::acquire(const std::string& oracleSql, bool reuse) {
    std::unique_ptr<PreparedStatement> statement;
    if (reuse) {
        statement = idle_.take(oracleSql);
        if (!statement) statement = prepareOwn(oracleSql);
    } else {
        statement = prepareShared(oracleSql);
        if (!statement)
            statement = prepareOwn(oracleSql);
        else
            reuse = true;
    }
    statement->lend(reuse ? this : nullptr);
    return StatementLease(statement.release(), &Session::endLease);
}

std::unique_ptr<PreparedStatement> Session::prepareOwn(const std::string& oracleSql) {
    auto translation = translations_.translate(oracleSql);
    auto engineStatement = connection_->prepare(*translation);
    return std::make_unique<PreparedStatement>(std::make_shared<const std::string>(oracleSql), std::move(translation),
                                               std::move(engineStatement));
}

std::unique_ptr<PreparedStatement> Session::prepareShared(const std::string& oracleSql) {
    // Not kept in the translation cache: one-off texts would only push the others out.
    const auto translation = Dialect::translate(oracleSql, engine());
    const auto shape = Dialect::shareLiterals(translation.sql, translation.parameterNames.size(), engine());
    if (!shape) return nullptr;
    std::string key = shapeKey(*shape, translation);
    auto statement = shared_.take(key);
    if (!statement) {
        auto shaped = std::make_shared<const Dialect::Translation>(
            Dialect::Translation{shape->sql, translation.parameterNames, translation.lock});
        auto engineStatement = connection_->prepare(*shaped);
        statement = std::make_unique<PreparedStatement>(std::make_shared<const std::string>(oracleSql),
                                                        std::move(shaped), std::move(engineStatement));
    }
    statement->serveText(std::make_shared<const std::string>(oracleSql), std::move(key), shape->values);
    return statement;
}

void Session::endLease(PreparedStatement* statement) {
    std::unique_ptr<PreparedStatement> owned(statement);
    owned->release();
    if (Session* lender = owned->lender()) lender->giveBack(std::move(owned));
}

void Session::giveBack(std::unique_ptr<PreparedStatement> statement) {
    if (statement->sharesLiterals())
        shared_.put(std::move(statement));
    else
        idle_.put(std::move(statement));
}

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
