// An indexed collection of devices that owns them. The collection functions hand out a
// new one per call; strategies narrow it in place.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "devicedefs/Urzadzenie.h"

class TUrzadzenieCollection {
public:
    std::size_t size() const { return devices_.size(); }
    bool empty() const { return devices_.empty(); }

    // The device at a position in collection order; std::out_of_range past the end.
    TUrzadzenie* operator[](std::size_t index) const { return devices_.at(index).get(); }

    void add(std::unique_ptr<TUrzadzenie> device) { devices_.push_back(std::move(device)); }

    // Drops (and destroys) every device for which keep is false; the rest keep their order.
    void retainIf(const std::function<bool(const TUrzadzenie&)>& keep);

private:
    std::vector<std::unique_ptr<TUrzadzenie>> devices_;
};

using TUrzadzenieCollectionPtr = std::shared_ptr<TUrzadzenieCollection>;
