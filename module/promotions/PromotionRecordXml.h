// The XML of an exported condition, profit and of a promotion's parameters, written
// through the cash-register communication's writer. The translator binds these into
// the records it makes, so the records serialize themselves wherever they travel.
#pragma once

#include "external/ExportedPromotion.h"
#include "promotion/Promotion.h"

namespace Promotion {

// <condition id type ...>: every field that holds a value, then its articles and groups.
void writeCondition(Kolvenia::PromotionXmlWriter& writer, const Kolvenia::ExportedPromotionCondition& condition);
// <profit id type ...>, the same way.
void writeProfit(Kolvenia::PromotionXmlWriter& writer, const Kolvenia::ExportedPromotionProfit& profit);
// <parameters>: what the promotion's header holds beyond the record's own fields.
void writeParameters(Kolvenia::PromotionXmlWriter& writer, const PromotionHeader& header);

}  // namespace Promotion
