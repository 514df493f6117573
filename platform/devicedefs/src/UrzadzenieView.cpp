#include "devicedefs/UrzadzenieView.h"

#include <boost/format.hpp>

std::string TUrzadzenieView::kindName() const {
    switch (device_.nNrTypuUrz) {
    case tuKasa: return "Kasa";
    case tuWaga: return "Waga";
    case tuSkaner: return "Skaner";
    default: return "Urządzenie";
    }
}

std::string TUrzadzenieView::displayName() const {
    if (device_.nNrTypuUrz == tuWaga)
        return (boost::format("Waga nr %1% w sekcji %2%") % device_.nNrKolvenia % device_.nNrSekcji).str();
    return (boost::format("%1% nr %2%") % kindName() % device_.nNrKolvenia).str();
}
