#include "devicedefs/DBObject.h"

namespace Core {

std::string TDBObject::className() const { return "TDBObject"; }

bool TDBObject::castableTo(const std::string& name) const { return name == "TDBObject"; }

}  // namespace Core
