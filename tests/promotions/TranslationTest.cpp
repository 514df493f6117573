// Every condition and profit kind read from rows of a real shop database by the
// promotion access and translated into the exported records, on both engines.
#include "PromotionShop.h"
#include "promotion/PromotionDao.h"
#include "promotions/SendPromotionTranslator.h"
#include "support/ErrorOf.h"

namespace PromotionTest {
namespace {

using Kolvenia::ExportedPromotionCondition;
using Kolvenia::ExportedPromotionProfit;

class Translation : public PromotionShop {
protected:
    Kolvenia::ExportedPromotionPtr translated(int promotionId) {
        Promotion::PromotionOracleDao dao(session());
        Promotion::PromotionPtr promotion = dao.findById(promotionId);
        dao.fillElements(*promotion);
        return Promotion::SendPromotionTranslator().translate(*promotion);
    }

    template <class Record>
    static std::vector<std::shared_ptr<Record>> records(const Kolvenia::ExportedRecordCollection<Record>& collection) {
        return {collection.begin(), collection.end()};
    }
};

TEST_P(Translation, EveryConditionKindInElementOrder) {
    addPromotion({.id = 1, .number = "P-1", .cancelled = true});
    addElement(1, 101, "ArticlesQuantityValue", {{"quantity_threshold", "3"}, {"value_threshold", "10.5"}});
    addItems(101, {11, 12});
    addElement(1, 102, "GroupsQuantityValue", {{"quantity_threshold", "2"}});
    addItems(102, {}, {"NAB1", "PIE2"});
    addElement(1, 103, "GroupsAndArticlesQuantityValue", {{"quantity_threshold", "1"}, {"value_threshold", "20"}});
    addItems(103, {13}, {"SER3"});
    addElement(1, 104, "PaymentType", {{"payment_id", "7"}, {"value_threshold", "50"}, {"pattern", "'4111'"}});
    addElement(1, 105, "Token", {{"pattern", "'T-[0-9]+'"}});
    addElement(1, 106, "LoyaltyCard", {{"pattern", "'9900[0-9]{9}'"}});
    addElement(1, 107, "BasketValue", {{"value_threshold", "100"}, {"value_threshold_offset", "25"}});
    addElement(1, 108, "Frequency",
               {{"frequency_period", "30"}, {"frequency_threshold", "4"}, {"frequency_threshold_offset", "1"}});
    addElement(1, 109, "EachGroupQuantityValue", {{"quantity_threshold", "2"}, {"value_threshold", "15"}});
    addItems(109, {}, {"NAP4", "SLO5"});
    addElement(1, 110, "Profiled", {{"name", "'Studenci'"}, {"guid", "'{6C1D0E2A-1111-4222-8333-944455556666}'"}});
    addElement(1, 111, "CustomerBirthday");
    addElement(1, 112, "FirstPurchase");
    addElement(1, 113, "MobileApplication");

    const auto promotion = translated(1);
    EXPECT_EQ(promotion->getId(), 1u);
    EXPECT_EQ(promotion->getExternalId(), "P-1");
    EXPECT_EQ(promotion->getExternalGuid(), guidOf(1));
    EXPECT_EQ(promotion->getStatus(), Kolvenia::ExportedPromotion::Status::Cancelled);
    EXPECT_EQ(promotion->getBeginDate(), 46000);
    EXPECT_EQ(promotion->getEndDate(), 46030);
    EXPECT_EQ(promotion->getBeginTimeFromMidnightInSeconds(), 28800);
    EXPECT_EQ(promotion->getEndTimeFromMidnightInSeconds(), 72000);
    EXPECT_TRUE(promotion->getRepeatability());
    EXPECT_EQ(promotion->getCommunique(), "Zapytaj o kartę");
    EXPECT_EQ(promotion->getActivatorsXml(), L"<activators><activator code=\"ŻABKA\"/></activators>");
    EXPECT_TRUE(promotion->getSerializeParametersFunction());
    EXPECT_TRUE(promotion->getProfits()->empty());

    const auto conditions = records(*promotion->getConditions());
    std::vector<int> types;
    for (const auto& condition : conditions) {
        types.push_back(condition->getConditionType());
        EXPECT_TRUE(condition->isConditionSerializable());
    }
    EXPECT_EQ(types, (std::vector<int>{2, 1, 13, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));

    EXPECT_EQ(conditions[0]->getId(), 101u);
    EXPECT_EQ(conditions[0]->getProductQuantityThreshold(), 3);
    EXPECT_EQ(conditions[0]->getProductValueThreshold(), 10.5);
    EXPECT_EQ(*conditions[0]->getArticles(), (Kolvenia::ArticleList{11, 12}));
    EXPECT_FALSE(conditions[0]->getGroups());
    EXPECT_EQ(*conditions[1]->getGroups(), (Kolvenia::GroupList{"NAB1", "PIE2"}));
    EXPECT_FALSE(conditions[1]->getProductValueThreshold());
    EXPECT_FALSE(conditions[1]->getArticles());
    EXPECT_EQ(*conditions[2]->getArticles(), (Kolvenia::ArticleList{13}));
    EXPECT_EQ(*conditions[2]->getGroups(), (Kolvenia::GroupList{"SER3"}));
    EXPECT_EQ(conditions[3]->getPaymentRef(), 7u);
    EXPECT_EQ(conditions[3]->getPaymentValue(), 50);
    EXPECT_EQ(conditions[3]->getCardOrTicketNumberAcceptanceRegExp(), "4111");
    EXPECT_EQ(conditions[4]->getCardOrTicketNumberAcceptanceRegExp(), "T-[0-9]+");
    EXPECT_EQ(conditions[5]->getCardOrTicketNumberAcceptanceRegExp(), "9900[0-9]{9}");
    EXPECT_EQ(conditions[6]->getReceiptValueThreshold(), 100);
    EXPECT_EQ(conditions[6]->getReceiptValueThresholdOffset(), 25);
    EXPECT_EQ(conditions[7]->getVisitFrequencyPeriod(), 30);
    EXPECT_EQ(conditions[7]->getVisitFrequencyThreshold(), 4);
    EXPECT_EQ(conditions[7]->getVisitFrequencyThresholdOffset(), 1);
    EXPECT_EQ(conditions[8]->getProductValueThreshold(), 15);
    EXPECT_EQ(*conditions[8]->getGroups(), (Kolvenia::GroupList{"NAP4", "SLO5"}));
    EXPECT_EQ(conditions[9]->getName(), "Studenci");
    EXPECT_EQ(conditions[9]->getGuid(), "{6C1D0E2A-1111-4222-8333-944455556666}");
    ExportedPromotionCondition identityOnly;
    identityOnly.setId(113u);
    identityOnly.setConditionType(ExportedPromotionCondition::MobileApplication);
    EXPECT_EQ(*conditions[12], identityOnly);
}

TEST_P(Translation, EveryProfitKindWithItsRebateRules) {
    addPromotion({.id = 2, .number = "P-2"});
    addElement(2, 201, "BoughtProductRebate",
               {{"rebate_type", "1"},
                {"accomplishment_type", "1"},
                {"rebate_value", "2.5"},
                {"rebate_percent", "10"},
                {"product_id", "11"},
                {"ticket_activation_days", "2"},
                {"ticket_expiry_days", "30"},
                {"ticket_tag", "'BON'"}});
    addElement(2, 202, "BoughtProductRebate", {{"rebate_type", "2"}, {"rebate_value", "3"}, {"rebate_percent", "15"}});
    addItems(202, {12}, {"NAB1"});
    addElement(2, 203, "Gratis", {{"group_index", "'PIE2'"}, {"quantity", "1"}, {"premium_price", "0.01"}});
    addElement(2, 204, "Gratis",
               {{"product_id", "14"}, {"group_index", "'PIE2'"}, {"quantity", "2"}, {"accomplishment_type", "1"}});
    addElement(2, 205, "Present", {{"present_id", "3"}, {"quantity", "1"}});
    addElement(2, 206, "BasketRebate", {{"rebate_type", "1"}, {"rebate_value", "20"}, {"rebate_percent", "4"}});
    addElement(2, 207, "BasketRebate", {{"rebate_type", "3"}, {"rebate_value", "20"}, {"rebate_percent", "5"}});
    addElement(2, 208, "FixedPriceForList", {{"premium_price", "9.99"}, {"quantity", "2"}});
    addItems(208, {11, 12});
    addElement(2, 209, "LoyaltyAccountDiscountForSoldArticle",
               {{"handling_mode", "1"}, {"accomplishment_type", "2"}, {"rebate_type", "4"}});
    addElement(2, 210, "LoyaltyPoints");
    addElement(2, 211, "ReceiptMessage");
    addElement(2, 212, "NextPurchaseVoucher");
    addElement(2, 213, "LotteryTicket");

    const auto promotion = translated(2);
    EXPECT_EQ(promotion->getStatus(), Kolvenia::ExportedPromotion::Status::Active);
    EXPECT_TRUE(promotion->getConditions()->empty());
    const auto profits = records(*promotion->getProfits());
    std::vector<int> types;
    for (const auto& profit : profits) types.push_back(profit->getProfitType());
    EXPECT_EQ(types, (std::vector<int>{1, 1, 2, 2, 3, 4, 4, 9, 7, 5, 6, 8, 10}));

    // Types 1 and 4 rebate a value, the others a percentage; never both.
    EXPECT_EQ(profits[0]->getDiscountType(), ExportedPromotionProfit::Value);
    EXPECT_EQ(profits[0]->getAccomplishmentType(), Promotion::Accomplishment::Voucher);
    EXPECT_EQ(profits[0]->getDiscountValue(), 2.5);
    EXPECT_FALSE(profits[0]->getPercentageDiscount());
    EXPECT_EQ(profits[0]->getArticleRef(), 11u);
    EXPECT_FALSE(profits[0]->getArticles());
    EXPECT_EQ(profits[0]->getTicketActivationAfterDays(), 2);
    EXPECT_EQ(profits[0]->getTicketExpiresAfterDays(), 30);
    EXPECT_EQ(profits[0]->getTicketTag(), "BON");
    EXPECT_EQ(profits[1]->getDiscountType(), ExportedPromotionProfit::Percentage);
    EXPECT_EQ(profits[1]->getPercentageDiscount(), 15);
    EXPECT_FALSE(profits[1]->getDiscountValue());
    EXPECT_FALSE(profits[1]->getArticleRef());
    EXPECT_EQ(*profits[1]->getArticles(), (Kolvenia::ArticleList{12}));
    EXPECT_EQ(*profits[1]->getGroups(), (Kolvenia::GroupList{"NAB1"}));
    // Gratis: the group only when no product is named.
    EXPECT_EQ(profits[2]->getGroupIndex(), "PIE2");
    EXPECT_FALSE(profits[2]->getArticleRef());
    EXPECT_EQ(profits[2]->getArticleQuantity(), 1);
    EXPECT_EQ(profits[2]->getArticleSellPrice(), 0.01);
    EXPECT_EQ(profits[3]->getArticleRef(), 14u);
    EXPECT_FALSE(profits[3]->getGroupIndex());
    EXPECT_EQ(profits[3]->getAccomplishmentType(), Promotion::Accomplishment::Voucher);
    EXPECT_EQ(profits[4]->getGiftRef(), 3u);
    EXPECT_EQ(profits[4]->getGiftQuantity(), 1);
    EXPECT_EQ(profits[5]->getDiscountValue(), 20);
    EXPECT_FALSE(profits[5]->getPercentageDiscount());
    EXPECT_EQ(profits[6]->getDiscountType(), ExportedPromotionProfit::PercentageOfCheapest);
    EXPECT_EQ(profits[6]->getPercentageDiscount(), 5);
    EXPECT_FALSE(profits[6]->getDiscountValue());
    EXPECT_EQ(profits[7]->getArticleSellPrice(), 9.99);
    EXPECT_EQ(profits[7]->getArticleQuantity(), 2);
    EXPECT_EQ(*profits[7]->getArticles(), (Kolvenia::ArticleList{11, 12}));
    EXPECT_EQ(profits[8]->getHandlingMode(), ExportedPromotionProfit::HandlingMode::CheapestArticle);
    EXPECT_EQ(profits[8]->getAccomplishmentType(), Promotion::Accomplishment::LoyaltyAccount);
    EXPECT_EQ(profits[8]->getDiscountType(), ExportedPromotionProfit::FixedPrice);
    ExportedPromotionProfit identityOnly;
    identityOnly.setId(213u);
    identityOnly.setProfitType(ExportedPromotionProfit::LotteryTicket);
    EXPECT_EQ(*profits[12], identityOnly);
}

TEST_P(Translation, ARebateTypeItsKindDoesNotKnowIsRefused) {
    const std::vector<std::pair<std::string, std::string>> wrong{{"BoughtProductRebate", "5"},
                                                                 {"BoughtProductRebate", "0"},
                                                                 {"BasketRebate", "4"},
                                                                 {"BasketRebate", "null"},
                                                                 {"LoyaltyAccountDiscountForSoldArticle", "9"}};
    int id = 10;
    for (const auto& [kind, type] : wrong) {
        SCOPED_TRACE(kind + " " + type);
        ++id;
        addPromotion({.id = id, .number = "P-" + std::to_string(id)});
        addElement(id, id * 10, kind, {{"rebate_type", type}, {"rebate_value", "1"}, {"rebate_percent", "1"}});
        EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { translated(id); }), "Błędny typ rabatu.");
    }
}

TEST_P(Translation, AnUnknownElementKindNamesItself) {
    addPromotion({.id = 5, .number = "P-5"});
    addElement(5, 51, "Horoscope");
    Promotion::PromotionOracleDao dao(session());
    auto promotion = dao.findById(5);
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { dao.fillElements(*promotion); }),
              "Nieznany rodzaj elementu promocji \"Horoscope\" (element 51).");
}

TEST(ExportedPromotionRecords, SerializableOnlyWithAFunction) {
    ExportedPromotionCondition condition;
    ExportedPromotionProfit profit;
    EXPECT_FALSE(condition.isConditionSerializable());
    EXPECT_FALSE(profit.isProfitSerializable());
    condition.setXmlSerializeFunction([](Kolvenia::PromotionXmlWriter&) {});
    profit.setXmlSerializeFunction([](Kolvenia::PromotionXmlWriter&) {});
    EXPECT_TRUE(condition.isConditionSerializable());
    EXPECT_TRUE(profit.isProfitSerializable());
}

KORVEL_ON_EACH_ENGINE(Translation);

}  // namespace
}  // namespace PromotionTest
