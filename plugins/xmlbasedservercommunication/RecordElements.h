// The XML element of each record kind, written into a transfer file's root element.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "XmlStreamWriter.h"
#include "cashregister/Bundles.h"
#include "cashregister/vouchers/BlockedVoucher.h"
#include "composition/ProductSet.h"
#include "external/ExportedPlu.h"
#include "tools/PluConfig.h"

namespace XmlBasedServerCommunication {

void appendPlu(XmlStreamWriter& xml, const Kolvenia::ExportedPlu& plu);
void appendProductSet(XmlStreamWriter& xml, const Composition::ProductSet& productSet);
void appendBundle(XmlStreamWriter& xml, std::optional<std::uint32_t> id, std::span<const Kolvenia::BundleItem> items);
void appendBlockedVoucher(XmlStreamWriter& xml, const Kolvenia::BlockedVoucher& voucher);
void appendPluConfig(XmlStreamWriter& xml, const Plu::PluConfig& config);
// The configuration of the cash register with the device number: its name and the
// parameters stored for it in the shop database (none for a number no register has).
void appendCashRegisterConfiguration(XmlStreamWriter& xml, int deviceNumber);
void appendDailyTurnoverCommand(XmlStreamWriter& xml, const std::vector<int>& days);

}  // namespace XmlBasedServerCommunication
