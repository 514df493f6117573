#include "promotions/PromotionChoice.h"

#include <stdexcept>

#include "core/DateTime.h"
#include "core/I18n.h"

namespace Promotion {

namespace {

std::string sendStateText(SendStatus status) {
    switch (status) {
    case SendStatus::New: return Core::I18n::translate("nowa");
    case SendStatus::Sent: return Core::I18n::translate("wysłana");
    case SendStatus::Modified: return Core::I18n::translate("zmieniona");
    }
    return {};
}

}  // namespace

PromotionChoice::PromotionChoice(Mode mode, std::string caption, const std::vector<PromotionPtr>& promotions)
    : mode_(mode), caption_(std::move(caption)) {
    for (const auto& promotion : promotions) {
        if (isSimplePromotion(*promotion)) continue;
        const PromotionHeader& header = promotion->header();
        lines_.push_back(
            {header.id, header.number, header.name, Core::DateTime::formatDate(static_cast<int>(header.saleDateFrom)),
             Core::DateTime::formatDate(static_cast<int>(header.saleDateTo)), sendStateText(header.sendStatus)});
    }
}

void PromotionChoice::select(const std::set<std::size_t>& lines) {
    if (!lines.empty() && *lines.rbegin() >= lines_.size()) throw std::out_of_range("PromotionChoice::select");
    if (mode_ == Mode::One && lines.size() > 1) throw std::invalid_argument("PromotionChoice::select: one line only");
    selected_ = lines;
}

bool PromotionChoice::acceptEnabled() const { return mode_ == Mode::Whole ? !lines_.empty() : !selected_.empty(); }

void PromotionChoice::accept() {
    if (acceptEnabled()) accepted_ = true;
}

std::list<int> PromotionChoice::chosenReferences() const {
    std::list<int> references;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (mode_ == Mode::Whole || selected_.count(i)) references.push_back(static_cast<int>(lines_[i].reference));
    return references;
}

}  // namespace Promotion
