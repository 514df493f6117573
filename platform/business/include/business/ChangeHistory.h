// The change history of operator operations: one entry per operation that changes
// data, kept in the shop database (table Operacje) with its time and the user.
#pragma once

#include <string>

#include "db/SessionHolder.h"

class TLogHistoriaZmian {
public:
    // Writes one entry: the table that names the history ("Operacje"), the operation's
    // key and text, and its type (3: a transmission). The user is the system account
    // running the program ($USER).
    static void logItem(const std::string& table, const std::string& key, const std::string& text, int type,
                        TSessionHolder session = TSessionHolder(true));
};
