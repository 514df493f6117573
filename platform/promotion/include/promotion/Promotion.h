// The host's promotion library: a promotion (its header) made of elements, each a
// condition a receipt must meet or a profit it then grants. Callers tell the element
// kinds apart with a visitor:
//
//   class Printer : public Promotion::IPromotionElementVisitor { ... };
//   for (const auto& element : promotion.elements()) element->accept(printer);
//
// Elements carry the values of their kind in ElementValues; a kind reads only its own.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "promotion/PromotionTypes.h"

namespace Promotion {

class IPromotionElementVisitor;

// The values a stored element may hold; which ones a kind uses is said at the kind.
struct ElementValues {
    std::optional<double> quantityThreshold;
    std::optional<double> valueThreshold;
    std::optional<double> valueThresholdOffset;
    std::optional<unsigned> paymentRef;
    std::string pattern;  // a card prefix or a card/token number mask
    std::optional<int> frequencyPeriod;
    std::optional<int> frequencyThreshold;
    std::optional<int> frequencyThresholdOffset;
    std::string name;
    std::string guid;
    std::optional<int> rebateType;  // as stored: checked by whoever interprets it
    Accomplishment::Type accomplishment = Accomplishment::Immediately;
    std::optional<double> rebateValue;
    std::optional<double> rebatePercent;
    std::optional<unsigned> productRef;
    std::optional<std::string> groupIndex;
    std::optional<double> number;  // how many: articles given, gifts, points
    std::optional<double> premiumPrice;
    std::optional<unsigned> presentRef;
    std::optional<int> ticketActivationAfterDays;
    std::optional<int> ticketExpiresAfterDays;
    std::string ticketTag;
    std::optional<LoyaltyAccountDiscountForSoldArticleBenefit::GroupDiscountHandlingMode::Type> handlingMode;
    std::vector<unsigned> articles;
    std::vector<std::string> groups;
};

class PromotionElement {
public:
    PromotionElement(std::int64_t id, ElementValues values) : id_(id), values_(std::move(values)) {}
    virtual ~PromotionElement() = default;

    std::int64_t getId() const { return id_; }
    const ElementValues& values() const { return values_; }
    virtual void accept(IPromotionElementVisitor& visitor) const = 0;

private:
    std::int64_t id_;
    ElementValues values_;
};

using PromotionElementPtr = std::shared_ptr<const PromotionElement>;

// Each kind answers the visitor with itself.
template <class Kind>
class VisitableElement : public PromotionElement {
public:
    using PromotionElement::PromotionElement;
    void accept(IPromotionElementVisitor& visitor) const override;
};

#define KORVEL_PROMOTION_ELEMENT(Kind)                  \
    class Kind : public VisitableElement<Kind> {        \
    public:                                             \
        using VisitableElement<Kind>::VisitableElement; \
    };

// Conditions. Quantity and value kinds: quantityThreshold, valueThreshold and the
// articles and/or groups of their name.
KORVEL_PROMOTION_ELEMENT(ArticlesQuantityValueCondition)
KORVEL_PROMOTION_ELEMENT(GroupsQuantityValueCondition)
KORVEL_PROMOTION_ELEMENT(GroupsAndArticlesQuantityValueCondition)
// Every group of the list must reach the thresholds on its own.
KORVEL_PROMOTION_ELEMENT(EachGroupQuantityValueCondition)
// paymentRef, valueThreshold (paid with it at least), pattern (card number prefix).
KORVEL_PROMOTION_ELEMENT(PaymentTypeCondition)
// pattern (number mask) of a loyalty card or of a token.
KORVEL_PROMOTION_ELEMENT(LoyaltyCardCondition)
KORVEL_PROMOTION_ELEMENT(TokenCondition)
// valueThreshold, valueThresholdOffset (receipt value).
KORVEL_PROMOTION_ELEMENT(BasketValueCondition)
// frequencyThresholdOffset, frequencyThreshold, frequencyPeriod (visits in days).
KORVEL_PROMOTION_ELEMENT(FrequencyCondition)
// name, guid of the customer profile.
KORVEL_PROMOTION_ELEMENT(ProfiledCondition)
KORVEL_PROMOTION_ELEMENT(CustomerBirthdayCondition)
KORVEL_PROMOTION_ELEMENT(FirstPurchaseCondition)
KORVEL_PROMOTION_ELEMENT(MobileApplicationCondition)

// Profits. Rebates: rebateType, accomplishment, rebateValue or rebatePercent, ticket
// fields when paid as a voucher; the bought-product one names productRef or its
// articles and groups.
KORVEL_PROMOTION_ELEMENT(BoughtProductRebateBenefit)
KORVEL_PROMOTION_ELEMENT(BasketRebateBenefit)
// productRef or groupIndex, number, premiumPrice, accomplishment.
KORVEL_PROMOTION_ELEMENT(GratisBenefit)
// presentRef (a row of prezent), number.
KORVEL_PROMOTION_ELEMENT(PresentBenefit)
// premiumPrice, number, accomplishment, articles.
KORVEL_PROMOTION_ELEMENT(FixedPriceForListBenefit)
// handlingMode, accomplishment, rebateType.
KORVEL_PROMOTION_ELEMENT(LoyaltyAccountDiscountForSoldArticleBenefitElement)
KORVEL_PROMOTION_ELEMENT(LoyaltyPointsBenefit)
KORVEL_PROMOTION_ELEMENT(ReceiptMessageBenefit)
KORVEL_PROMOTION_ELEMENT(NextPurchaseVoucherBenefit)
KORVEL_PROMOTION_ELEMENT(LotteryTicketBenefit)

#undef KORVEL_PROMOTION_ELEMENT

// Host contract: one visit per element kind.
class IPromotionElementVisitor {
public:
    virtual ~IPromotionElementVisitor() = default;
    virtual void visit(const ArticlesQuantityValueCondition&) = 0;
    virtual void visit(const GroupsQuantityValueCondition&) = 0;
    virtual void visit(const GroupsAndArticlesQuantityValueCondition&) = 0;
    virtual void visit(const EachGroupQuantityValueCondition&) = 0;
    virtual void visit(const PaymentTypeCondition&) = 0;
    virtual void visit(const LoyaltyCardCondition&) = 0;
    virtual void visit(const TokenCondition&) = 0;
    virtual void visit(const BasketValueCondition&) = 0;
    virtual void visit(const FrequencyCondition&) = 0;
    virtual void visit(const ProfiledCondition&) = 0;
    virtual void visit(const CustomerBirthdayCondition&) = 0;
    virtual void visit(const FirstPurchaseCondition&) = 0;
    virtual void visit(const MobileApplicationCondition&) = 0;
    virtual void visit(const BoughtProductRebateBenefit&) = 0;
    virtual void visit(const BasketRebateBenefit&) = 0;
    virtual void visit(const GratisBenefit&) = 0;
    virtual void visit(const PresentBenefit&) = 0;
    virtual void visit(const FixedPriceForListBenefit&) = 0;
    virtual void visit(const LoyaltyAccountDiscountForSoldArticleBenefitElement&) = 0;
    virtual void visit(const LoyaltyPointsBenefit&) = 0;
    virtual void visit(const ReceiptMessageBenefit&) = 0;
    virtual void visit(const NextPurchaseVoucherBenefit&) = 0;
    virtual void visit(const LotteryTicketBenefit&) = 0;
};

template <class Kind>
void VisitableElement<Kind>::accept(IPromotionElementVisitor& visitor) const {
    visitor.visit(static_cast<const Kind&>(*this));
}

// The header of a promotion; its elements are filled in by the promotion access.
struct PromotionHeader {
    std::int64_t id = 0;
    std::string name;
    double saleDateFrom = 0.0;  // day numbers
    double saleDateTo = 0.0;
    int startTime = 0;  // seconds from midnight
    int endTime = 0;
    bool multiple = false;  // may be granted more than once on a receipt
    std::string guid;
    std::string number;
    bool cancelled = false;
    std::string cashierMessage;
    std::string activatorsXml;  // UTF-8
    std::string tagsXml;
    bool simple = false;   // travels with the PLU data of its products
    bool welcome = false;  // for a customer's first visit
    std::optional<int> priority;
    SendStatus sendStatus = SendStatus::New;
};

class Promotion {
public:
    explicit Promotion(PromotionHeader header) : header_(std::move(header)) {}

    const PromotionHeader& header() const { return header_; }
    std::int64_t getId() const { return header_.id; }
    const std::vector<PromotionElementPtr>& elements() const { return elements_; }
    void setElements(std::vector<PromotionElementPtr> elements) { elements_ = std::move(elements); }

private:
    PromotionHeader header_;
    std::vector<PromotionElementPtr> elements_;
};

using PromotionPtr = std::shared_ptr<Promotion>;

// Host contract: whether the promotion is a simple one (its price reaches the
// registers with its products' PLU data, never as a promotion).
bool isSimplePromotion(const Promotion& promotion);
// Host contract: whether the promotion greets a customer's first visit.
bool isWelcomePromotion(const Promotion& promotion);

}  // namespace Promotion
