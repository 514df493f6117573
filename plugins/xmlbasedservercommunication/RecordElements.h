// The XML element of each record kind, appended to a transfer file's root element.
#pragma once

#include <pugixml.hpp>

#include "cashregister/Bundles.h"
#include "composition/ProductSet.h"
#include "external/ExportedPlu.h"

namespace XmlBasedServerCommunication {

void appendPlu(pugi::xml_node parent, const Kolvenia::ExportedPlu& plu);
void appendProductSet(pugi::xml_node parent, const Composition::ProductSet& productSet);
void appendBundle(pugi::xml_node parent, const Kolvenia::BundleWithElements& bundle);

}  // namespace XmlBasedServerCommunication
