// The module's strategies for narrowing a device collection.
#pragma once

#include <set>

#include "frame/strategies/IUrzCollectionModStrategy.h"

// Keeps the devices whose lUrzadzenieRef is in the set, e.g. the cash registers the
// operator ticked in the selection dialog.
class CFromSetUrzCollectionModStrategy : public IUrzCollectionModStrategy {
public:
    explicit CFromSetUrzCollectionModStrategy(std::set<int> deviceRefs) : deviceRefs_(std::move(deviceRefs)) {}
    void modify(TUrzadzenieCollection& collection) const override;

private:
    std::set<int> deviceRefs_;
};

// Applied after the operator's choice in sends to cash registers. It deliberately
// removes nothing: integrated registers are never offered for choice, and the sends
// that must skip them test their "bKasaZintegrowana" parameter themselves.
class CNotIntegratedUrzCollectionModStrategy : public IUrzCollectionModStrategy {
public:
    void modify(TUrzadzenieCollection& collection) const override;
};

// Leaves the collection as it is: the strategy for sends to every device.
class CNullUrzCollectionModStrategy : public IUrzCollectionModStrategy {
public:
    void modify(TUrzadzenieCollection& collection) const override;
};
