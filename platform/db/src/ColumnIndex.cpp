#include "ColumnIndex.h"

#include "KernelNames.h"
#include "db/Param.h"

namespace DBKernel {

namespace {

std::uint64_t foldedHash(std::string_view name) noexcept {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + ('a' - 'A'));
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

}  // namespace

void ColumnIndex::assign(std::vector<std::string> names) {
    names_ = std::move(names);
    std::size_t tableSize = 8;
    while (tableSize < names_.size() * 2) tableSize *= 2;
    slots_.assign(tableSize, -1);
    const std::size_t mask = tableSize - 1;
    for (std::size_t column = 0; column < names_.size(); ++column) {
        if (find(names_[column]) >= 0) continue;  // a repeated name keeps its first column
        std::size_t slot = foldedHash(names_[column]) & mask;
        while (slots_[slot] >= 0) slot = (slot + 1) & mask;
        slots_[slot] = static_cast<std::int32_t>(column);
    }
}

int ColumnIndex::find(std::string_view name) const noexcept {
    if (slots_.empty()) return -1;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = foldedHash(name) & mask;; slot = (slot + 1) & mask) {
        const std::int32_t column = slots_[slot];
        if (column < 0) return -1;
        if (Sql::sameName(names_[static_cast<std::size_t>(column)], name)) return column;
    }
}

}  // namespace DBKernel
