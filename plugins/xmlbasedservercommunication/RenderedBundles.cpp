#include "RenderedBundles.h"

#include <algorithm>
#include <bit>
#include <span>

#include "RecordElements.h"

namespace XmlBasedServerCommunication {

namespace {

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool sameItem(const Kolvenia::BundleItem& a, const Kolvenia::BundleItem& b) {
    return a.getId() == b.getId() && sameBits(a.getQuantity(), b.getQuantity()) &&
           sameBits(a.getSellPrice(), b.getSellPrice());
}

}  // namespace

void BundleList::add(const Kolvenia::BundleWithElements& bundle) {
    const std::size_t firstItem = items_.size();
    if (const auto items = bundle.getItems())
        for (const Kolvenia::BundleItemPtr& item : *items)
            if (item) items_.push_back(*item);
    bundles_.push_back({bundle.getId(), firstItem, items_.size()});
}

void BundleList::clear() {
    bundles_.clear();
    items_.clear();
}

void BundleList::write(XmlStreamWriter& xml) const {
    for (const Bundle& bundle : bundles_)
        appendBundle(xml, bundle.id, std::span(items_).subspan(bundle.firstItem, bundle.endItem - bundle.firstItem));
}

bool BundleList::sameAs(const BundleList& other) const {
    return bundles_ == other.bundles_ && std::ranges::equal(items_, other.items_, sameItem);
}

void RenderedBundles::write(XmlStreamWriter& xml, const BundleList& bundles) {
    const std::lock_guard lock(mutex_);
    if (levels_ != xml.depth() || !bundles_.sameAs(bundles)) {
        // Kept only when complete, so that a failure leaves the last pair as it was.
        std::string elements;
        XmlStreamWriter writer(elements, xml.depth());
        bundles.write(writer);
        BundleList copy = bundles;
        elements_.swap(elements);
        bundles_ = std::move(copy);
        levels_ = xml.depth();
    }
    xml.rendered(elements_);
}

}  // namespace XmlBasedServerCommunication
