// Product activity statuses (table ProductActivityStatus): where a product is in its
// life in the shop, and whether that status blocks its sale.
#pragma once

#include <map>
#include <string>

#include "db/SessionHolder.h"

namespace Core {

class ProductActivityStatus {
public:
    ProductActivityStatus(int id, std::string name, bool saleBlocked)
        : id_(id), name_(std::move(name)), saleBlocked_(saleBlocked) {}

    int getId() const { return id_; }
    const std::string& getName() const { return name_; }
    bool isSaleBlocked() const { return saleBlocked_; }

private:
    int id_;
    std::string name_;
    bool saleBlocked_;
};

// The whole dictionary, read once at construction; callers ask per product.
class ProductActivityStatuses {
public:
    explicit ProductActivityStatuses(TSessionHolder session = TSessionHolder(true));

    // Raises Core::PlacedRuntimeError "Nieznany status aktywności towaru: %1%." for an
    // id the dictionary does not hold.
    const ProductActivityStatus& findStatus(int id) const;

private:
    std::map<int, ProductActivityStatus> statuses_;
};

}  // namespace Core
