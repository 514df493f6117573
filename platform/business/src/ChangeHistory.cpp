#include "business/ChangeHistory.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/Errors.h"
#include "db/Command.h"

void TLogHistoriaZmian::logItem(const std::string& table, const std::string& key, const std::string& text, int type,
                                TSessionHolder session) {
    // The table name becomes part of the statement: accept plain identifiers only.
    const bool identifier = !table.empty() && std::all_of(table.begin(), table.end(),
                                                          [](unsigned char c) { return std::isalnum(c) || c == '_'; });
    if (!identifier)
        throw Core::PlacedLogicError("Niepoprawna nazwa tabeli historii zmian: " + table,
                                     CORE_SRC_INFO("TLogHistoriaZmian::logItem"));
    DBKernel::Sql::Command insert(
        "insert into " + table + " (sKlucz, sOpis, nTypOperacji, sUzytkownik) values (:key, :text, :type, :userName)",
        session);
    const char* user = std::getenv("USER");
    insert.Params["key"] = key;
    insert.Params["text"] = text;
    insert.Params["type"] = type;
    insert.Params["userName"] = std::string(user ? user : "");
    insert.execute();
}
