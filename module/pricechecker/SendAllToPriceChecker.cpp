#include "pricechecker/SendAllToPriceChecker.h"

#include <boost/format.hpp>

#include "business/ChangeHistory.h"
#include "core/Debug.h"
#include "core/I18n.h"
#include "db/DataSet.h"
#include "forms/FormKernel.h"
#include "pricechecker/DirectoryPriceChecker.h"

namespace Devices::PriceChecker {

namespace {

using Core::I18n::translate;

// The deletion rules read these; the query does not select them, so they stand empty
// (no several prices, no locks, goods) and only the state and activity rules decide.
constexpr const char* UnselectedRuleColumns[] = {"bWieleCen", "multiPriceElementSaleLocked", "locallySaleBlocked",
                                                 "byTyp"};

constexpr int TransmissionOperation = 3;

void log(const std::string& text) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(text, CORE_SRC_INFO("SendAllToPriceChecker::run"));
}

}  // namespace

SendAllToPriceChecker::SendAllToPriceChecker(TSessionHolder session, std::shared_ptr<const DevicesService> devices)
    : session_(std::move(session)), devices_(std::move(devices)) {}

const char* SendAllToPriceChecker::query() {
    return "select\t  p.lPluRef as lPluRef,\t  p.lTowarRef as lTowarRef,\t  t.sNazwa as sNazwa,\t  t.dCenaSprzed as "
           "dCenaSprzed,\t  p.sPLU as sPLU,\t  p.byStatus as byStatus,\t  nvl(p.byBlokada, 0) as byBlokada,\t  "
           "p.byHardTrStat as byHardTrStat,\t  t.skrNazwa as skrNazwa,\t  t.byVAT as byVAT,     t.nJmSprz as nJmSprz,     "
           "t.nStatusAktywnosci as nStatusAktywnosci from PLU p, Towar t where p.lTowarRef = t.lTowarRef\t  and "
           "nvl(p.byBlokada, 0) <> 1    and ( (byStatus < 3\t         and t.dCenaSprzed is not null\t         and "
           "t.dCenaSprzed <> 0)        or byStatus = 3)";
}

std::string SendAllToPriceChecker::Result::summary() const {
    return (boost::format(translate("Wysłano do PriceCheckera: %1%, plik: %2%")) % sent % file).str();
}

// Host contract: the audit-log texts, the warning and the progress texts of the dialog.
SendAllToPriceChecker::Result SendAllToPriceChecker::run(Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    TLogHistoriaZmian::logItem("Operacje", "NFUNKCJESERWISOWE", translate("Całkowite przesłanie do PriceChecker'a"),
                               TransmissionOperation, session_);
    const DirectoryPriceCheckerSettings settings = DirectoryPriceCheckerSettings::read();
    Result result;
    if (!settings.enabled) {
        FormKernel::messageBoxes()->warning(translate("Price Checker jest wyłączony!"));
        return result;
    }
    result.enabled = true;
    log("TdlgSendAllPriceChecker start");
    progress.setText(translate("Przygotowuję dane..."));
    TPriceCheckerSender sender(settings.directory);
    sender.setReloadMode();
    sender.startSending();
    result.file = sender.filePath();

    Db::TDataSet rows(session_);
    rows.SetSQL(query());
    for (const char* column : UnselectedRuleColumns) rows.AddField(column, Db::ftInteger, Db::fkCalculated);
    rows.Open();
    const int total = rows.RecordCount();
    progress.setMaximum(total);
    MeasureUnitService units(session_);
    int current = 0;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        progress.setText(translate("Trwa wysyłanie... ") + std::to_string(++current) + translate(" z ") +
                         std::to_string(total));
        progress.step(1);
        // A code that is not a PLU code cannot be scanned: it is left out.
        const auto code = TPriceCheckerSender::codeOf(rows.FieldByName("sPLU").AsString());
        if (!code || devices_->isPluToBeDeletedFromDevices(&rows)) continue;
        sender.sendTowar(*code, rows.FieldByName("sNazwa").AsString(), rows.FieldByName("dCenaSprzed").AsFloat(),
                         units.getSymbolFromCode(rows.FieldByName("nJmSprz").AsInteger()));
        ++result.sent;
    }
    sender.endSending();
    progress.finish();
    log("TdlgSendAllPriceChecker end");
    return result;
}

}  // namespace Devices::PriceChecker
