// The statements of an SQL script, for running them one by one: split at semicolons
// outside literals, quoted names, comments and dollar-quoted bodies, with comments
// outside those removed and the text trimmed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ShopDb {

std::vector<std::string> splitStatements(std::string_view script);

// A database object that a "create" statement makes.
struct CreatedObject {
    std::string kind;  // table, view, sequence, schema, function, procedure (lower case)
    std::string name;  // as written, possibly package.name
};

// Indexes and other statements give none: they go with what they belong to.
std::optional<CreatedObject> createdObject(std::string_view statement);

}  // namespace ShopDb
