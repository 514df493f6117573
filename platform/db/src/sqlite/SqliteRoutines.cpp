#include "SqliteRoutines.h"

#include <algorithm>
#include <boost/format.hpp>

#include "KernelNames.h"
#include "SqliteErrors.h"
#include "SqliteStatement.h"
#include "db/OraError.h"

namespace DBKernel {

namespace {

std::vector<std::string> parameterList(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto comma = text.find(',');
        std::string_view name = text.substr(0, comma);
        const auto first = name.find_first_not_of(" \t\r\n");
        if (first != std::string_view::npos)
            names.push_back(Sql::lowerName(name.substr(first, name.find_last_not_of(" \t\r\n") - first + 1)));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return names;
}

std::string columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? text : "";
}

[[noreturn]] void noSuchCall(const std::string& text) { throw Oraerror::EOraError(Oraerror::Code::UnknownCall, text); }

}  // namespace

// One stored function, the user data of its registration.
class StoredFunction {
public:
    StoredFunction(SqliteConnection& connection, std::string name, std::vector<std::string> parameters,
                   std::string body)
        : connection_(connection), name_(std::move(name)), parameters_(std::move(parameters)), body_(std::move(body)) {}

    static void invoke(sqlite3_context* context, int, sqlite3_value** arguments) {
        auto* function = static_cast<StoredFunction*>(sqlite3_user_data(context));
        try {
            function->call(context, arguments);
        } catch (const std::exception& error) {
            sqlite3_result_error(context, error.what(), -1);
        }
    }

private:
    void call(sqlite3_context* context, sqlite3_value** arguments) {
        if (!statement_) compile();
        sqlite3_stmt* statement = statement_.get();
        for (std::size_t bind = 0; bind < argumentOfBind_.size(); ++bind)
            sqlite3_bind_value(statement, static_cast<int>(bind + 1), arguments[argumentOfBind_[bind]]);
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW)
            sqlite3_result_value(context, sqlite3_column_value(statement, 0));
        else
            sqlite3_result_null(context);
        connection_.finish(statement, rc);
    }

    void compile() {
        const Dialect::Translation translation = Dialect::translate(body_, Dialect::Engine::SQLite);
        SqliteStatementHandle statement(connection_.compile(translation.sql, nullptr));
        std::vector<std::size_t> argumentOfBind;
        for (const auto& bindName : translation.parameterNames) {
            std::size_t argument = 0;
            while (argument < parameters_.size() && parameters_[argument] != bindName) ++argument;
            if (argument == parameters_.size())
                noSuchCall((boost::format("funkcja \"%1%\" używa :%2%, którego nie ma wśród jej parametrów") % name_ %
                            bindName)
                               .str());
            argumentOfBind.push_back(argument);
        }
        statement_ = std::move(statement);
        argumentOfBind_ = std::move(argumentOfBind);
    }

    SqliteConnection& connection_;
    std::string name_;
    std::vector<std::string> parameters_;
    std::string body_;
    SqliteStatementHandle statement_;
    std::vector<std::size_t> argumentOfBind_;
};

SqliteRoutines::SqliteRoutines(SqliteConnection& connection) : connection_(connection) {}

SqliteRoutines::~SqliteRoutines() = default;

std::vector<std::string> splitStatements(std::string_view body) {
    std::vector<std::string> statements;
    std::string current;
    auto flush = [&] {
        if (current.find_first_not_of(" \t\r\n") != std::string::npos) statements.push_back(current);
        current.clear();
    };
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        std::size_t end = i;
        if (c == '\'' || c == '"') {
            end = body.find(c, i + 1);
        } else if (c == '-' && body.substr(i, 2) == "--") {
            end = body.find('\n', i);
        } else if (c == '/' && body.substr(i, 2) == "/*") {
            end = body.find("*/", i + 2);
            if (end != std::string_view::npos) ++end;
        } else if (c == ';') {
            flush();
            continue;
        }
        if (end == std::string_view::npos) end = body.size() - 1;
        current.append(body.substr(i, end - i + 1));
        i = end;
    }
    flush();
    return statements;
}

SqliteStatementHandle SqliteRoutines::prepareRoutineRead(const char* sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v3(connection_.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &raw, nullptr) == SQLITE_OK)
        return SqliteStatementHandle(raw);
    sqlite3_finalize(raw);
    return nullptr;
}

std::vector<SqliteRoutines::Routine> SqliteRoutines::readRoutines(sqlite3_stmt* raw, const std::string* name) {
    if (!raw) return {};  // no routine table: a database without stored routines
    if (name) sqlite3_bind_text(raw, 1, name->c_str(), -1, SQLITE_TRANSIENT);
    std::vector<Routine> routines;
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        routines.push_back({columnText(raw, 0), Sql::lowerName(columnText(raw, 1)), parameterList(columnText(raw, 2)),
                            columnText(raw, 3)});
    connection_.finish(raw, rc);
    return routines;
}

int SqliteRoutines::registerFunctions() {
    int added = 0;
    const SqliteStatementHandle functionRead =
        prepareRoutineRead("select name, kind, parameters, body from korvel_routine where lower(kind) = 'function'");
    for (auto& routine : readRoutines(functionRead.get(), nullptr)) {
        std::string sqliteName = Sql::lowerName(routine.name);
        for (char& c : sqliteName)
            if (c == '.') c = '_';
        if (registeredFunctions_.count(sqliteName)) continue;
        auto function =
            std::make_unique<StoredFunction>(connection_, routine.name, routine.parameters, std::move(routine.body));
        const int rc = sqlite3_create_function_v2(connection_.handle(), sqliteName.c_str(),
                                                  static_cast<int>(routine.parameters.size()), SQLITE_UTF8,
                                                  function.get(), &StoredFunction::invoke, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) raiseSqliteError(connection_.handle(), rc);
        functions_.push_back(std::move(function));
        registeredFunctions_.insert(std::move(sqliteName));
        ++added;
    }
    return added;
}

void SqliteRoutines::callProcedure(const std::string& name, const ProcedureArguments& arguments) {
    if (!procedureRead_)
        procedureRead_ =
            prepareRoutineRead("select name, kind, parameters, body from korvel_routine where lower(name) = lower(?1)");
    auto routines = readRoutines(procedureRead_.get(), &name);
    if (routines.empty() || routines.front().kind != "procedure")
        noSuchCall((boost::format("procedura \"%1%\" nie istnieje") % name).str());
    const Routine& routine = routines.front();
    for (const auto& [argument, value] : arguments) {
        const std::string lower = Sql::lowerName(argument);
        if (std::find(routine.parameters.begin(), routine.parameters.end(), lower) == routine.parameters.end())
            noSuchCall((boost::format("procedura \"%1%\" nie ma parametru \"%2%\"") % name % argument).str());
    }
    const CompiledProcedure& procedure = compiled(routine);

    // All or nothing, as a PL/SQL call: its own transaction, or a savepoint inside the caller's.
    const bool ownTransaction = !connection_.inTransaction();
    connection_.runKept(ownTransaction ? "begin immediate" : "savepoint korvel_call");
    try {
        runBody(procedure, arguments);
    } catch (...) {
        try {
            connection_.run(ownTransaction ? "rollback" : "rollback to korvel_call; release korvel_call");
        } catch (...) {
            // the body's error is the one to report
        }
        throw;
    }
    connection_.runKept(ownTransaction ? "commit" : "release korvel_call");
}

const SqliteRoutines::CompiledProcedure& SqliteRoutines::compiled(const Routine& routine) {
    CompiledProcedure& procedure = procedures_[Sql::lowerName(routine.name)];
    if (procedure.body == routine.body && !procedure.statements.empty()) return procedure;
    std::vector<CompiledStatement> statements;
    for (const auto& text : splitStatements(routine.body)) {
        const Dialect::Translation translation = Dialect::translate(text, Dialect::Engine::SQLite);
        statements.push_back(
            {SqliteStatementHandle(connection_.compile(translation.sql, nullptr)), translation.parameterNames});
    }
    procedure.statements = std::move(statements);
    procedure.body = routine.body;
    return procedure;
}

void SqliteRoutines::runBody(const CompiledProcedure& procedure, const ProcedureArguments& arguments) {
    for (const auto& [statement, bindNames] : procedure.statements) {
        sqlite3_stmt* raw = statement.get();
        sqlite3_clear_bindings(raw);
        for (std::size_t bind = 0; bind < bindNames.size(); ++bind) {
            for (const auto& [argument, value] : arguments) {
                if (!Sql::sameName(argument, bindNames[bind])) continue;
                const int rc = bindValue(raw, static_cast<int>(bind + 1), value);
                if (rc != SQLITE_OK) raiseSqliteError(connection_.handle(), rc);
            }
        }
        connection_.finish(raw, sqlite3_step(raw));
    }
}

}  // namespace DBKernel
