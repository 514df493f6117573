// Runs the korvel program as a user does: its exit code, standard output and error.
#pragma once

#include <string>

#include "support/TempDir.h"

namespace KorvelTest {

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

// `arguments` as typed on a shell line; the outputs go through files in `dir`.
Result korvel(const std::string& arguments, const TestSupport::TempDir& dir);

}  // namespace KorvelTest
