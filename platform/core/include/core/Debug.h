// Debug log. Off unless KORVEL_DEBUG_LOG names a file (or a test calls setLogFile);
// callers test loggingEnabled() before building a line.
#pragma once

#include <string>

#include "core/SrcInfo.h"

namespace Core::Debug {

bool loggingEnabled();
void logLine(const std::string& text, const SrcInfo& place);
void logException(const SrcInfo& place, const std::string& text);
void logDllEntryPoint(void* instance, unsigned long reason, const SrcInfo& place);

// Redirects the log to a file ("" switches it off). Used by the host program and tests.
void setLogFile(const std::string& path);

}  // namespace Core::Debug
