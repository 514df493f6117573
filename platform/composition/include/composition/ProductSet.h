// A product set of the host's composition library: a named group of products that
// the shop composes (table ProductSet, members in ProductProductSetLink).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Composition {

struct ProductSet {
    std::uint32_t id = 0;
    std::string name;
    // References of the member products (lTowarRef), in the order the reader found them.
    std::vector<std::uint32_t> productIds;

    friend bool operator==(const ProductSet&, const ProductSet&) = default;
};

}  // namespace Composition
