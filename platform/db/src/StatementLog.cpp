#include "db/StatementLog.h"

#include "StatementRecording.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace DBKernel {

namespace {

std::atomic<bool> logEnabled{false};
std::mutex logMutex;
std::vector<std::shared_ptr<const std::string>> logEntries;

}  // namespace

void StatementLog::setEnabled(bool enabled) { logEnabled.store(enabled, std::memory_order_relaxed); }

bool StatementLog::enabled() { return logEnabled.load(std::memory_order_relaxed); }

std::vector<std::string> StatementLog::entries() {
    std::lock_guard lock(logMutex);
    std::vector<std::string> texts;
    texts.reserve(logEntries.size());
    for (const auto& entry : logEntries) texts.push_back(*entry);
    return texts;
}

void StatementLog::clear() {
    std::lock_guard lock(logMutex);
    logEntries.clear();
}

void recordStatement(const std::shared_ptr<const std::string>& text) {
    if (!StatementLog::enabled()) return;
    std::lock_guard lock(logMutex);
    logEntries.push_back(text);
}

}  // namespace DBKernel
