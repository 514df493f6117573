#include "frame/strategies/UrzCollectionModStrategies.h"

void CFromSetUrzCollectionModStrategy::modify(TUrzadzenieCollection& collection) const {
    collection.retainIf([this](const TUrzadzenie& device) { return deviceRefs_.contains(device.lUrzadzenieRef); });
}

void CNotIntegratedUrzCollectionModStrategy::modify(TUrzadzenieCollection&) const {}

void CNullUrzCollectionModStrategy::modify(TUrzadzenieCollection&) const {}
