// The demo shop's promotions as the demo sends them: every condition and profit kind
// reaches the transfer file, the simple one never, the cancelled one with status 2,
// and a second run right after sends nothing.
#include <set>

#include "PromotionShop.h"
#include "shopdb/DemoShop.h"

namespace PromotionTest {
namespace {

constexpr const char* NewAndModifiedFire = "{814B4352-C700-4454-8C7E-95FC7E47C90A}";

class DemoShopPromotions : public PromotionShop {};

std::set<int> typesIn(pugi::xml_node root, const char* list, const char* element) {
    std::set<int> types;
    for (pugi::xml_node promotion : root.children("promotion"))
        for (pugi::xml_node record : promotion.child(list).children(element))
            types.insert(record.attribute("type").as_int());
    return types;
}

TEST_P(DemoShopPromotions, NewAndModifiedCoverEveryKindAndGoOnce) {
    ShopDb::DemoShop({.products = 60, .seed = 7, .today = std::nullopt}).generate(session());
    const std::int64_t dueBefore = integerOf("select count(*) from Promotion where send_status <> 1 and simple = 0");

    auto args = std::make_shared<ConsoleArgs>(Texts{});
    const auto [succeeded, message] = fire(NewAndModifiedFire, args);
    ASSERT_TRUE(succeeded) << message;
    EXPECT_EQ(message, "Wysłano promocji: " + std::to_string(dueBefore) + ".");
    const Texts names = files();
    ASSERT_EQ(names.size(), 1u);
    pugi::xml_document document;
    const pugi::xml_node root = readFile(names.front(), document);

    std::set<int> conditions = typesIn(root, "conditions", "condition");
    std::set<int> profits = typesIn(root, "profits", "profit");
    // Those only in promotions the demo marks as sent come with the run of all.
    EXPECT_EQ(fire("{ADED7E1D-8ECF-414F-A466-24F4AA921918}", nullptr).first, true);
    pugi::xml_document all;
    const pugi::xml_node allRoot = readFile(files().back(), all);
    conditions.merge(typesIn(allRoot, "conditions", "condition"));
    profits.merge(typesIn(allRoot, "profits", "profit"));
    EXPECT_EQ(conditions, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(profits, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    std::set<std::string> statuses;
    for (pugi::xml_node promotion : allRoot.children("promotion"))
        EXPECT_STRNE(promotion.attribute("simple").value(), "true");
    for (pugi::xml_node promotion : root.children("promotion")) statuses.insert(promotion.attribute("status").value());
    EXPECT_EQ(statuses, (std::set<std::string>{"1", "2"}));
    EXPECT_EQ(std::distance(root.children("gift").begin(), root.children("gift").end()), 5);

    const std::size_t filesAfter = files().size();
    EXPECT_EQ(fire(NewAndModifiedFire, std::make_shared<ConsoleArgs>(Texts{})).second, "Wysłano promocji: 0.");
    EXPECT_EQ(files().size(), filesAfter);
}

KORVEL_ON_EACH_ENGINE(DemoShopPromotions);

}  // namespace
}  // namespace PromotionTest
