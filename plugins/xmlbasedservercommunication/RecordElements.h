// The XML element of each record kind, appended to a transfer file's root element.
#pragma once

#include <pugixml.hpp>
#include <vector>

#include "cashregister/Bundles.h"
#include "cashregister/vouchers/BlockedVoucher.h"
#include "composition/ProductSet.h"
#include "external/ExportedPlu.h"
#include "tools/PluConfig.h"

namespace XmlBasedServerCommunication {

void appendPlu(pugi::xml_node parent, const Kolvenia::ExportedPlu& plu);
void appendProductSet(pugi::xml_node parent, const Composition::ProductSet& productSet);
void appendBundle(pugi::xml_node parent, const Kolvenia::BundleWithElements& bundle);
void appendBlockedVoucher(pugi::xml_node parent, const Kolvenia::BlockedVoucher& voucher);
void appendPluConfig(pugi::xml_node parent, const Plu::PluConfig& config);
// The configuration of the cash register with the device number: its name and the
// parameters stored for it in the shop database (none for a number no register has).
void appendCashRegisterConfiguration(pugi::xml_node parent, int deviceNumber);
void appendDailyTurnoverCommand(pugi::xml_node parent, const std::vector<int>& days);

}  // namespace XmlBasedServerCommunication
