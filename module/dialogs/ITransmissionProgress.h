// What the transmission progress window sees of its behaviour: the chart to draw, the
// refresh period and timer state, and the operator's commands. The behaviour itself is
// TZaawansowanieTransmisji (dialogs/TransmissionProgress.h); the window reaches it
// through this interface only.
#pragma once

#include <string>
#include <vector>

#include "core/IUnknown.h"
#include "forms/FormKernel.h"

namespace Kolvenia {

// What the window sees of the behaviour. Every operation is pure virtual, so a window
// built apart from the module reaches the module's object through the object's table.
class ITransmissionProgress : public virtual Core::IUnknown {
public:
    // Host contract: the window's form class and caption.
    static constexpr const char* formClass = "TZaawansowanieTransmisji";
    static constexpr const char* caption = "Zaawansowanie transmisji do terminali";

    // The bar's colour: red, green or gray; a gap is the empty bar between sections.
    enum class BarState { Gap, Failing, Available, Installed };

    struct Bar {
        std::string label;  // "section, scale"; empty for a gap
        int waitingPlu = 0;
        BarState state = BarState::Gap;
    };

    struct Chart {
        std::string title;
        std::string leftAxisTitle;
        std::string bottomAxisTitle;
        std::vector<Bar> bars;  // in device collection order
    };

    virtual const Chart& chart() const = 0;
    virtual int refreshInterval() const = 0;         // milliseconds
    virtual std::string refreshSeconds() const = 0;  // the period as the edit field shows it
    virtual bool timerEnabled() const = 0;
    virtual bool logButtonShown() const = 0;

    // A timer tick: recounts the waiting files and redraws the chart.
    virtual void refresh() = 0;
    // "Zastos&uj" with the text of the edit field; a wrong value is shown in an error
    // box and the period stays.
    virtual void btnZastosujClick(const std::string& typed) = 0;
    // "Za&pisz": keeps the period for the next opening.
    virtual void btnZapiszClick() = 0;
    // "Pokaż log...": the scale server's newest log in the host's text log window.
    virtual void btnPokazLogClick(FormKernel::IBaseForm* parent) = 0;
};

}  // namespace Kolvenia
