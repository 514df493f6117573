// The database URL: which engine, and what to hand it.
#pragma once

#include <string>

#include "db/Dialect.h"

namespace DBKernel {

struct ConnectionUrl {
    Dialect::Engine engine;
    std::string target;  // SQLite: the file path; PostgreSQL: the libpq URI as given
};

// Raises EOraError 12154 naming the URL when it names no engine.
ConnectionUrl parseConnectionUrl(const std::string& url);

// The URL for messages: a password in a PostgreSQL URI is replaced by "***".
std::string displayUrl(const std::string& url);

}  // namespace DBKernel
