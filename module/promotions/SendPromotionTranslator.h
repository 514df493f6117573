// Turns one promotion of the promotion library into the exported promotion record:
// the header first, then one condition or profit record per element, in the
// elements' order, each carrying its bound XML serialize function.
//
//   Kolvenia::ExportedPromotionPtr record = Promotion::SendPromotionTranslator().translate(promotion);
#pragma once

#include "external/ExportedPromotion.h"
#include "promotion/Promotion.h"

namespace Promotion {

// Host contract: the translator class.
class SendPromotionTranslator : public IPromotionElementVisitor {
public:
    // Raises "Błędny typ rabatu." when a rebate carries a type its kind does not know;
    // the promotion's elements must have been filled in.
    Kolvenia::ExportedPromotionPtr translate(const Promotion& promotion);

    void visit(const ArticlesQuantityValueCondition& element) override;
    void visit(const GroupsQuantityValueCondition& element) override;
    void visit(const GroupsAndArticlesQuantityValueCondition& element) override;
    void visit(const EachGroupQuantityValueCondition& element) override;
    void visit(const PaymentTypeCondition& element) override;
    void visit(const LoyaltyCardCondition& element) override;
    void visit(const TokenCondition& element) override;
    void visit(const BasketValueCondition& element) override;
    void visit(const FrequencyCondition& element) override;
    void visit(const ProfiledCondition& element) override;
    void visit(const CustomerBirthdayCondition& element) override;
    void visit(const FirstPurchaseCondition& element) override;
    void visit(const MobileApplicationCondition& element) override;
    void visit(const BoughtProductRebateBenefit& element) override;
    void visit(const BasketRebateBenefit& element) override;
    void visit(const GratisBenefit& element) override;
    void visit(const PresentBenefit& element) override;
    void visit(const FixedPriceForListBenefit& element) override;
    void visit(const LoyaltyAccountDiscountForSoldArticleBenefitElement& element) override;
    void visit(const LoyaltyPointsBenefit& element) override;
    void visit(const ReceiptMessageBenefit& element) override;
    void visit(const NextPurchaseVoucherBenefit& element) override;
    void visit(const LotteryTicketBenefit& element) override;

private:
    using ConditionType = Kolvenia::ExportedPromotionCondition::Type;
    using ProfitType = Kolvenia::ExportedPromotionProfit::Type;

    static Kolvenia::ExportedPromotionCondition conditionOf(const PromotionElement& element, ConditionType type);
    static Kolvenia::ExportedPromotionProfit profitOf(const PromotionElement& element, ProfitType type);
    void addCondition(Kolvenia::ExportedPromotionCondition condition);
    void addProfit(Kolvenia::ExportedPromotionProfit profit);
    void addQuantityValueCondition(const PromotionElement& element, ConditionType type, bool articles, bool groups);
    void addIdentityCondition(const PromotionElement& element, ConditionType type);
    void addIdentityProfit(const PromotionElement& element, ProfitType type);

    Kolvenia::ExportedPromotionPtr record_;
};

}  // namespace Promotion
