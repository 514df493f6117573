#include "plu/SendPluForm.h"

#include "tools/PluStatus.h"

#include <algorithm>

#include "business/ChangeHistory.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "forms/FormKernel.h"
#include "plu/PluOrigin.h"

using Core::I18n::translate;

namespace {

int valueOf(Db::TDataSet& rows, const char* name) {
    const Db::TField& field = rows.FieldByName(name);
    return field.IsNull() ? 0 : field.AsInteger();
}

// Clears the flag even when the transmission fails, so that the window can close.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

TSendPluForm::TSendPluForm(TSessionHolder& session, float today)
    : session_(session), engine_(ETransKindName::Immediate, session_) {
    engine_.CreateDataSet(today);
    recordCount_ = engine_.getRecordCount();
}

std::string TSendPluForm::recordCountText() const {
    // Host contract: the status text.
    return translate("Rekordów do wysłania: ") + std::to_string(recordCount_);
}

void TSendPluForm::setCurrent(int row) {
    moveTo(row);
    current_ = row;
}

void TSendPluForm::moveTo(int row) {
    Db::TDataSet& query = rows();
    query.First();
    for (int i = 0; i < row && !query.Eof(); ++i) query.Next();
}

void TSendPluForm::forEachSelected(const std::function<void(Db::TDataSet&)>& edit) {
    Db::TDataSet& query = rows();
    query.DisableControls();
    if (selected_.empty()) selected_.insert(current_);
    for (int row : selected_) {
        moveTo(row);
        if (query.Eof()) continue;
        query.Edit();
        edit(query);
        query.Post();
    }
    engine_.applyChanges();
    query.EnableControls();
    refresh();
}

void TSendPluForm::block(bool blocked) {
    forEachSelected([blocked](Db::TDataSet& row) {
        if (valueOf(row, "byBlokada") != 0 && !blocked && valueOf(row, "byStatus") != Plu::Status::ToDelete)
            row.FieldByName("byStatus") = Plu::Status::New;
        row.FieldByName("byBlokada") = blocked ? 1 : 0;
    });
}

void TSendPluForm::sendImmediately(bool immediate) {
    forEachSelected([immediate](Db::TDataSet& row) {
        if (valueOf(row, "bySendNat") != 0 && !immediate) row.FieldByName("bySendWiecz") = 1;
        row.FieldByName("bySendNat") = immediate ? 1 : 0;
    });
}

void TSendPluForm::sendInTheEvening() {
    forEachSelected([](Db::TDataSet& row) { row.FieldByName("bySendWiecz") = 1; });
}

void TSendPluForm::refresh() {
    rows().Close();
    rows().Open();
    selected_.clear();
    setCurrent(std::min(current_, std::max(rows().RecordCount() - 1, 0)));
}

void TSendPluForm::setIncludePriceless(bool include) {
    engine_.setIncludePriceless(include);
    selected_.clear();
    setCurrent(0);
}

void TSendPluForm::send(Core::ThreadUserIo::ISteppableProgressIndicator& progress, std::function<void()> tick) {
    // Host contract: the audit entry and the messages.
    TLogHistoriaZmian::logItem("Operacje", "NWYSLANIEPLUDOKAS", translate("Wysłanie PLU do kas"), 3, session_);
    {
        RunningFlag running(running_);
        const TUrzadzenieCollectionPtr registers = Kolvenia::kolekcjaZainstalowanychKas();
        if (!registers || registers->size() == 0)
            throw Core::PlacedRuntimeError(translate("Brak zainstalowanych kas."), CORE_SRC_INFO("TSendPluForm::send"));
        progress.setText(translate("Trwa komunikacja z urządzeniami..."));
        engine_.SetupTickMethod(std::move(tick));
        engine_.resetCounters();
        std::string status;
        if (!engine_.ProcessDataSet(status, progress)) FormKernel::messageBoxes()->error(status);
        engine_.SetupTickMethod({});
    }
    FormKernel::messageBoxes()->warning(PluTransmission::operationSummary(engine_.counters()));
}
