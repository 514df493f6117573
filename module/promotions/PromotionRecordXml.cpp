#include "promotions/PromotionRecordXml.h"

namespace Promotion {

namespace {

using Writer = Kolvenia::PromotionXmlWriter;

template <class T>
void putOptional(Writer& writer, const char* name, const std::optional<T>& value) {
    if (!value) return;
    if constexpr (std::is_enum_v<T>)
        writer.attribute(name, static_cast<int>(*value));
    else
        writer.attribute(name, *value);
}

void putText(Writer& writer, const char* name, const std::string& value) {
    if (!value.empty()) writer.attribute(name, value);
}

void writeLists(Writer& writer, const Kolvenia::ArticleListPtr& articles, const Kolvenia::GroupListPtr& groups) {
    if (articles)
        for (unsigned article : *articles) {
            writer.startElement("article");
            writer.attribute("id", article);
            writer.endElement();
        }
    if (groups)
        for (const std::string& group : *groups) {
            writer.startElement("group");
            writer.attribute("index", group);
            writer.endElement();
        }
}

}  // namespace

void writeCondition(Writer& writer, const Kolvenia::ExportedPromotionCondition& condition) {
    writer.startElement("condition");
    putOptional(writer, "id", condition.getId());
    writer.attribute("type", static_cast<int>(condition.getConditionType()));
    putText(writer, "name", condition.getName());
    putText(writer, "guid", condition.getGuid());
    putOptional(writer, "productQuantityThreshold", condition.getProductQuantityThreshold());
    putOptional(writer, "productValueThreshold", condition.getProductValueThreshold());
    putOptional(writer, "receiptValueThreshold", condition.getReceiptValueThreshold());
    putOptional(writer, "receiptValueThresholdOffset", condition.getReceiptValueThresholdOffset());
    putOptional(writer, "paymentRef", condition.getPaymentRef());
    putOptional(writer, "paymentValue", condition.getPaymentValue());
    putOptional(writer, "visitFrequencyPeriod", condition.getVisitFrequencyPeriod());
    putOptional(writer, "visitFrequencyThreshold", condition.getVisitFrequencyThreshold());
    putOptional(writer, "visitFrequencyThresholdOffset", condition.getVisitFrequencyThresholdOffset());
    putText(writer, "acceptancePattern", condition.getCardOrTicketNumberAcceptanceRegExp());
    writeLists(writer, condition.getArticles(), condition.getGroups());
    writer.endElement();
}

void writeProfit(Writer& writer, const Kolvenia::ExportedPromotionProfit& profit) {
    writer.startElement("profit");
    putOptional(writer, "id", profit.getId());
    writer.attribute("type", static_cast<int>(profit.getProfitType()));
    writer.attribute("accomplishmentType", static_cast<int>(profit.getAccomplishmentType()));
    writer.attribute("discountType", static_cast<int>(profit.getDiscountType()));
    putOptional(writer, "discountValue", profit.getDiscountValue());
    putOptional(writer, "percentageDiscount", profit.getPercentageDiscount());
    putOptional(writer, "articleRef", profit.getArticleRef());
    putOptional(writer, "articleQuantity", profit.getArticleQuantity());
    putOptional(writer, "articleSellPrice", profit.getArticleSellPrice());
    putOptional(writer, "groupIndex", profit.getGroupIndex());
    putOptional(writer, "giftRef", profit.getGiftRef());
    putOptional(writer, "giftQuantity", profit.getGiftQuantity());
    putOptional(writer, "handlingMode", profit.getHandlingMode());
    putText(writer, "ticketTag", profit.getTicketTag());
    putOptional(writer, "ticketActivationAfterDays", profit.getTicketActivationAfterDays());
    putOptional(writer, "ticketExpiresAfterDays", profit.getTicketExpiresAfterDays());
    writeLists(writer, profit.getArticles(), profit.getGroups());
    writer.endElement();
}

void writeParameters(Writer& writer, const PromotionHeader& header) {
    writer.startElement("parameters");
    putOptional(writer, "priority", header.priority);
    writer.endElement();
}

}  // namespace Promotion
