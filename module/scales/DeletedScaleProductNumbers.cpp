#include "scales/DeletedScaleProductNumbers.h"

#include <algorithm>

#include "core/I18n.h"

namespace Devices {

DeletedScaleProductNumbersQuery::QueryNotOpenedError::QueryNotOpenedError(const Core::SrcInfo& place)
    : PlacedLogicError(Core::I18n::translate("Zapytanie o dawne numery towarów na wagach nie zostało otwarte."),
                       place) {}

void DeletedScaleProductNumbersQuery::open() {
    // Host contract: the statement text.
    query_.emplace("select ProductId, SectionNumber, NumberOnScale from DeletedProductScaleNumber", session_);
    started_ = false;
}

bool DeletedScaleProductNumbersQuery::next() {
    if (!query_) throw QueryNotOpenedError(CORE_SRC_INFO("Devices::DeletedScaleProductNumbersQuery::next"));
    // The opened query already stands on its first row.
    if (started_ && *query_) query_->next();
    started_ = true;
    if (!*query_) return false;
    record_.productId_ = (*query_)["ProductId"].asInt();
    record_.sectionNumber_ = (*query_)["SectionNumber"].asInt();
    record_.numberOnScale_ = (*query_)["NumberOnScale"].asInt();
    return true;
}

const IDeletedScaleProductNumbersRecord& DeletedScaleProductNumbersQuery::current() const {
    if (!query_) throw QueryNotOpenedError(CORE_SRC_INFO("Devices::DeletedScaleProductNumbersQuery::current"));
    return record_;
}

void DeletedScaleProductNumbers::load(const std::set<ScaleId>& scales) {
    numbers_.clear();
    query_->open();
    while (query_->next()) {
        const auto& row = query_->current();
        const bool concernsScales = std::any_of(
            scales.begin(), scales.end(), [&](const ScaleId& scale) { return scale.section == row.sectionNumber(); });
        if (concernsScales) numbers_[row.productId()].insert({row.sectionNumber(), row.numberOnScale()});
    }
}

const IDeletedScaleProductNumbers::Numbers& DeletedScaleProductNumbers::numbersForProduct(int productId) const {
    static const Numbers none;
    const auto found = numbers_.find(productId);
    return found == numbers_.end() ? none : found->second;
}

}  // namespace Devices
