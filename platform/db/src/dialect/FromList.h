// The items of a FROM list written with commas (Oracle's join syntax).
#pragma once

#include <string>
#include <vector>

#include "SyntaxTree.h"

namespace DBKernel::Dialect {

struct FromItem {
    Range range;        // within the FROM clause's body, without surrounding trivia
    std::string table;  // the table's name without schema, lower case; empty for a subquery
    std::string
        key;  // how columns name it: its alias, else its table name; lower case; empty for a subquery without alias
    bool subquery = false;
    bool simple = false;  // only a table name or a subquery, and an alias: no JOIN syntax
};

std::vector<FromItem> fromItems(const Nodes& body);

// How a name is compared: letter case ignored, quotes removed.
std::string nameKey(const Node& name);

}  // namespace DBKernel::Dialect
