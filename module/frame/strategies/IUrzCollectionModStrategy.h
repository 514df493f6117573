// A rule that narrows a device collection before data are sent to it. Senders that
// accept one apply it to their collection; callers choose which devices remain.
#pragma once

#include "devicedefs/UrzadzenieCollection.h"

class IUrzCollectionModStrategy {
public:
    virtual ~IUrzCollectionModStrategy() = default;
    virtual void modify(TUrzadzenieCollection& collection) const = 0;
};
