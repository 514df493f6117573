#include "devicedefs/Urzadzenie.h"

std::string TUrzadzenie::className() const { return "TUrzadzenie"; }

bool TUrzadzenie::castableTo(const std::string& name) const {
    return name == "TUrzadzenie" || Core::TDBObject::castableTo(name);
}
