// Sends the split bundles (products of type 8 sold as a set and booked on their
// components) with their components to the installed cash registers, through the
// bundle data sender of the cash-register server communication. Only bundles whose
// activity status does not block sale are sent. Each send takes a new data sender
// from the factory, and finishes it even when there is no bundle to send.
#pragma once

#include <memory>
#include <set>

#include "frame/strategies/IUrzCollectionModStrategy.h"

namespace Kolvenia::Kasa {

class CZestawyRozbijaneSender {
public:
    CZestawyRozbijaneSender();
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
