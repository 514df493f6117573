#include "plu/SendPluForm.h"

#include "tools/PluStatus.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "business/ChangeHistory.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "forms/BrowserFilter.h"
#include "forms/FormKernel.h"
#include "forms/Termination.h"
#include "frame/Configuration.h"
#include "labels/LabelsSenderFactory.h"
#include "labels/StockChangeLabels.h"
#include "plu/PluOrigin.h"

using Core::I18n::translate;

namespace {

int valueOf(Db::TDataSet& rows, const char* name) {
    const Db::TField& field = rows.FieldByName(name);
    return field.IsNull() ? 0 : field.AsInteger();
}

std::optional<double> priceOf(Db::TDataSet& rows, const char* name) {
    const Db::TField& field = rows.FieldByName(name);
    return field.IsNull() ? std::nullopt : std::optional<double>(field.AsFloat());
}

// The rows of a query as one text: equal texts, equal rows.
std::string contentsOf(Db::TDataSet& query) {
    std::string contents;
    for (query.Open(); !query.Eof(); query.Next()) {
        for (int i = 0; i < query.FieldCount(); ++i) {
            const Db::TField& field = query.Fields(i);
            contents += field.IsNull() ? std::string("\x01") : field.AsString();
            contents += '\x1f';
        }
        contents += '\n';
    }
    query.Close();
    return contents;
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
    : session_(session), today_(today), engine_(ETransKindName::Immediate, session_) {
    engine_.CreateDataSet(today);
    recordCount_ = engine_.getRecordCount();
    takeRows();
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

void TSendPluForm::takeRows() {
    Db::TDataSet& query = rows();
    shown_.clear();
    for (query.First(); !query.Eof(); query.Next()) {
        Row row;
        for (std::size_t i = 0; i < columns.size(); ++i) row.cells[i] = query.FieldByName(columns[i].field).AsString();
        row.productRef = valueOf(query, "lTowarRef");
        row.status = valueOf(query, "byStatus");
        row.newPrice = priceOf(query, "dCenaSprzedWar");
        row.currentPrice = priceOf(query, "dCenaSprzedTowar");
        shown_.push_back(std::move(row));
    }
    moveTo(current_);
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
    modified_.clear();
    current_ = std::min(current_, std::max(rows().RecordCount() - 1, 0));
    takeRows();
}

void TSendPluForm::setIncludePriceless(bool include) {
    engine_.setIncludePriceless(include);
    includePriceless_ = include;
    selected_.clear();
    current_ = 0;
    takeRows();
}

void TSendPluForm::send(Core::ThreadUserIo::ISteppableProgressIndicator& progress, std::function<void()> tick) {
    // Host contract: the audit entry and the messages.
    TLogHistoriaZmian::logItem("Operacje", "NWYSLANIEPLUDOKAS", translate("Wysłanie PLU do kas"), 3, session_);
    {
        FormKernel::TerminationBlock noLogOut;
        RunningFlag running(running_);
        const TUrzadzenieCollectionPtr registers = Kolvenia::kolekcjaZainstalowanychKas();
        if (!registers || registers->size() == 0)
            throw Core::PlacedRuntimeError(translate("Brak zainstalowanych kas."), CORE_SRC_INFO("TSendPluForm::send"));
        progress.setText(translate("Trwa komunikacja z urządzeniami..."));
        progress.setMaximum(engine_.getRecordCount());
        engine_.SetupTickMethod(std::move(tick));
        engine_.resetCounters();
        std::string status;
        if (!engine_.ProcessDataSet(status, progress)) FormKernel::messageBoxes()->error(status);
        engine_.SetupTickMethod({});
    }
    FormKernel::messageBoxes()->warning(PluTransmission::operationSummary(engine_.counters()));
}

bool TSendPluForm::labelsEnabled() const { return Labels::electronicLabelsSwitchedOn(); }

void TSendPluForm::sendLabels(Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    progress.setText(translate("Trwa komunikacja z urządzeniami..."));
    refresh();
    // Host contract: the key naming the label sender's class.
    const auto className =
        Kolvenia::Config::key({"Parametry sklepu", "Towary", "Etykiety elektroniczne", "Klasa eksportu"});
    auto sender = LabelsSenderFactory::createLabelsSender(className.GetVal<std::string>());
    progress.setMaximum(static_cast<long long>(shown_.size()));
    sender->beginSending(static_cast<int>(today_));
    Db::TDataSet& query = rows();
    for (query.First(); !query.Eof(); query.Next()) {
        const auto newPrice = priceOf(query, "dCenaSprzedWar");
        const auto currentPrice = priceOf(query, "dCenaSprzedTowar");
        // Only a rise needs a new label before the shelf price goes up.
        if (newPrice && currentPrice && *currentPrice < *newPrice) sender->sendTowar(query);
        progress.step(1);
    }
    sender->endSending();
    progress.finish();
    moveTo(current_);
}

void TSendPluForm::browseProduct(FormKernel::IBaseForm* parent) {
    // Host contract: the product browser and its condition.
    browse("TbrTowar", "and t.lTowarRef = ", parent);
}

void TSendPluForm::browseSaleConditions(FormKernel::IBaseForm* parent) {
    // Host contract: the sale-conditions browser.
    browse("TbrWarunkiSprz", "and w.lTowarRef = ", parent);
}

void TSendPluForm::browse(const char* browserClass, const std::string& condition, FormKernel::IBaseForm* parent) {
    if (shown_.empty()) return;
    const int product = shown_.at(static_cast<std::size_t>(current_)).productRef;
    // The browsers do not say what they changed: the product's rows before and after tell.
    const std::string before = productState(product);
    FormKernel::TBrowserFilter filter(condition + std::to_string(product));
    FormKernel::showModalForm(browserClass, {}, filter, parent, formClass);
    if (productState(product) == before) return;
    modified_.insert(product);
    if (std::exchange(modifiedExplained_, true)) return;
    // Host contract: the message about changed records (two spaces before "kolejnego").
    FormKernel::messageBoxes()->information(
        translate("Zmodyfikowane rekordy zostaną zaznaczone kolorem szarym. Ich aktualne wartości będą wyświetlone "
                  "w momencie  kolejnego odświeżenia danych (Ctrl+R)."));
}

std::string TSendPluForm::productState(int productRef) {
    const std::string ref = std::to_string(productRef);
    Db::TDataSet query(session_);
    query.SetSQL("select * from Towar where lTowarRef = " + ref);
    std::string state = contentsOf(query);
    query.SetSQL("select * from WarSprz where lTowarRef = " + ref + " order by lWarSprzRef");
    return state + contentsOf(query);
}
