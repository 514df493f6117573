#include "StatementCache.h"

#include <algorithm>

namespace DBKernel {

std::unique_ptr<PreparedStatement> StatementCache::take(const std::string& text) {
    auto found = idle_.find(text);
    if (found == idle_.end()) return nullptr;
    auto statement = std::move(found->second.statement);
    idle_.erase(found);
    return statement;
}

void StatementCache::put(std::unique_ptr<PreparedStatement> statement) {
    std::string key = statement->cacheKey();
    idle_.emplace(std::move(key), Entry{std::move(statement), ++clock_});
    if (idle_.size() <= capacity_) return;
    auto oldest = std::min_element(idle_.begin(), idle_.end(),
                                   [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
    idle_.erase(oldest);
}

std::shared_ptr<const Dialect::Translation> TranslationCache::translate(const std::string& oracleSql) {
    if (auto found = translations_.find(oracleSql); found != translations_.end()) return found->second;
    auto translation = std::make_shared<const Dialect::Translation>(Dialect::translate(oracleSql, engine_));
    if (translations_.size() >= capacity_) translations_.clear();
    translations_.emplace(oracleSql, translation);
    return translation;
}

}  // namespace DBKernel
