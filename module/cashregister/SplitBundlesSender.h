// Sends the split bundles (products of type 8 sold as a set and booked on their
// components) with their components to the installed cash registers, through the
// bundle data sender of the cash-register server communication. Only bundles whose
// activity status does not block sale are sent. Each send takes a new data sender
// from the factory, and finishes it even when there is no bundle to send.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "cashregister/Bundles.h"
#include "frame/strategies/IUrzCollectionModStrategy.h"

namespace Kolvenia::Kasa {

// The split bundles, read and assembled by the first send that is given this object and
// handed again by the later ones. The PLU transmission sends the same bundles at the
// end of every package and writes nothing they depend on, so one read serves the run.
class SplitBundlesReadOnce {
public:
    const std::vector<BundleWithElements>& bundles();

private:
    std::optional<std::vector<BundleWithElements>> bundles_;
};

class CZestawyRozbijaneSender {
public:
    // Reads the bundles at each send.
    CZestawyRozbijaneSender();
    // Takes the bundles from `readOnce`, which must outlive the sender.
    explicit CZestawyRozbijaneSender(SplitBundlesReadOnce& readOnce);
    ~CZestawyRozbijaneSender();

    // Every split bundle, as the complete list, to the installed cash registers that
    // the strategy keeps.
    void send(const IUrzCollectionModStrategy& strategy);
    // Only the bundles whose product reference is in the set; the registers keep the
    // bundles not sent.
    void send(const IUrzCollectionModStrategy& strategy, const std::set<unsigned>& bundleRefs);

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace Kolvenia::Kasa
