// The promotion choice behind the promotion windows: the offered promotions as lines
// (simple ones left out: they travel with their products' PLU data), the operator's
// selection, and the references chosen once the window closes.
//
//   Promotion::PromotionChoice choice(Mode::Several, "Wybór promocji", dao.getAll());
//   if (FormKernel::showModalForm(choice.formClass, args, choice, parent, "Action") && choice.accepted())
//       send(choice.chosenReferences());
#pragma once

#include <list>

#include "promotion/Promotion.h"
#include "promotions/IPromotionChoice.h"

namespace Promotion {

class PromotionChoice : public IPromotionChoice {
public:
    PromotionChoice(Mode mode, std::string caption, const std::vector<PromotionPtr>& promotions);

    std::string caption() const override { return caption_; }
    Mode mode() const override { return mode_; }
    const std::vector<Line>& lines() const override { return lines_; }
    void select(const std::set<std::size_t>& lines) override;
    bool acceptEnabled() const override;
    void accept() override;
    bool accepted() const override { return accepted_; }

    // The references of the chosen lines in list order; every line in Whole mode.
    std::list<int> chosenReferences() const;

private:
    Mode mode_;
    std::string caption_;
    std::vector<Line> lines_;
    std::set<std::size_t> selected_;
    bool accepted_ = false;
};

}  // namespace Promotion
