// Host contract: the promotion access. Reads promotions from the shop tables Promotion,
// PromotionElement and PromotionElementItem, fills in their elements on request and
// records that a promotion was sent.
//
//   Promotion::PromotionOracleDao dao(session);
//   for (auto& promotion : dao.getNewAndModified()) { dao.fillElements(*promotion); ... dao.markAsSent(*promotion); }
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "promotion/Promotion.h"

namespace Promotion {

class IPromotionDao {
public:
    virtual ~IPromotionDao() = default;
    // Headers only, by ascending id.
    virtual std::vector<PromotionPtr> getAll() = 0;
    // Those never sent, and those changed since they were sent.
    virtual std::vector<PromotionPtr> getNewAndModified() = 0;
    // Letter case of the GUID ignored; empty when no promotion has it.
    virtual PromotionPtr findByGuid(const std::string& guid) = 0;
    virtual PromotionPtr findById(std::int64_t id) = 0;
    // Reads the elements in their order; an unknown element kind raises an error
    // naming the kind and the element.
    virtual void fillElements(Promotion& promotion) = 0;
    virtual void markAsSent(const Promotion& promotion) = 0;
};

class PromotionOracleDao : public IPromotionDao {
public:
    explicit PromotionOracleDao(TSessionHolder session) : session_(std::move(session)) {}

    std::vector<PromotionPtr> getAll() override;
    std::vector<PromotionPtr> getNewAndModified() override;
    PromotionPtr findByGuid(const std::string& guid) override;
    PromotionPtr findById(std::int64_t id) override;
    void fillElements(Promotion& promotion) override;
    void markAsSent(const Promotion& promotion) override;

private:
    TSessionHolder session_;
};

}  // namespace Promotion
