// The transmission progress window's behaviour, without the window: for every enabled
// scale, how many PLUs still wait in the scale server's data directory and whether the
// server reported an error for it, drawn as one bar per scale; the refresh period the
// window's timer runs with; the scale server's newest log. The window only draws the
// chart, runs the timer and forwards the operator's clicks.
//
//   auto progress = std::make_shared<Kolvenia::TZaawansowanieTransmisji>();
//   progress->open();                  // raises "Nie można utworzyć kolekcji urządzeń."
//   for (const auto& bar : progress->chart().bars) ...
//   progress->btnZastosujClick("2.5"); // refresh every 2500 ms
//
// The action registered for the menu item opens it through the host's form kernel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Action.h"
#include "core/IUnknown.h"
#include "core/Registration.h"
#include "devicedefs/UrzadzenieCollection.h"
#include "forms/FormKernel.h"

namespace Kolvenia {

// What the window sees of the behaviour. Every operation is pure virtual, so a window
// built apart from the module reaches the module's object through the object's table.
class ITransmissionProgress : public virtual Core::IUnknown {
public:
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

// Host contract: the window's form class, caption, saved value and chart texts.
class TZaawansowanieTransmisji : public ITransmissionProgress {
public:
    static constexpr const char* formClass = "TZaawansowanieTransmisji";
    static constexpr const char* caption = "Zaawansowanie transmisji do terminali";
    static constexpr const char* intervalValueName = "AdwRefreshInterval";
    static constexpr int defaultInterval = 5000;

    // Takes every device, reads the saved period, starts the timer and refreshes once.
    // Raises "Nie można utworzyć kolekcji urządzeń." without devices, and the scale
    // server's path error when one of its directories is missing.
    void open();

    const Chart& chart() const override { return chart_; }
    int refreshInterval() const override { return interval_; }
    std::string refreshSeconds() const override;
    bool timerEnabled() const override { return timerEnabled_; }
    bool logButtonShown() const override { return logButtonShown_; }

    void refresh() override;
    void btnZastosujClick(const std::string& typed) override;
    void btnZapiszClick() override;
    void btnPokazLogClick(FormKernel::IBaseForm* parent) override;

private:
    // What is known of one device; only scales are filled.
    struct Entry {
        int section = 0;
        int scale = 0;
        int waitingPlu = 0;
        bool available = false;
        bool enabled = false;
        bool error = false;
        bool filled = false;
    };

    void drawChart();

    TUrzadzenieCollectionPtr devices_;
    std::vector<Entry> entries_;
    Chart chart_;
    int interval_ = defaultInterval;
    bool timerEnabled_ = false;
    bool logButtonShown_ = false;
};

namespace TransmissionProgress {

// Host contract: the class name of dialog-opening actions; opens the window from
// ".miTransmisje.miZaawansowanieTransmisji".
class CFormCreator : public Core::IAction, public Core::IExecutor {
public:
    static constexpr const char* menuPath = ".miTransmisje.miZaawansowanieTransmisji";

    java::pointer<Core::IUnknown> execute(java::pointer<Core::IUnknown> args) override;
};

void registerTransmissionProgressObjects(Core::ModuleRegistrationList& list);

}  // namespace TransmissionProgress

}  // namespace Kolvenia
