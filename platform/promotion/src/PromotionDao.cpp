#include "promotion/PromotionDao.h"

#include <boost/format.hpp>
#include <functional>
#include <map>

#include "core/Errors.h"
#include "db/Command.h"
#include "db/Query.h"

namespace Promotion {

namespace {

using DBKernel::Sql::Field;
using DBKernel::Sql::PreparedQuery;
using DBKernel::Sql::Query;

const char* const kAllSql = "select * from Promotion order by id";
const char* const kNewAndModifiedSql =
    "select * from Promotion where send_status in (:newStatus, :modifiedStatus) order by id";
const char* const kByGuidSql = "select * from Promotion where upper(guid) = upper(:guid)";
const char* const kByIdSql = "select * from Promotion where id = :id";
const char* const kElementsSql = "select * from PromotionElement where promotion_id = :promotionId order by seq, id";
const char* const kItemsSql =
    "select i.element_id, i.product_id, i.group_index from PromotionElementItem i "
    "where i.element_id in (select e.id from PromotionElement e where e.promotion_id = :promotionId) "
    "order by i.element_id, i.seq";
const char* const kMarkAsSentSql = "update Promotion set send_status = :sentStatus where id = :id";

template <class T>
std::optional<T> optionalOf(const Field& field) {
    if (field.isNull()) return std::nullopt;
    if constexpr (std::is_floating_point_v<T>)
        return field.asDouble();
    else
        return static_cast<T>(field.asInt64());
}

std::string textOf(const Field& field) { return field.isNull() ? std::string() : field.asString(); }

PromotionHeader headerOf(const Query& row) {
    PromotionHeader header;
    header.id = row["id"].asInt64();
    header.name = textOf(row["name"]);
    header.saleDateFrom = optionalOf<double>(row["sale_date_from"]).value_or(0.0);
    header.saleDateTo = optionalOf<double>(row["sale_date_to"]).value_or(0.0);
    header.startTime = row["start_time"].asInt();
    header.endTime = row["end_time"].asInt();
    header.multiple = row["multiple"].asInt() != 0;
    header.guid = textOf(row["guid"]);
    header.number = textOf(row["promotion_number"]);
    header.cancelled = row["cancelled"].asInt() != 0;
    header.cashierMessage = textOf(row["cashier_message"]);
    header.activatorsXml = textOf(row["activators_xml"]);
    header.tagsXml = textOf(row["tags_xml"]);
    header.simple = row["simple"].asInt() != 0;
    header.welcome = row["welcome"].asInt() != 0;
    header.priority = optionalOf<int>(row["priority"]);
    header.sendStatus = static_cast<SendStatus>(row["send_status"].asInt());
    return header;
}

std::vector<PromotionPtr> promotionsOf(PreparedQuery& query) {
    query.execute();
    std::vector<PromotionPtr> promotions;
    for (; query; query.next()) promotions.push_back(std::make_shared<Promotion>(headerOf(query)));
    return promotions;
}

ElementValues valuesOf(const Query& row) {
    ElementValues values;
    values.quantityThreshold = optionalOf<double>(row["quantity_threshold"]);
    values.valueThreshold = optionalOf<double>(row["value_threshold"]);
    values.valueThresholdOffset = optionalOf<double>(row["value_threshold_offset"]);
    values.paymentRef = optionalOf<unsigned>(row["payment_id"]);
    values.pattern = textOf(row["pattern"]);
    values.frequencyPeriod = optionalOf<int>(row["frequency_period"]);
    values.frequencyThreshold = optionalOf<int>(row["frequency_threshold"]);
    values.frequencyThresholdOffset = optionalOf<int>(row["frequency_threshold_offset"]);
    values.name = textOf(row["name"]);
    values.guid = textOf(row["guid"]);
    values.rebateType = optionalOf<int>(row["rebate_type"]);
    values.accomplishment = static_cast<Accomplishment::Type>(row["accomplishment_type"].asInt());
    values.rebateValue = optionalOf<double>(row["rebate_value"]);
    values.rebatePercent = optionalOf<double>(row["rebate_percent"]);
    values.productRef = optionalOf<unsigned>(row["product_id"]);
    if (!row["group_index"].isNull()) values.groupIndex = row["group_index"].asString();
    values.number = optionalOf<double>(row["quantity"]);
    values.premiumPrice = optionalOf<double>(row["premium_price"]);
    values.presentRef = optionalOf<unsigned>(row["present_id"]);
    values.ticketActivationAfterDays = optionalOf<int>(row["ticket_activation_days"]);
    values.ticketExpiresAfterDays = optionalOf<int>(row["ticket_expiry_days"]);
    values.ticketTag = textOf(row["ticket_tag"]);
    if (!row["handling_mode"].isNull())
        values.handlingMode = static_cast<LoyaltyAccountDiscountForSoldArticleBenefit::GroupDiscountHandlingMode::Type>(
            row["handling_mode"].asInt());
    return values;
}

using ElementMaker = std::function<PromotionElementPtr(std::int64_t, ElementValues)>;

template <class Kind>
ElementMaker maker() {
    return [](std::int64_t id, ElementValues values) { return std::make_shared<Kind>(id, std::move(values)); };
}

// The kind names the PromotionElement.kind column holds.
const std::map<std::string, ElementMaker>& elementMakers() {
    static const std::map<std::string, ElementMaker> makers{
        {"ArticlesQuantityValue", maker<ArticlesQuantityValueCondition>()},
        {"GroupsQuantityValue", maker<GroupsQuantityValueCondition>()},
        {"GroupsAndArticlesQuantityValue", maker<GroupsAndArticlesQuantityValueCondition>()},
        {"EachGroupQuantityValue", maker<EachGroupQuantityValueCondition>()},
        {"PaymentType", maker<PaymentTypeCondition>()},
        {"LoyaltyCard", maker<LoyaltyCardCondition>()},
        {"Token", maker<TokenCondition>()},
        {"BasketValue", maker<BasketValueCondition>()},
        {"Frequency", maker<FrequencyCondition>()},
        {"Profiled", maker<ProfiledCondition>()},
        {"CustomerBirthday", maker<CustomerBirthdayCondition>()},
        {"FirstPurchase", maker<FirstPurchaseCondition>()},
        {"MobileApplication", maker<MobileApplicationCondition>()},
        {"BoughtProductRebate", maker<BoughtProductRebateBenefit>()},
        {"BasketRebate", maker<BasketRebateBenefit>()},
        {"Gratis", maker<GratisBenefit>()},
        {"Present", maker<PresentBenefit>()},
        {"FixedPriceForList", maker<FixedPriceForListBenefit>()},
        {"LoyaltyAccountDiscountForSoldArticle", maker<LoyaltyAccountDiscountForSoldArticleBenefitElement>()},
        {"LoyaltyPoints", maker<LoyaltyPointsBenefit>()},
        {"ReceiptMessage", maker<ReceiptMessageBenefit>()},
        {"NextPurchaseVoucher", maker<NextPurchaseVoucherBenefit>()},
        {"LotteryTicket", maker<LotteryTicketBenefit>()},
    };
    return makers;
}

}  // namespace

std::vector<PromotionPtr> PromotionOracleDao::getAll() {
    PreparedQuery query(kAllSql, session_);
    return promotionsOf(query);
}

std::vector<PromotionPtr> PromotionOracleDao::getNewAndModified() {
    PreparedQuery query(kNewAndModifiedSql, session_);
    query.Params["newStatus"] = static_cast<int>(SendStatus::New);
    query.Params["modifiedStatus"] = static_cast<int>(SendStatus::Modified);
    return promotionsOf(query);
}

PromotionPtr PromotionOracleDao::findByGuid(const std::string& guid) {
    PreparedQuery query(kByGuidSql, session_);
    query.Params["guid"] = guid;
    auto found = promotionsOf(query);
    return found.empty() ? nullptr : found.front();
}

PromotionPtr PromotionOracleDao::findById(std::int64_t id) {
    PreparedQuery query(kByIdSql, session_);
    query.Params["id"] = id;
    auto found = promotionsOf(query);
    return found.empty() ? nullptr : found.front();
}

void PromotionOracleDao::fillElements(Promotion& promotion) {
    std::map<std::int64_t, ElementValues> values;
    std::vector<std::pair<std::int64_t, std::string>> kinds;  // in element order
    PreparedQuery elements(kElementsSql, session_);
    elements.Params["promotionId"] = promotion.getId();
    elements.execute();
    for (; elements; elements.next()) {
        const std::int64_t id = elements["id"].asInt64();
        kinds.emplace_back(id, elements["kind"].asString());
        values[id] = valuesOf(elements);
    }
    PreparedQuery items(kItemsSql, session_);
    items.Params["promotionId"] = promotion.getId();
    items.execute();
    for (; items; items.next()) {
        ElementValues& owner = values[items["element_id"].asInt64()];
        if (!items["product_id"].isNull())
            owner.articles.push_back(static_cast<unsigned>(items["product_id"].asInt64()));
        if (!items["group_index"].isNull()) owner.groups.push_back(items["group_index"].asString());
    }
    std::vector<PromotionElementPtr> made;
    for (const auto& [id, kind] : kinds) {
        const auto maker = elementMakers().find(kind);
        if (maker == elementMakers().end())
            throw Core::PlacedRuntimeError(
                (boost::format("Nieznany rodzaj elementu promocji \"%1%\" (element %2%).") % kind % id).str(),
                CORE_SRC_INFO("PromotionOracleDao::fillElements"));
        made.push_back(maker->second(id, std::move(values[id])));
    }
    promotion.setElements(std::move(made));
}

void PromotionOracleDao::markAsSent(const Promotion& promotion) {
    DBKernel::Sql::Command mark(kMarkAsSentSql, session_);
    mark.Params["sentStatus"] = static_cast<int>(SendStatus::Sent);
    mark.Params["id"] = promotion.getId();
    mark.execute();
}

}  // namespace Promotion
