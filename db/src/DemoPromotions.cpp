#include "DemoPromotions.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "TableInsert.h"

namespace ShopDb::DemoPromotions {

namespace {

// Send status values of Promotion.send_status.
constexpr int New = 0;
constexpr int Sent = 1;
constexpr int Modified = 2;

struct ElementPlan {
    std::string kind;
    std::map<std::string, double> numbers;
    std::map<std::string, std::string> texts;
    std::vector<int> products;  // offsets from the first product the promotions name
    std::vector<std::string> groups;
};

struct PromotionPlan {
    std::string name;
    std::string cashierMessage;
    int sendStatus = New;
    bool cancelled = false;
    bool simple = false;
    bool welcome = false;
    std::vector<ElementPlan> elements;
};

const std::vector<PromotionPlan>& promotions() {
    static const std::vector<PromotionPlan> specs{
        {"Cena promocyjna na pieczywo",
         "",
         New,
         false,
         true,
         false,
         {{"ArticlesQuantityValue", {{"quantity_threshold", 1}}, {}, {0}, {}},
          {"FixedPriceForList", {{"premium_price", 2.99}, {"quantity", 1}}, {}, {0}, {}}}},
        {"Trzy jogurty w cenie dwóch",
         "Trzeci jogurt gratis!",
         New,
         false,
         false,
         false,
         {{"ArticlesQuantityValue", {{"quantity_threshold", 3}}, {}, {1, 2}, {}},
          {"BoughtProductRebate", {{"rebate_type", 2}, {"rebate_percent", 33.33}}, {}, {1, 2}, {}}}},
        {"Rabat na nabiał i sery",
         "",
         New,
         false,
         false,
         false,
         {{"GroupsQuantityValue", {{"value_threshold", 30}}, {}, {}, {"NAB1", "SER1"}},
          {"BoughtProductRebate", {{"rebate_type", 1}, {"rebate_value", 5}}, {}, {3}, {}}}},
        {"Kawa ze słodyczami",
         "",
         New,
         false,
         false,
         false,
         {{"GroupsAndArticlesQuantityValue", {{"quantity_threshold", 2}, {"value_threshold", 25}}, {}, {4}, {"SLO1"}},
          {"Gratis", {{"quantity", 1}, {"premium_price", 0.01}}, {{"group_index", "SLO1"}}, {}, {}}}},
        {"Płać kartą, zyskaj 10 zł",
         "",
         Modified,
         false,
         false,
         false,
         {{"PaymentType", {{"payment_id", 2}, {"value_threshold", 100}}, {{"pattern", "4"}}, {}, {}},
          {"BasketRebate", {{"rebate_type", 1}, {"rebate_value", 10}}, {}, {}, {}}}},
        {"Klub stałego klienta",
         "Zeskanuj kartę klubową",
         Sent,
         false,
         false,
         false,
         {{"LoyaltyCard", {}, {{"pattern", "9900[0-9]{9}"}}, {}, {}},
          {"BasketRebate", {{"rebate_type", 2}, {"rebate_percent", 3}}, {}, {}, {}},
          {"LoyaltyAccountDiscountForSoldArticle",
           {{"handling_mode", 1}, {"accomplishment_type", 2}, {"rebate_type", 2}},
           {},
           {},
           {}}}},
        {"Żeton na myjnię",
         "",
         New,
         false,
         false,
         false,
         {{"Token", {}, {{"pattern", "MYJ-[0-9]{6}"}}, {}, {}},
          {"Present", {{"present_id", 1}, {"quantity", 1}}, {}, {}, {}}}},
        {"Duże zakupy: bon na następne",
         "Bon ważny od jutra",
         New,
         false,
         false,
         false,
         {{"BasketValue", {{"value_threshold", 200}, {"value_threshold_offset", 50}}, {}, {}, {}},
          {"BasketRebate",
           {{"rebate_type", 3},
            {"rebate_percent", 10},
            {"accomplishment_type", 1},
            {"ticket_activation_days", 1},
            {"ticket_expiry_days", 30}},
           {{"ticket_tag", "BON-10"}},
           {},
           {}},
          {"NextPurchaseVoucher", {}, {}, {}, {}}}},
        {"Częsty gość",
         "",
         Sent,
         false,
         false,
         false,
         {{"Frequency",
           {{"frequency_period", 30}, {"frequency_threshold", 4}, {"frequency_threshold_offset", 1}},
           {},
           {},
           {}},
          {"LoyaltyPoints", {}, {}, {}, {}}}},
        {"Napoje: każda grupa po dwa",
         "",
         New,
         false,
         false,
         false,
         {{"EachGroupQuantityValue", {{"quantity_threshold", 2}}, {}, {}, {"NAP1", "NAP2"}},
          {"Gratis", {{"quantity", 1}, {"premium_price", 0.01}}, {}, {5}, {}}}},
        {"Studenci taniej",
         "Pokaż legitymację",
         Modified,
         false,
         false,
         false,
         {{"Profiled", {}, {{"name", "Studenci"}, {"guid", "{4F5A6B7C-8D9E-4A0B-9C1D-2E3F4A5B6C7D}"}}, {}, {}},
          {"BoughtProductRebate", {{"rebate_type", 4}, {"rebate_value", 4.99}}, {}, {6}, {}}}},
        {"Urodzinowy prezent",
         "Wszystkiego najlepszego!",
         New,
         false,
         false,
         true,
         {{"CustomerBirthday", {}, {}, {}, {}},
          {"FirstPurchase", {}, {}, {}, {}},
          {"Present", {{"present_id", 3}, {"quantity", 1}}, {}, {}, {}},
          {"ReceiptMessage", {}, {}, {}, {}}}},
        {"Loteria w aplikacji",
         "",
         New,
         false,
         false,
         false,
         {{"MobileApplication", {}, {}, {}, {}},
          {"LotteryTicket", {}, {}, {}, {}},
          {"FixedPriceForList", {{"premium_price", 9.99}, {"quantity", 2}}, {}, {7, 8}, {}}}},
        {"Wyprzedaż zimowa (odwołana)",
         "",
         Modified,
         true,
         false,
         false,
         {{"GroupsQuantityValue", {{"quantity_threshold", 1}}, {}, {}, {"MRO1"}},
          {"BoughtProductRebate", {{"rebate_type", 2}, {"rebate_percent", 20}}, {}, {}, {"MRO1"}}}},
    };
    return specs;
}

const std::vector<std::string_view> numberColumns{"quantity_threshold",
                                                  "value_threshold",
                                                  "value_threshold_offset",
                                                  "payment_id",
                                                  "frequency_period",
                                                  "frequency_threshold",
                                                  "frequency_threshold_offset",
                                                  "rebate_type",
                                                  "accomplishment_type",
                                                  "rebate_value",
                                                  "rebate_percent",
                                                  "quantity",
                                                  "premium_price",
                                                  "present_id",
                                                  "ticket_activation_days",
                                                  "ticket_expiry_days",
                                                  "handling_mode"};

std::string guidOf(int id) {
    char text[40];
    std::snprintf(text, sizeof text, "{D3E0A1B2-C4D5-4E6F-8A9B-%012d}", id);
    return text;
}

}  // namespace

void write(const TSessionHolder& session, std::int32_t today, std::int64_t productCount) {
    TableInsert promotion(session, "Promotion",
                          {"id", "name", "sale_date_from", "sale_date_to", "start_time", "end_time", "multiple", "guid",
                           "promotion_number", "cancelled", "cashier_message", "activators_xml", "tags_xml", "simple",
                           "welcome", "priority", "send_status"});
    std::initializer_list<std::string_view> elementColumns{"id",
                                                           "promotion_id",
                                                           "seq",
                                                           "kind",
                                                           "quantity_threshold",
                                                           "value_threshold",
                                                           "value_threshold_offset",
                                                           "payment_id",
                                                           "pattern",
                                                           "frequency_period",
                                                           "frequency_threshold",
                                                           "frequency_threshold_offset",
                                                           "name",
                                                           "guid",
                                                           "rebate_type",
                                                           "accomplishment_type",
                                                           "rebate_value",
                                                           "rebate_percent",
                                                           "product_id",
                                                           "group_index",
                                                           "quantity",
                                                           "premium_price",
                                                           "present_id",
                                                           "ticket_activation_days",
                                                           "ticket_expiry_days",
                                                           "ticket_tag",
                                                           "handling_mode"};
    TableInsert element(session, "PromotionElement", elementColumns);
    TableInsert item(session, "PromotionElementItem", {"element_id", "seq", "product_id", "group_index"});
    const auto product = [&](int offset) { return 3 + offset % std::max<std::int64_t>(productCount - 2, 1); };

    int promotionId = 0;
    int elementId = 0;
    for (const PromotionPlan& plan : promotions()) {
        ++promotionId;
        promotion["id"] = promotionId;
        promotion["name"] = plan.name;
        promotion["sale_date_from"] = today - 7 + promotionId % 5;
        promotion["sale_date_to"] = today + 14 + promotionId;
        promotion["start_time"] = promotionId % 3 == 0 ? 6 * 3600 : 0;
        promotion["end_time"] = promotionId % 3 == 0 ? 12 * 3600 - 1 : 86399;
        promotion["multiple"] = promotionId % 2;
        promotion["guid"] = guidOf(promotionId);
        promotion["promotion_number"] = "PR/" + std::to_string(2026000 + promotionId);
        promotion["cancelled"] = plan.cancelled ? 1 : 0;
        promotion["cashier_message"] = plan.cashierMessage;
        promotion["activators_xml"] = std::string("<activators/>");
        promotion["tags_xml"] = "<tags><tag>" + std::string(plan.simple ? "cena" : "promocja") + "</tag></tags>";
        promotion["simple"] = plan.simple ? 1 : 0;
        promotion["welcome"] = plan.welcome ? 1 : 0;
        promotion["priority"] = 10 - promotionId % 4;
        promotion["send_status"] = plan.sendStatus;
        promotion.insert();
        int seq = 0;
        for (const ElementPlan& part : plan.elements) {
            ++elementId;
            element["id"] = elementId;
            element["promotion_id"] = promotionId;
            element["seq"] = ++seq;
            element["kind"] = part.kind;
            element["accomplishment_type"] = 0;
            for (std::string_view column : numberColumns)
                if (const auto value = part.numbers.find(std::string(column)); value != part.numbers.end())
                    element[column] = value->second;
            for (const auto& [column, text] : part.texts) element[column] = text;
            element.insert();
            int itemSeq = 0;
            for (int offset : part.products) {
                item["element_id"] = elementId;
                item["seq"] = ++itemSeq;
                item["product_id"] = product(offset);
                item.insert();
            }
            for (const std::string& group : part.groups) {
                item["element_id"] = elementId;
                item["seq"] = ++itemSeq;
                item["group_index"] = group;
                item.insert();
            }
        }
    }
}

}  // namespace ShopDb::DemoPromotions
