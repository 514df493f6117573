// What the promotion choice window sees of its behaviour: the promotions offered (read
// from the promotion tables before the window opens) and the operator's choice among
// them. The window draws the lines, forwards the selection and the two buttons; every
// operation is pure virtual, so a window built apart from the module reaches the
// module's object through its own table, without linking the module.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/IUnknown.h"

namespace Promotion {

class IPromotionChoice : public virtual Core::IUnknown {
public:
    // The window class the promotion windows open.
    static constexpr const char* formClass = "TPromotionChoice";

    // What the operator may do: pick several, pick one, or look over the whole list
    // (every line goes) before sending it.
    enum class Mode { Several, One, Whole };

    struct Line {
        std::int64_t reference = 0;
        std::string number;
        std::string name;
        std::string saleDateFrom;  // "dd.mm.yyyy"
        std::string saleDateTo;
        std::string sendState;  // "nowa", "wysłana", "zmieniona"
    };

    virtual std::string caption() const = 0;
    virtual Mode mode() const = 0;
    virtual const std::vector<Line>& lines() const = 0;

    // The operator selects lines (by position); in Whole mode the selection is ignored,
    // in One mode only a single line may be chosen.
    virtual void select(const std::set<std::size_t>& lines) = 0;
    virtual bool acceptEnabled() const = 0;
    virtual void accept() = 0;
    virtual bool accepted() const = 0;
};

}  // namespace Promotion
