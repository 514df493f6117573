// What the labels stock-export window sees of its behaviour: the window gathers the
// first and the last day and hands them to accept, which exports and tells the
// operator the outcome in the host's message boxes. Every operation is pure virtual,
// so a window built apart from the module reaches the module's object through its own
// table, without linking the module.
#pragma once

#include "core/IUnknown.h"

namespace Labels {

class IElectronicLabelsStockExport : public virtual Core::IUnknown {
public:
    // Host contract: the dialog's window class and caption.
    static constexpr const char* formClass = "TSendElectronicLabelsDialog";
    static constexpr const char* caption = "Towary - eksport el. etyk.";

    // Days are host day numbers. Answers whether the export ran to its end (a range
    // without changes counts); after a failure the window stays open for another try.
    virtual bool accept(int firstDay, int lastDay) = 0;
};

}  // namespace Labels
