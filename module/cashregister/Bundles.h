// Module public face: plugins and other modules include this header; change it compatibly.
// Split bundles as they leave the module for the cash registers: a bundle product and
// the components its sale is booked on. Exported, header-only value classes: the
// cash-register transmission modules read them without linking to the module.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Kolvenia {

// One component of a bundle.
class BundleItem {
public:
    std::optional<std::uint32_t> getId() const { return id_; }  // the component's product reference
    void setId(std::optional<std::uint32_t> id) { id_ = id; }
    double getSellPrice() const { return sellPrice_; }  // the component's sale price within the bundle
    void setSellPrice(double sellPrice) { sellPrice_ = sellPrice; }
    double getQuantity() const { return quantity_; }  // the component's quantity in one bundle
    void setQuantity(double quantity) { quantity_ = quantity; }

    void cloneFields(const BundleItem& other) { *this = other; }
    friend bool operator==(const BundleItem&, const BundleItem&) = default;

private:
    std::optional<std::uint32_t> id_;
    double sellPrice_ = 0.0;
    double quantity_ = 0.0;
};

using BundleItemPtr = std::shared_ptr<BundleItem>;

// The components of one bundle, in the order they were added.
class BundleItemCollection {
public:
    void add(BundleItemPtr item) { items_.push_back(std::move(item)); }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Equal when the items are equal one by one, whoever holds them.
    friend bool operator==(const BundleItemCollection& a, const BundleItemCollection& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const BundleItemPtr& x, const BundleItemPtr& y) {
            return x == y || (x && y && *x == *y);
        });
    }

private:
    std::vector<BundleItemPtr> items_;
};

using BundleItemCollectionPtr = std::shared_ptr<BundleItemCollection>;

// A bundle product with its components. Starts with an empty collection.
class BundleWithElements {
public:
    std::optional<std::uint32_t> getId() const { return id_; }  // the bundle's product reference
    void setId(std::optional<std::uint32_t> id) { id_ = id; }
    BundleItemCollectionPtr getItems() const { return items_; }
    void setItems(BundleItemCollectionPtr items) { items_ = std::move(items); }

    // Unlike copy assignment, which shares the collection, gives this bundle its own
    // copies of the other's items, so that changing one leaves the other as it was.
    void cloneFields(const BundleWithElements& other) {
        id_ = other.id_;
        if (!other.items_) {
            items_.reset();
            return;
        }
        items_ = std::make_shared<BundleItemCollection>();
        for (const BundleItemPtr& item : *other.items_)
            items_->add(item ? std::make_shared<BundleItem>(*item) : nullptr);
    }

    // Compares the items, not the pointers to their collection.
    friend bool operator==(const BundleWithElements& a, const BundleWithElements& b) {
        return a.id_ == b.id_ && (a.items_ == b.items_ || (a.items_ && b.items_ && *a.items_ == *b.items_));
    }

private:
    std::optional<std::uint32_t> id_;
    BundleItemCollectionPtr items_ = std::make_shared<BundleItemCollection>();
};

}  // namespace Kolvenia
