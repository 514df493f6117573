// The message of the error a call raises, to compare it whole in one expectation:
// EXPECT_EQ(errorOf<std::runtime_error>([&] { sender->send(); }), "...").
#pragma once

#include <string>

namespace TestSupport {

// "(no error)" when the call returns, so that a missing error fails the comparison; an
// error of another type goes on to the test.
template <class Error, class Call>
std::string errorOf(Call&& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace TestSupport
