// The send-PLU window's behaviour, without the window: the PLU records the engine would
// send today, the operator's selection, the flag commands and the transmission. The
// window draws the engine's main query and forwards the operator's commands here.
//
//   TSendPluForm form(session, today);          // builds the day's data set
//   form.setSelected({0, 2});                    // rows of the main query, from 0
//   form.block(true);                            // "Zablokuj": written to the database
//   form.send(progress, tick);                   // the transmission and its summary
#pragma once

#include <functional>
#include <set>
#include <string>

#include "core/IUnknown.h"
#include "core/ProgressIndicator.h"
#include "db/SessionHolder.h"
#include "plu/PLUTransmissionContainer.h"

// Host contract: the window's class name and its commands.
class TSendPluForm : public virtual Core::IUnknown {
public:
    static constexpr const char* formClass = "TSendPluForm";

    // Builds the data set for the day with a transmission engine of the immediate kind.
    TSendPluForm(TSessionHolder& session, float today);

    // Status-bar panel 0: "Rekordów do wysłania: " and the count taken at opening.
    std::string recordCountText() const;
    Db::TDataSet& rows() { return engine_.getMainQuery(); }

    // The grid's current row and selection, as row indexes from 0.
    void setCurrent(int row);
    int current() const { return current_; }
    void setSelected(std::set<int> selected) { selected_ = std::move(selected); }
    const std::set<int>& selected() const { return selected_; }

    // "Zablokuj" (true) and "Odblokuj" (false); unblocking makes the PLU new again
    // unless it is to be deleted.
    void block(bool blocked);
    // "Zaznacz do natychmiastowego" (true) and "Odznacz od natychmiastowego" (false);
    // a removed immediate mark becomes an evening mark.
    void sendImmediately(bool immediate);
    // "Zaznacz do odczytu wieczornego".
    void sendInTheEvening();
    // "Odśwież": reopens the main query without rebuilding the data set.
    void refresh();
    // "Pokaż towary bez ceny".
    void setIncludePriceless(bool include);

    // "Wysłanie danych z okna do urządzeń": writes the audit entry and sends every
    // record in the window; `tick` runs every few rows so that the window can draw.
    // Raises "Brak zainstalowanych kas." when there is no installed cash register.
    // Shows a failed run's error, then the summary in a warning box.
    void send(Core::ThreadUserIo::ISteppableProgressIndicator& progress, std::function<void()> tick);
    // The window refuses to close while a transmission runs.
    bool transmissionRunning() const { return running_; }

private:
    // One flag command: edits every selected row (the current one when none is), writes
    // the edits and refreshes.
    void forEachSelected(const std::function<void(Db::TDataSet&)>& edit);
    void moveTo(int row);

    TSessionHolder session_;
    TPLUTransmissionContainer engine_;
    int recordCount_ = 0;
    int current_ = 0;
    std::set<int> selected_;
    bool running_ = false;
};
