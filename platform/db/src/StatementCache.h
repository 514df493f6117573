// Idle prepared statements of one session, by text, so that a text run again (a query
// made per row, a PreparedQuery made per call) is not parsed again. Bounded: beyond the
// capacity the least recently used statement is finalised.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "PreparedStatement.h"

namespace DBKernel {

class StatementCache {
public:
    explicit StatementCache(std::size_t capacity) : capacity_(capacity) {}

    // An idle statement for the text, or null.
    std::unique_ptr<PreparedStatement> take(const std::string& text);
    void put(std::unique_ptr<PreparedStatement> statement);
    void clear() { idle_.clear(); }
    std::size_t size() const noexcept { return idle_.size(); }

private:
    struct Entry {
        std::unique_ptr<PreparedStatement> statement;
        std::uint64_t lastUse;
    };
    std::unordered_multimap<std::string, Entry> idle_;
    std::uint64_t clock_ = 0;
    std::size_t capacity_;
};

// Translations by Oracle text; bounded by dropping everything when full (texts with
// literal values would otherwise grow it without end).
class TranslationCache {
public:
    TranslationCache(Dialect::Engine engine, std::size_t capacity) : engine_(engine), capacity_(capacity) {}
    std::shared_ptr<const Dialect::Translation> translate(const std::string& oracleSql);

private:
    Dialect::Engine engine_;
    std::size_t capacity_;
    std::unordered_map<std::string, std::shared_ptr<const Dialect::Translation>> translations_;
};

}  // namespace DBKernel
