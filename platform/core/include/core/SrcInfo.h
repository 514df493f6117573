// Source place carried by every registration, log line and placed error.
#pragma once

#include <cstdint>
#include <string>

namespace Core {

struct SrcInfo {
    std::uint32_t line = 0;
    const char* file = "";
    const char* function = "";
    int reserved = 0;  // always 0; kept for the host's layout

    // "file:line function", the form used in logs and diagnostics.
    std::string toString() const;
};

}  // namespace Core

// The place of the current line, naming the function as callers expect to see it in logs.
#define CORE_SRC_INFO(functionName) (::Core::SrcInfo{static_cast<std::uint32_t>(__LINE__), __FILE__, functionName, 0})
