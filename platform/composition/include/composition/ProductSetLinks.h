// Which product sets each product belongs to, read once (table ProductProductSetLink,
// live links only) for a whole package of PLU records.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "db/SessionHolder.h"

namespace Composition {

class ProductSetLinks {
public:
    explicit ProductSetLinks(TSessionHolder session);

    // Ascending set ids; empty for a product in no set.
    const std::vector<std::uint32_t>& productSetIds(std::int64_t productId) const;
    // The same ids joined by single spaces ("3 7 12"), as a PLU record carries them.
    std::string compositionLinks(std::int64_t productId) const;

private:
    std::map<std::int64_t, std::vector<std::uint32_t>> setsByProduct_;
};

}  // namespace Composition
