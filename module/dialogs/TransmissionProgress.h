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

#include <string>
#include <vector>

#include "core/Action.h"
#include "core/Registration.h"
#include "devicedefs/UrzadzenieCollection.h"
#include "dialogs/ITransmissionProgress.h"

namespace Kolvenia {

// Host contract: the window's class, its saved value and its default.
class TZaawansowanieTransmisji : public ITransmissionProgress {
public:
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
