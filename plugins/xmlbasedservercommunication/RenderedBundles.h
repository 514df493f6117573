// The bundles a bundle sender holds, and their elements as last written. The PLU
// transmission writes the same complete list of bundles at every package end: the
// factory keeps one RenderedBundles for all its senders, so that the elements are
// rendered again only when the list changes.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "XmlStreamWriter.h"
#include "cashregister/Bundles.h"

namespace XmlBasedServerCommunication {

// Bundles as values, their items in one array rather than one collection each.
class BundleList {
public:
    // Copies the bundle; a missing item is left out.
    void add(const Kolvenia::BundleWithElements& bundle);
    bool empty() const { return bundles_.empty(); }
    void clear();
    // The bundle elements, in the order added.
    void write(XmlStreamWriter& xml) const;
    // Equal bit for bit, so that both are written alike (0 and -0 are not).
    bool sameAs(const BundleList& other) const;

private:
    struct Bundle {
        std::optional<std::uint32_t> id;
        std::size_t firstItem, endItem;  // its items are items_[firstItem, endItem)
        friend bool operator==(const Bundle&, const Bundle&) = default;
    };

    std::vector<Bundle> bundles_;
    std::vector<Kolvenia::BundleItem> items_;
};

// Safe to share between threads.
class RenderedBundles {
public:
    // Writes the elements of the bundles into the element open in `xml`.
    void write(XmlStreamWriter& xml, const BundleList& bundles);

private:
    std::mutex mutex_;
    BundleList bundles_;
    std::string elements_;  // of bundles_, rendered for an element levels_ deep
    std::size_t levels_ = 0;
};

}  // namespace XmlBasedServerCommunication
