// The send-PLU window's behaviour, without the window: the PLU records the engine would
// send today, the operator's selection, the flag commands and the transmission. The
// window draws shownRows() and forwards the operator's commands here.
//
//   TSendPluForm form(session, today);          // builds the day's data set
//   form.setSelected({0, 2});                    // rows of the main query, from 0
//   form.block(true);                            // "Zablokuj": written to the database
//   form.send(progress, tick);                   // the transmission and its summary
#pragma once

#include <functional>
#include <set>
#include <string>

#include "db/SessionHolder.h"
#include "plu/ISendPluWindow.h"
#include "plu/PLUTransmissionContainer.h"

// Host contract: the window's class name and its commands.
class TSendPluForm : public ISendPluWindow {
public:
    static constexpr const char* formClass = "TSendPluForm";

    // Builds the data set for the day with a transmission engine of the immediate kind.
    TSendPluForm(TSessionHolder& session, float today);

    std::string recordCountText() const override;
    Db::TDataSet& rows() { return engine_.getMainQuery(); }
    const std::vector<Row>& shownRows() const override { return shown_; }

    void setCurrent(int row) override;
    int current() const override { return current_; }
    void setSelected(std::set<int> selected) override { selected_ = std::move(selected); }
    const std::set<int>& selected() const override { return selected_; }

    // Unblocking makes the PLU new again unless it is to be deleted.
    void block(bool blocked) override;
    // A removed immediate mark becomes an evening mark.
    void sendImmediately(bool immediate) override;
    void sendInTheEvening() override;
    // Does not rebuild the data set.
    void refresh() override;
    void setIncludePriceless(bool include) override;
    bool includePriceless() const override { return includePriceless_; }

    // Writes the audit entry first; shows a failed run's error, then the summary.
    void send(Core::ThreadUserIo::ISteppableProgressIndicator& progress, std::function<void()> tick) override;
    bool transmissionRunning() const override { return running_; }

    bool labelsEnabled() const override;
    // Refreshes, then hands the sender of "Klasa eksportu" every record whose condition
    // price is above the product's price; the sender writes and uploads the files.
    void sendLabels(Core::ThreadUserIo::ISteppableProgressIndicator& progress) override;

    void browseProduct(FormKernel::IBaseForm* parent) override;
    void browseSaleConditions(FormKernel::IBaseForm* parent) override;
    bool modified(int productRef) const override { return modified_.count(productRef) != 0; }

private:
    // One flag command: edits every selected row (the current one when none is), writes
    // the edits and refreshes.
    void forEachSelected(const std::function<void(Db::TDataSet&)>& edit);
    void moveTo(int row);
    void takeRows();
    // Opens the browser on the current product; marks the product when its rows changed.
    void browse(const char* browserClass, const std::string& condition, FormKernel::IBaseForm* parent);
    std::string productState(int productRef);

    TSessionHolder session_;
    float today_;
    TPLUTransmissionContainer engine_;
    int recordCount_ = 0;
    int current_ = 0;
    std::set<int> selected_;
    std::vector<Row> shown_;
    std::set<int> modified_;
    bool modifiedExplained_ = false;
    bool includePriceless_ = false;
    bool running_ = false;
};
