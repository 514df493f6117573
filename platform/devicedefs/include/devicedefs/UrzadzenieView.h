// How a device is named to the operator: "Kasa nr 3", "Waga nr 2 w sekcji 1".
#pragma once

#include <string>

#include "devicedefs/Urzadzenie.h"

class TUrzadzenieView {
public:
    explicit TUrzadzenieView(const TUrzadzenie& device) : device_(device) {}

    // The kind of device as a noun: "Kasa", "Waga", "Skaner", otherwise "Urządzenie".
    std::string kindName() const;
    // The kind and the number; a scale also names its section, since scale numbers
    // repeat from one section to the next.
    std::string displayName() const;

private:
    const TUrzadzenie& device_;
};
