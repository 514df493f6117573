#include "plu/ProcessAndSendActions.h"

#include <boost/format.hpp>
#include <sstream>

#include "business/ChangeHistory.h"
#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Kolekcje.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "plu/PLUTransmissionContainer.h"

namespace {

using Core::I18n::translate;

Core::ThreadUserIo::NullProgressIndicator noProgress;

struct ProgressSet {
    Core::ThreadUserIo::ISteppableProgressIndicator* indicator = nullptr;
    std::function<void()> tick;
    unsigned char flag = 0;
};

ProgressSet progressOf(Core::IUnknown& args) {
    if (args.is<IVisualPluSender>()) {
        auto& visual = args.as<IVisualPluSender>();
        return {&visual.getProgressIndicator(), visual.getTickCallback(), visual.getResultFlag()};
    }
    if (args.is<Core::IProgressIndicatorGetter>())
        return {&args.as<Core::IProgressIndicatorGetter>().getProgressIndicator(), {}, 0};
    return {};
}

// The summary of the day's transmission, written to the action's stream.
void writeFullSummary(std::ostream& out, const PluTransmission::PluCounters& counters) {
    out << boost::format(translate(
               "Przetwarzanie PLU zakończone.\n\nStatus:\n   Przetworzono rekordów: %1%\n   Wysłano do urządzeń: %2%\n\n")) %
               counters.processed % counters.sent;
    if (!counters.anyNotSent()) return;
    out << boost::format(translate(
               "   Nie wysłano ze względu na flagi lub brak ceny: %1%\n   Nie wysłano ze względu na błędne przypisania cen z warunków: %2%\n\n"
               "   Nie wysłano ze względu na błędy transakcji: %3%\n\n")) %
               counters.notSentFlagsOrPrice % counters.wrongConditionPrices % counters.transactionErrors;
}

}  // namespace

java::pointer<Core::IUnknown> ActionProcessAndSendPLU::execute(java::pointer<Core::IUnknown> args) {
    const int day = Core::DateTime::today();
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    const ProgressSet progress = progressOf(*args);
    out << boost::format(translate("[%1%]: Rozpoczynam tworzenie datasetu za dzień: %2% (%3%)\n")) %
               Core::DateTime::timestamp() % Core::DateTime::formatDate(day) % day;
    TSessionHolder session(true);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session);
    engine.CreateDataSet(static_cast<float>(day));
    if (progress.indicator) {
        progress.indicator->setText(translate("Trwa komunikacja z urządzeniami..."));
        progress.indicator->setMaximum(engine.getRecordCount());
        engine.SetupTickMethod(progress.tick);
    }
    out << boost::format(translate("[%1%]: Rozpoczynam przetwarzanie PLU.\n")) % Core::DateTime::timestamp();
    std::string status;
    const bool done = engine.ProcessDataSet(status, progress.indicator ? *progress.indicator : noProgress);
    if (progress.indicator) progress.indicator->finish();
    if (!done) {
        out << status << '\n';
        return java::make<Core::ActionStatus>(false, status, progress.flag);
    }
    writeFullSummary(out, engine.counters());
    return java::make<Core::ActionStatus>(true, std::string(), progress.flag);
}

java::pointer<Core::IUnknown> SendPLUForArticle::execute(java::pointer<Core::IUnknown> args) {
    TLogHistoriaZmian::logItem("Operacje", "NWYSLANIEPLUDOKAS", translate("Wysłanie PLU do kas"), 3);
    const int day = Core::DateTime::today();
    // Checked before the dataset marks anything: without registers nothing may change.
    if (!Kolvenia::kolekcjaZainstalowanychKas())
        throw Core::PlacedRuntimeError(translate("Brak zainstalowanych kas."),
                                       CORE_SRC_INFO("SendPLUForArticle::execute"));
    TSessionHolder session(true);
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session);
    engine.CreateDataSet(static_cast<float>(day), args->as<FormKernel::IBaseFormArgs>().getReferences());
    std::string status;
    const bool done = engine.ProcessDataSet(status, noProgress);
    const std::string report = done ? PluTransmission::operationSummary(engine.counters()) : status;
    if (args->is<Core::IOStreamGetter>()) args->as<Core::IOStreamGetter>().getOStream() << report << (done ? "" : "\n");
    return java::make<Core::ActionStatus>(done, report);
}

void registerActionProcessAndSendPLUObjects(Core::ModuleRegistrationList& list) {
    list.add(Kolvenia::regActionCreator(
        Kolvenia::ActionGuids::ProcessAndSendPlu, [] { return std::make_shared<ActionProcessAndSendPLU>(); },
        CORE_SRC_INFO("registerActionProcessAndSendPLUObjects")));
}

void registerSendPLUForArticleObjects(Core::ModuleRegistrationList& list) {
    list.add(Kolvenia::regActionCreator(
        Kolvenia::ActionGuids::SendPluForArticle, [] { return std::make_shared<SendPLUForArticle>(); },
        CORE_SRC_INFO("registerSendPLUForArticleObjects")));
}
