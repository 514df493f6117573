// The PLU code a package product (a returnable bottle, a crate: Towar.lOpakRef of the
// product sold in it) is rung up under on the cash registers.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "db/Query.h"

namespace Business {

class PackagePluCodes {
public:
    // Prepares the lookup; each package is read on its first lookup and remembered,
    // since many products share a few packages.
    explicit PackagePluCodes(TSessionHolder session = TSessionHolder(true));

    // The package's oldest code that is new or ordinary and not blocked (one the
    // registers can sell); empty when it has none.
    const std::optional<std::string>& find(std::int64_t packageProductId);

private:
    DBKernel::Sql::PreparedQuery codes_;
    std::map<std::int64_t, std::optional<std::string>> byPackage_;
};

}  // namespace Business
