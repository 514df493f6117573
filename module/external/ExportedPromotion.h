// A promotion as it leaves the module for the cash-register communication and other
// modules: the promotion with its conditions and profits, and the gifts profits refer
// to. Exported, header-only value classes. The XML of a condition, a profit and the
// promotion's parameters is written by functions the translating side binds into the
// record; a receiver calls serialize with its writer and never needs the source.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "external/CashRegisterXmlWriter.h"
#include "promotion/PromotionTypes.h"

namespace Kolvenia {

using PromotionXmlWriter = CashRegisterServerCommunication::Impl::XmlBased::XmlWriter;
// Host contract: what a record's serialize function takes.
using XmlSerializeFunction = std::function<void(PromotionXmlWriter&)>;
using ArticleList = std::vector<unsigned>;
using GroupList = std::vector<std::string>;
using ArticleListPtr = std::shared_ptr<ArticleList>;
using GroupListPtr = std::shared_ptr<GroupList>;

// Records in the order they were added, shared by pointer; equal when the records are.
template <class Record>
class ExportedRecordCollection {
public:
    using RecordPtr = std::shared_ptr<Record>;
    void add(RecordPtr record) { records_.push_back(std::move(record)); }
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

    friend bool operator==(const ExportedRecordCollection& a, const ExportedRecordCollection& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a.records_[i] != b.records_[i] && !(a.records_[i] && b.records_[i] && *a.records_[i] == *b.records_[i]))
                return false;
        return true;
    }

private:
    std::vector<RecordPtr> records_;
};

namespace detail {
// Shared lists compare by content.
template <class T>
bool samePointee(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b) {
    return a == b || (a && b && *a == *b);
}
}  // namespace detail

// Host contract: an exported record class, its accessors named as other modules call them.
class ExportedPromotionCondition {
public:
    // Host contract: condition type codes.
    enum Type : int {
        GroupsQuantityValue = 1,
        ArticlesQuantityValue = 2,
        PaymentType = 3,
        Token = 4,
        LoyaltyCard = 5,
        BasketValue = 6,
        Frequency = 7,
        EachGroupQuantityValue = 8,
        Profiled = 9,
        CustomerBirthday = 10,
        FirstPurchase = 11,
        MobileApplication = 12,
        GroupsAndArticlesQuantityValue = 13,
    };

    std::optional<unsigned> getId() const { return id_; }
    void setId(std::optional<unsigned> value) { id_ = value; }
    std::string getName() const { return name_; }
    void setName(const std::string& value) { name_ = value; }
    std::string getGuid() const { return guid_; }
    void setGuid(const std::string& value) { guid_ = value; }
    Type getConditionType() const { return conditionType_; }
    void setConditionType(Type value) { conditionType_ = value; }
    ArticleListPtr getArticles() const { return articles_; }
    void setArticles(ArticleListPtr value) { articles_ = std::move(value); }
    GroupListPtr getGroups() const { return groups_; }
    void setGroups(GroupListPtr value) { groups_ = std::move(value); }
    std::optional<double> getProductQuantityThreshold() const { return productQuantityThreshold_; }
    void setProductQuantityThreshold(std::optional<double> value) { productQuantityThreshold_ = value; }
    std::optional<double> getProductValueThreshold() const { return productValueThreshold_; }
    void setProductValueThreshold(std::optional<double> value) { productValueThreshold_ = value; }
    std::optional<double> getReceiptValueThreshold() const { return receiptValueThreshold_; }
    void setReceiptValueThreshold(std::optional<double> value) { receiptValueThreshold_ = value; }
    std::optional<double> getReceiptValueThresholdOffset() const { return receiptValueThresholdOffset_; }
    void setReceiptValueThresholdOffset(std::optional<double> value) { receiptValueThresholdOffset_ = value; }
    std::optional<unsigned> getPaymentRef() const { return paymentRef_; }
    void setPaymentRef(std::optional<unsigned> value) { paymentRef_ = value; }
    std::optional<double> getPaymentValue() const { return paymentValue_; }
    void setPaymentValue(std::optional<double> value) { paymentValue_ = value; }
    std::optional<int> getVisitFrequencyPeriod() const { return visitFrequencyPeriod_; }
    void setVisitFrequencyPeriod(std::optional<int> value) { visitFrequencyPeriod_ = value; }
    std::optional<int> getVisitFrequencyThreshold() const { return visitFrequencyThreshold_; }
    void setVisitFrequencyThreshold(std::optional<int> value) { visitFrequencyThreshold_ = value; }
    std::optional<int> getVisitFrequencyThresholdOffset() const { return visitFrequencyThresholdOffset_; }
    void setVisitFrequencyThresholdOffset(std::optional<int> value) { visitFrequencyThresholdOffset_ = value; }
    std::string getCardOrTicketNumberAcceptanceRegExp() const { return cardOrTicketNumberAcceptanceRegExp_; }
    void setCardOrTicketNumberAcceptanceRegExp(const std::string& value) {
        cardOrTicketNumberAcceptanceRegExp_ = value;
    }
    void setXmlSerializeFunction(XmlSerializeFunction value) { serialize_ = std::move(value); }

    bool isConditionSerializable() const { return static_cast<bool>(serialize_); }
    void serialize(PromotionXmlWriter& writer) const {
        if (serialize_) serialize_(writer);
    }

    void cloneFields(const ExportedPromotionCondition& other) { *this = other; }
    // The serialize function has no equality; records compare by their fields.
    friend bool operator==(const ExportedPromotionCondition& a, const ExportedPromotionCondition& b) {
        return a.id_ == b.id_ && a.name_ == b.name_ && a.guid_ == b.guid_ && a.conditionType_ == b.conditionType_ &&
               detail::samePointee(a.articles_, b.articles_) && detail::samePointee(a.groups_, b.groups_) &&
               a.productQuantityThreshold_ == b.productQuantityThreshold_ &&
               a.productValueThreshold_ == b.productValueThreshold_ &&
               a.receiptValueThreshold_ == b.receiptValueThreshold_ &&
               a.receiptValueThresholdOffset_ == b.receiptValueThresholdOffset_ && a.paymentRef_ == b.paymentRef_ &&
               a.paymentValue_ == b.paymentValue_ && a.visitFrequencyPeriod_ == b.visitFrequencyPeriod_ &&
               a.visitFrequencyThreshold_ == b.visitFrequencyThreshold_ &&
               a.visitFrequencyThresholdOffset_ == b.visitFrequencyThresholdOffset_ &&
               a.cardOrTicketNumberAcceptanceRegExp_ == b.cardOrTicketNumberAcceptanceRegExp_;
    }

private:
    std::optional<unsigned> id_;
    std::string name_;
    std::string guid_;
    Type conditionType_ = GroupsQuantityValue;
    ArticleListPtr articles_;
    GroupListPtr groups_;
    std::optional<double> productQuantityThreshold_;
    std::optional<double> productValueThreshold_;
    std::optional<double> receiptValueThreshold_;
    std::optional<double> receiptValueThresholdOffset_;
    std::optional<unsigned> paymentRef_;
    std::optional<double> paymentValue_;
    std::optional<int> visitFrequencyPeriod_;
    std::optional<int> visitFrequencyThreshold_;
    std::optional<int> visitFrequencyThresholdOffset_;
    std::string cardOrTicketNumberAcceptanceRegExp_;
    XmlSerializeFunction serialize_;
};

// Host contract: an exported record class, its accessors named as other modules call them.
class ExportedPromotionProfit {
public:
    // Host contract: profit type codes.
    enum Type : int {
        BoughtProductRebate = 1,
        Gratis = 2,
        Present = 3,
        BasketRebate = 4,
        LoyaltyPoints = 5,
        ReceiptMessage = 6,
        LoyaltyAccountDiscountForSoldArticle = 7,
        NextPurchaseVoucher = 8,
        FixedPriceForList = 9,
        LotteryTicket = 10,
    };
    // Host contract: the rebate types of the promotion library, same numbers.
    enum DiscountType : int {
        None = 0,
        Value = 1,
        Percentage = 2,
        PercentageOfCheapest = 3,
        FixedPrice = 4,
    };
    using HandlingMode = Promotion::LoyaltyAccountDiscountForSoldArticleBenefit::GroupDiscountHandlingMode::Type;

    std::optional<unsigned> getId() const { return id_; }
    void setId(std::optional<unsigned> value) { id_ = value; }
    Type getProfitType() const { return profitType_; }
    void setProfitType(Type value) { profitType_ = value; }
    Promotion::Accomplishment::Type getAccomplishmentType() const { return accomplishmentType_; }
    void setAccomplishmentType(Promotion::Accomplishment::Type value) { accomplishmentType_ = value; }
    DiscountType getDiscountType() const { return discountType_; }
    void setDiscountType(DiscountType value) { discountType_ = value; }
    std::optional<double> getDiscountValue() const { return discountValue_; }
    void setDiscountValue(std::optional<double> value) { discountValue_ = value; }
    std::optional<double> getPercentageDiscount() const { return percentageDiscount_; }
    void setPercentageDiscount(std::optional<double> value) { percentageDiscount_ = value; }
    std::optional<unsigned> getArticleRef() const { return articleRef_; }
    void setArticleRef(std::optional<unsigned> value) { articleRef_ = value; }
    std::optional<double> getArticleQuantity() const { return articleQuantity_; }
    void setArticleQuantity(std::optional<double> value) { articleQuantity_ = value; }
    std::optional<double> getArticleSellPrice() const { return articleSellPrice_; }
    void setArticleSellPrice(std::optional<double> value) { articleSellPrice_ = value; }
    ArticleListPtr getArticles() const { return articles_; }
    void setArticles(ArticleListPtr value) { articles_ = std::move(value); }
    GroupListPtr getGroups() const { return groups_; }
    void setGroups(GroupListPtr value) { groups_ = std::move(value); }
    std::optional<std::string> getGroupIndex() const { return groupIndex_; }
    void setGroupIndex(std::optional<std::string> value) { groupIndex_ = std::move(value); }
    std::optional<unsigned> getGiftRef() const { return giftRef_; }
    void setGiftRef(std::optional<unsigned> value) { giftRef_ = value; }
    std::optional<double> getGiftQuantity() const { return giftQuantity_; }
    void setGiftQuantity(std::optional<double> value) { giftQuantity_ = value; }
    std::optional<HandlingMode> getHandlingMode() const { return handlingMode_; }
    void setHandlingMode(std::optional<HandlingMode> value) { handlingMode_ = value; }
    std::string getTicketTag() const { return ticketTag_; }
    void setTicketTag(const std::string& value) { ticketTag_ = value; }
    std::optional<int> getTicketActivationAfterDays() const { return ticketActivationAfterDays_; }
    void setTicketActivationAfterDays(std::optional<int> value) { ticketActivationAfterDays_ = value; }
    std::optional<int> getTicketExpiresAfterDays() const { return ticketExpiresAfterDays_; }
    void setTicketExpiresAfterDays(std::optional<int> value) { ticketExpiresAfterDays_ = value; }
    void setXmlSerializeFunction(XmlSerializeFunction value) { serialize_ = std::move(value); }

    bool isProfitSerializable() const { return static_cast<bool>(serialize_); }
    void serialize(PromotionXmlWriter& writer) const {
        if (serialize_) serialize_(writer);
    }

    void cloneFields(const ExportedPromotionProfit& other) { *this = other; }
    friend bool operator==(const ExportedPromotionProfit& a, const ExportedPromotionProfit& b) {
        return a.id_ == b.id_ && a.profitType_ == b.profitType_ && a.accomplishmentType_ == b.accomplishmentType_ &&
               a.discountType_ == b.discountType_ && a.discountValue_ == b.discountValue_ &&
               a.percentageDiscount_ == b.percentageDiscount_ && a.articleRef_ == b.articleRef_ &&
               a.articleQuantity_ == b.articleQuantity_ && a.articleSellPrice_ == b.articleSellPrice_ &&
               detail::samePointee(a.articles_, b.articles_) && detail::samePointee(a.groups_, b.groups_) &&
               a.groupIndex_ == b.groupIndex_ && a.giftRef_ == b.giftRef_ && a.giftQuantity_ == b.giftQuantity_ &&
               a.handlingMode_ == b.handlingMode_ && a.ticketTag_ == b.ticketTag_ &&
               a.ticketActivationAfterDays_ == b.ticketActivationAfterDays_ &&
               a.ticketExpiresAfterDays_ == b.ticketExpiresAfterDays_;
    }

private:
    std::optional<unsigned> id_;
    Type profitType_ = BoughtProductRebate;
    Promotion::Accomplishment::Type accomplishmentType_ = Promotion::Accomplishment::Immediately;
    DiscountType discountType_ = None;
    std::optional<double> discountValue_;
    std::optional<double> percentageDiscount_;
    std::optional<unsigned> articleRef_;
    std::optional<double> articleQuantity_;
    std::optional<double> articleSellPrice_;
    ArticleListPtr articles_;
    GroupListPtr groups_;
    std::optional<std::string> groupIndex_;
    std::optional<unsigned> giftRef_;
    std::optional<double> giftQuantity_;
    std::optional<HandlingMode> handlingMode_;
    std::string ticketTag_;
    std::optional<int> ticketActivationAfterDays_;
    std::optional<int> ticketExpiresAfterDays_;
    XmlSerializeFunction serialize_;
};

// Host contract: the collections a promotion holds its records in.
using ExportedPromotionConditionCollection = ExportedRecordCollection<ExportedPromotionCondition>;
using ExportedPromotionProfitCollection = ExportedRecordCollection<ExportedPromotionProfit>;
using ExportedPromotionConditionCollectionPtr = std::shared_ptr<ExportedPromotionConditionCollection>;
using ExportedPromotionProfitCollectionPtr = std::shared_ptr<ExportedPromotionProfitCollection>;

// Host contract: an exported record class, its accessors named as other modules call them.
class ExportedPromotion {
public:
    // Host contract: a cancelled promotion is sent so that the registers drop it.
    enum class Status : int {
        Active = 1,
        Cancelled = 2,
    };

    std::optional<unsigned> getId() const { return id_; }
    void setId(std::optional<unsigned> value) { id_ = value; }
    std::string getName() const { return name_; }
    void setName(const std::string& value) { name_ = value; }
    double getBeginDate() const { return beginDate_; }
    void setBeginDate(double value) { beginDate_ = value; }
    double getEndDate() const { return endDate_; }
    void setEndDate(double value) { endDate_ = value; }
    int getBeginTimeFromMidnightInSeconds() const { return beginTime_; }
    void setBeginTimeFromMidnightInSeconds(int value) { beginTime_ = value; }
    int getEndTimeFromMidnightInSeconds() const { return endTime_; }
    void setEndTimeFromMidnightInSeconds(int value) { endTime_ = value; }
    bool getRepeatability() const { return repeatability_; }
    void setRepeatability(bool value) { repeatability_ = value; }
    std::string getExternalGuid() const { return externalGuid_; }
    void setExternalGuid(const std::string& value) { externalGuid_ = value; }
    std::string getExternalId() const { return externalId_; }
    void setExternalId(const std::string& value) { externalId_ = value; }
    Status getStatus() const { return status_; }
    void setStatus(Status value) { status_ = value; }
    std::string getCommunique() const { return communique_; }
    void setCommunique(const std::string& value) { communique_ = value; }
    bool getSimple() const { return simple_; }
    void setSimple(bool value) { simple_ = value; }
    bool getWelcome() const { return welcome_; }
    void setWelcome(bool value) { welcome_ = value; }
    XmlSerializeFunction getSerializeParametersFunction() const { return serializeParameters_; }
    void setSerializeParametersFunction(XmlSerializeFunction value) { serializeParameters_ = std::move(value); }
    std::wstring getActivatorsXml() const { return activatorsXml_; }
    void setActivatorsXml(const std::wstring& value) { activatorsXml_ = value; }
    std::wstring getTagsXml() const { return tagsXml_; }
    void setTagsXml(const std::wstring& value) { tagsXml_ = value; }
    ExportedPromotionConditionCollectionPtr getConditions() const { return conditions_; }
    void setConditions(ExportedPromotionConditionCollectionPtr value) { conditions_ = std::move(value); }
    ExportedPromotionProfitCollectionPtr getProfits() const { return profits_; }
    void setProfits(ExportedPromotionProfitCollectionPtr value) { profits_ = std::move(value); }

    void cloneFields(const ExportedPromotion& other) { *this = other; }
    friend bool operator==(const ExportedPromotion& a, const ExportedPromotion& b) {
        return a.id_ == b.id_ && a.name_ == b.name_ && a.beginDate_ == b.beginDate_ && a.endDate_ == b.endDate_ &&
               a.beginTime_ == b.beginTime_ && a.endTime_ == b.endTime_ && a.repeatability_ == b.repeatability_ &&
               a.externalGuid_ == b.externalGuid_ && a.externalId_ == b.externalId_ && a.status_ == b.status_ &&
               a.communique_ == b.communique_ && a.simple_ == b.simple_ && a.welcome_ == b.welcome_ &&
               a.activatorsXml_ == b.activatorsXml_ && a.tagsXml_ == b.tagsXml_ &&
               detail::samePointee(a.conditions_, b.conditions_) && detail::samePointee(a.profits_, b.profits_);
    }

private:
    std::optional<unsigned> id_;
    std::string name_;
    double beginDate_ = 0.0;
    double endDate_ = 0.0;
    int beginTime_ = 0;
    int endTime_ = 0;
    bool repeatability_ = false;
    std::string externalGuid_;
    std::string externalId_;
    Status status_ = Status::Active;
    std::string communique_;
    bool simple_ = false;
    bool welcome_ = false;
    XmlSerializeFunction serializeParameters_;
    std::wstring activatorsXml_;
    std::wstring tagsXml_;
    ExportedPromotionConditionCollectionPtr conditions_ = std::make_shared<ExportedPromotionConditionCollection>();
    ExportedPromotionProfitCollectionPtr profits_ = std::make_shared<ExportedPromotionProfitCollection>();
};

// Host contract: an exported record class, its accessors named as other modules call them.
class ExportedPromotionGift {
public:
    std::optional<unsigned> getId() const { return id_; }
    void setId(std::optional<unsigned> value) { id_ = value; }
    std::string getName() const { return name_; }
    void setName(const std::string& value) { name_ = value; }

    void cloneFields(const ExportedPromotionGift& other) { *this = other; }
    friend bool operator==(const ExportedPromotionGift&, const ExportedPromotionGift&) = default;

private:
    std::optional<unsigned> id_;
    std::string name_;
};

using ExportedPromotionPtr = std::shared_ptr<ExportedPromotion>;

}  // namespace Kolvenia
