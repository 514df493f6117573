#include "promotions/SendPromotionTranslator.h"

#include "core/Errors.h"
#include "core/I18n.h"
#include "external/WideText.h"
#include "promotions/PromotionRecordXml.h"

namespace Promotion {

namespace {

using Kolvenia::ExportedPromotionCondition;
using Kolvenia::ExportedPromotionProfit;
using DiscountType = ExportedPromotionProfit::DiscountType;

// The rebate types a kind knows run from 1 to its highest.
DiscountType rebateTypeOf(const ElementValues& values, int highest) {
    const int type = values.rebateType.value_or(0);
    if (type < DiscountType::Value || type > highest)
        // Host contract: the text of a rebate type the kind does not know.
        throw Core::PlacedRuntimeError(Core::I18n::translate("Błędny typ rabatu."),
                                       CORE_SRC_INFO("SendPromotionTranslator::rebateTypeOf"));
    return static_cast<DiscountType>(type);
}

Kolvenia::ArticleListPtr articlesOf(const ElementValues& values) {
    return std::make_shared<Kolvenia::ArticleList>(values.articles);
}

Kolvenia::GroupListPtr groupsOf(const ElementValues& values) {
    return std::make_shared<Kolvenia::GroupList>(values.groups);
}

void setTicket(ExportedPromotionProfit& profit, const ElementValues& values) {
    profit.setTicketActivationAfterDays(values.ticketActivationAfterDays);
    profit.setTicketExpiresAfterDays(values.ticketExpiresAfterDays);
    profit.setTicketTag(values.ticketTag);
}

}  // namespace

Kolvenia::ExportedPromotionPtr SendPromotionTranslator::translate(const Promotion& promotion) {
    const PromotionHeader& header = promotion.header();
    record_ = std::make_shared<Kolvenia::ExportedPromotion>();
    record_->setId(static_cast<unsigned>(promotion.getId()));
    record_->setName(header.name);
    record_->setBeginDate(header.saleDateFrom);
    record_->setEndDate(header.saleDateTo);
    record_->setBeginTimeFromMidnightInSeconds(header.startTime);
    record_->setEndTimeFromMidnightInSeconds(header.endTime);
    record_->setRepeatability(header.multiple);
    record_->setExternalGuid(header.guid);
    record_->setExternalId(header.number);
    record_->setStatus(header.cancelled ? Kolvenia::ExportedPromotion::Status::Cancelled
                                        : Kolvenia::ExportedPromotion::Status::Active);
    record_->setCommunique(header.cashierMessage);
    record_->setSimple(isSimplePromotion(promotion));
    record_->setWelcome(isWelcomePromotion(promotion));
    record_->setSerializeParametersFunction(
        [header](Kolvenia::PromotionXmlWriter& writer) { writeParameters(writer, header); });
    record_->setActivatorsXml(Kolvenia::wideFromUtf8(header.activatorsXml));
    record_->setTagsXml(Kolvenia::wideFromUtf8(header.tagsXml));
    for (const PromotionElementPtr& element : promotion.elements()) element->accept(*this);
    return std::move(record_);
}

ExportedPromotionCondition SendPromotionTranslator::conditionOf(const PromotionElement& element, ConditionType type) {
    ExportedPromotionCondition condition;
    condition.setId(static_cast<unsigned>(element.getId()));
    condition.setConditionType(type);
    return condition;
}

ExportedPromotionProfit SendPromotionTranslator::profitOf(const PromotionElement& element, ProfitType type) {
    ExportedPromotionProfit profit;
    profit.setId(static_cast<unsigned>(element.getId()));
    profit.setProfitType(type);
    return profit;
}

// The serialize function holds a copy of the finished record's fields.
void SendPromotionTranslator::addCondition(ExportedPromotionCondition condition) {
    auto added = std::make_shared<ExportedPromotionCondition>(condition);
    added->setXmlSerializeFunction(
        [condition](Kolvenia::PromotionXmlWriter& writer) { writeCondition(writer, condition); });
    record_->getConditions()->add(std::move(added));
}

void SendPromotionTranslator::addProfit(ExportedPromotionProfit profit) {
    auto added = std::make_shared<ExportedPromotionProfit>(profit);
    added->setXmlSerializeFunction([profit](Kolvenia::PromotionXmlWriter& writer) { writeProfit(writer, profit); });
    record_->getProfits()->add(std::move(added));
}

void SendPromotionTranslator::addQuantityValueCondition(const PromotionElement& element, ConditionType type,
                                                        bool articles, bool groups) {
    const ElementValues& values = element.values();
    ExportedPromotionCondition condition = conditionOf(element, type);
    condition.setProductQuantityThreshold(values.quantityThreshold);
    condition.setProductValueThreshold(values.valueThreshold);
    if (articles) condition.setArticles(articlesOf(values));
    if (groups) condition.setGroups(groupsOf(values));
    addCondition(std::move(condition));
}

void SendPromotionTranslator::addIdentityCondition(const PromotionElement& element, ConditionType type) {
    addCondition(conditionOf(element, type));
}

void SendPromotionTranslator::addIdentityProfit(const PromotionElement& element, ProfitType type) {
    addProfit(profitOf(element, type));
}

void SendPromotionTranslator::visit(const ArticlesQuantityValueCondition& element) {
    addQuantityValueCondition(element, ExportedPromotionCondition::ArticlesQuantityValue, true, false);
}

void SendPromotionTranslator::visit(const GroupsQuantityValueCondition& element) {
    addQuantityValueCondition(element, ExportedPromotionCondition::GroupsQuantityValue, false, true);
}

void SendPromotionTranslator::visit(const GroupsAndArticlesQuantityValueCondition& element) {
    addQuantityValueCondition(element, ExportedPromotionCondition::GroupsAndArticlesQuantityValue, true, true);
}

void SendPromotionTranslator::visit(const EachGroupQuantityValueCondition& element) {
    addQuantityValueCondition(element, ExportedPromotionCondition::EachGroupQuantityValue, false, true);
}

void SendPromotionTranslator::visit(const PaymentTypeCondition& element) {
    ExportedPromotionCondition condition = conditionOf(element, ExportedPromotionCondition::PaymentType);
    condition.setPaymentRef(element.values().paymentRef);
    condition.setPaymentValue(element.values().valueThreshold);
    condition.setCardOrTicketNumberAcceptanceRegExp(element.values().pattern);
    addCondition(std::move(condition));
}

void SendPromotionTranslator::visit(const LoyaltyCardCondition& element) {
    ExportedPromotionCondition condition = conditionOf(element, ExportedPromotionCondition::LoyaltyCard);
    condition.setCardOrTicketNumberAcceptanceRegExp(element.values().pattern);
    addCondition(std::move(condition));
}

void SendPromotionTranslator::visit(const TokenCondition& element) {
    ExportedPromotionCondition condition = conditionOf(element, ExportedPromotionCondition::Token);
    condition.setCardOrTicketNumberAcceptanceRegExp(element.values().pattern);
    addCondition(std::move(condition));
}

void SendPromotionTranslator::visit(const BasketValueCondition& element) {
    ExportedPromotionCondition condition = conditionOf(element, ExportedPromotionCondition::BasketValue);
    condition.setReceiptValueThreshold(element.values().valueThreshold);
    condition.setReceiptValueThresholdOffset(element.values().valueThresholdOffset);
    addCondition(std::move(condition));
}

void SendPromotionTranslator::visit(const FrequencyCondition& element) {
    ExportedPromotionCondition condition = conditionOf(element, ExportedPromotionCondition::Frequency);
    condition.setVisitFrequencyThresholdOffset(element.values().frequencyThresholdOffset);
    condition.setVisitFrequencyThreshold(element.values().frequencyThreshold);
    condition.setVisitFrequencyPeriod(element.values().frequencyPeriod);
    addCondition(std::move(condition));
}

void SendPromotionTranslator::visit(const ProfiledCondition& element) {
    ExportedPromotionCondition condition = conditionOf(element, ExportedPromotionCondition::Profiled);
    condition.setName(element.values().name);
    condition.setGuid(element.values().guid);
    addCondition(std::move(condition));
}

void SendPromotionTranslator::visit(const CustomerBirthdayCondition& element) {
    addIdentityCondition(element, ExportedPromotionCondition::CustomerBirthday);
}

void SendPromotionTranslator::visit(const FirstPurchaseCondition& element) {
    addIdentityCondition(element, ExportedPromotionCondition::FirstPurchase);
}

void SendPromotionTranslator::visit(const MobileApplicationCondition& element) {
    addIdentityCondition(element, ExportedPromotionCondition::MobileApplication);
}

void SendPromotionTranslator::visit(const BoughtProductRebateBenefit& element) {
    const ElementValues& values = element.values();
    ExportedPromotionProfit profit = profitOf(element, ExportedPromotionProfit::BoughtProductRebate);
    const DiscountType type = rebateTypeOf(values, DiscountType::FixedPrice);
    profit.setDiscountType(type);
    profit.setAccomplishmentType(values.accomplishment);
    if (type == DiscountType::Value || type == DiscountType::FixedPrice)
        profit.setDiscountValue(values.rebateValue);
    else
        profit.setPercentageDiscount(values.rebatePercent);
    if (values.productRef) {
        profit.setArticleRef(values.productRef);
    } else {
        profit.setArticles(articlesOf(values));
        profit.setGroups(groupsOf(values));
    }
    setTicket(profit, values);
    addProfit(std::move(profit));
}

void SendPromotionTranslator::visit(const BasketRebateBenefit& element) {
    const ElementValues& values = element.values();
    ExportedPromotionProfit profit = profitOf(element, ExportedPromotionProfit::BasketRebate);
    const DiscountType type = rebateTypeOf(values, DiscountType::PercentageOfCheapest);
    profit.setDiscountType(type);
    if (type == DiscountType::Value)
        profit.setDiscountValue(values.rebateValue);
    else
        profit.setPercentageDiscount(values.rebatePercent);
    profit.setAccomplishmentType(values.accomplishment);
    setTicket(profit, values);
    addProfit(std::move(profit));
}

void SendPromotionTranslator::visit(const GratisBenefit& element) {
    const ElementValues& values = element.values();
    ExportedPromotionProfit profit = profitOf(element, ExportedPromotionProfit::Gratis);
    if (values.productRef)
        profit.setArticleRef(values.productRef);
    else
        profit.setGroupIndex(values.groupIndex);
    profit.setArticleQuantity(values.number);
    profit.setArticleSellPrice(values.premiumPrice);
    profit.setAccomplishmentType(values.accomplishment);
    addProfit(std::move(profit));
}

void SendPromotionTranslator::visit(const PresentBenefit& element) {
    ExportedPromotionProfit profit = profitOf(element, ExportedPromotionProfit::Present);
    profit.setGiftRef(element.values().presentRef);
    profit.setGiftQuantity(element.values().number);
    addProfit(std::move(profit));
}

void SendPromotionTranslator::visit(const FixedPriceForListBenefit& element) {
    const ElementValues& values = element.values();
    ExportedPromotionProfit profit = profitOf(element, ExportedPromotionProfit::FixedPriceForList);
    profit.setArticleSellPrice(values.premiumPrice);
    profit.setArticleQuantity(values.number);
    profit.setAccomplishmentType(values.accomplishment);
    profit.setArticles(articlesOf(values));
    addProfit(std::move(profit));
}

void SendPromotionTranslator::visit(const LoyaltyAccountDiscountForSoldArticleBenefitElement& element) {
    const ElementValues& values = element.values();
    ExportedPromotionProfit profit = profitOf(element, ExportedPromotionProfit::LoyaltyAccountDiscountForSoldArticle);
    profit.setHandlingMode(values.handlingMode);
    profit.setAccomplishmentType(values.accomplishment);
    profit.setDiscountType(rebateTypeOf(values, DiscountType::FixedPrice));
    addProfit(std::move(profit));
}

void SendPromotionTranslator::visit(const LoyaltyPointsBenefit& element) {
    addIdentityProfit(element, ExportedPromotionProfit::LoyaltyPoints);
}

void SendPromotionTranslator::visit(const ReceiptMessageBenefit& element) {
    addIdentityProfit(element, ExportedPromotionProfit::ReceiptMessage);
}

void SendPromotionTranslator::visit(const NextPurchaseVoucherBenefit& element) {
    addIdentityProfit(element, ExportedPromotionProfit::NextPurchaseVoucher);
}

void SendPromotionTranslator::visit(const LotteryTicketBenefit& element) {
    addIdentityProfit(element, ExportedPromotionProfit::LotteryTicket);
}

}  // namespace Promotion
