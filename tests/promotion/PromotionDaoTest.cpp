// The host's promotion access over a real shop database, on both engines: which
// promotions each read gives, the order of elements and of their items, and the send
// mark.
#include <gtest/gtest.h>

#include <optional>

#include "db/Command.h"
#include "promotion/PromotionDao.h"
#include "shopdb/Schema.h"
#include "support/EngineDatabase.h"
#include "support/ShopRows.h"

namespace {

using TestSupport::Engine;

class PromotionDao : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        database_.emplace(GetParam());
        session_.emplace(database_->url(), DBKernel::OpenMode::CreateIfMissing);
        ShopDb::createSchema(*session_);
    }

    void exec(const std::string& sql) { DBKernel::Sql::Command(sql, *session_).execute(); }
    void addPromotion(int id, const std::string& guid, int sendStatus) {
        exec("insert into Promotion (id, name, guid, promotion_number, send_status) values (" + std::to_string(id) +
             ", 'Promocja', '" + guid + "', 'P-" + std::to_string(id) + "', " + std::to_string(sendStatus) + ")");
    }
    static std::vector<std::int64_t> idsOf(const std::vector<Promotion::PromotionPtr>& promotions) {
        std::vector<std::int64_t> ids;
        for (const auto& promotion : promotions) ids.push_back(promotion->getId());
        return ids;
    }

    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

TEST_P(PromotionDao, ReadsTheAskedPromotionsAndMarksThemSent) {
    addPromotion(3, "{00000000-0000-0000-0000-00000000000C}", 2);
    addPromotion(1, "{00000000-0000-0000-0000-00000000000A}", 0);
    addPromotion(2, "{00000000-0000-0000-0000-00000000000B}", 1);
    Promotion::PromotionOracleDao dao(*session_);
    EXPECT_EQ(idsOf(dao.getAll()), (std::vector<std::int64_t>{1, 2, 3}));
    EXPECT_EQ(idsOf(dao.getNewAndModified()), (std::vector<std::int64_t>{1, 3}));
    const auto found = dao.findByGuid("{00000000-0000-0000-0000-00000000000b}");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->getId(), 2);
    EXPECT_EQ(found->header().sendStatus, Promotion::SendStatus::Sent);
    EXPECT_FALSE(dao.findByGuid("{00000000-0000-0000-0000-0000000000FF}"));
    EXPECT_FALSE(dao.findById(9));

    dao.markAsSent(*dao.findById(3));
    EXPECT_EQ(idsOf(dao.getNewAndModified()), (std::vector<std::int64_t>{1}));
    EXPECT_EQ(TestSupport::integerOf(*session_, "select send_status from Promotion where id = 1"), 0);
}

TEST_P(PromotionDao, ElementsAndItemsFollowTheirOrderNotTheirIds) {
    addPromotion(1, "{00000000-0000-0000-0000-00000000000A}", 0);
    addPromotion(2, "{00000000-0000-0000-0000-00000000000B}", 0);
    exec("insert into PromotionElement (id, promotion_id, seq, kind) values (30, 1, 1, 'Token')");
    exec(
        "insert into PromotionElement (id, promotion_id, seq, kind) values (20, 1, 2, 'GroupsAndArticlesQuantityValue')");
    exec("insert into PromotionElement (id, promotion_id, seq, kind) values (10, 1, 3, 'Present')");
    exec("insert into PromotionElement (id, promotion_id, seq, kind) values (40, 2, 1, 'LoyaltyCard')");
    exec("insert into PromotionElementItem (element_id, seq, group_index) values (20, 3, 'PIE1')");
    exec("insert into PromotionElementItem (element_id, seq, product_id) values (20, 2, 7)");
    exec("insert into PromotionElementItem (element_id, seq, product_id) values (20, 1, 9)");
    exec("insert into PromotionElementItem (element_id, seq, group_index) values (20, 0, 'NAB1')");

    Promotion::PromotionOracleDao dao(*session_);
    auto promotion = dao.findById(1);
    dao.fillElements(*promotion);
    // Which class each kind becomes is the translation tests' business; here the order.
    std::vector<std::int64_t> ids;
    for (const auto& element : promotion->elements()) ids.push_back(element->getId());
    EXPECT_EQ(ids, (std::vector<std::int64_t>{30, 20, 10}));
    EXPECT_NE(dynamic_cast<const Promotion::TokenCondition*>(promotion->elements()[0].get()), nullptr);
    EXPECT_EQ(promotion->elements()[1]->values().articles, (std::vector<unsigned>{9, 7}));
    EXPECT_EQ(promotion->elements()[1]->values().groups, (std::vector<std::string>{"NAB1", "PIE1"}));
}

KORVEL_ON_EACH_ENGINE(PromotionDao);

}  // namespace
