#include "cashregister/turnover/DailyTurnoverActions.h"

#include <boost/format.hpp>

#include "cashregister/turnover/DailyTurnoverCommandSender.h"
#include "cashregister/turnover/TurnoverArguments.h"
#include "core/DateTime.h"
#include "core/I18n.h"
#include "fkexport/LastFkExportDateHandler.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/Configuration.h"
#include "frame/ConsoleUsage.h"
#include "zentools/SysdateGetter.h"

namespace Kolvenia::DailyTurnover {

namespace {

using Core::I18n::translate;

int lastFkExportDay(const TSessionHolder& session) {
    const std::optional<int> day = LastFkExportDateHandler(session).getLastExportDate();
    if (!day)
        throw Core::PlacedRuntimeError(translate("Brak daty ostatniego eksportu do FK."),
                                       CORE_SRC_INFO("Kolvenia::DailyTurnover::lastFkExportDay"));
    return *day;
}

void writeUsage(std::ostream& out) {
    Kolvenia::writeUsage(
        out, "Akcja ponawiająca wysłanie danych o sprzedaży z kas (używanych przy weryfikacji).",
        {"fire <guid_akcji> dd.mm.yyyy numer_kasy - wysłanie brakujących danych z kasy o podanym numerze w wybranym dniu.",
         "fire <guid_akcji> -fromLastDays n [-md]- wysłanie brakujących danych dla n ostatnich dni",
         "fire <guid_akcji> -fromLastFkExportDate [-md]- wysłanie brakujących danych w zakresie datowym <data ostatniego "
         "eksportu do FK; dzień wczorajszy>",
         "fire <guid_akcji> /? - poprawne użycie akcji",
         "parametr -md - opcjonalny parametr odpowiadający za pobranie danych za dni bez sprzedaży na kasach."});
}

Korvel::TKey eveningKey() {
    return Config::key(
        {"Parametry programu", "Odczyt wieczorny", "Akcje", "Dosłanie brakujących danych o sprzedaży z kas"});
}

// The first day of the evening verification, by the one configured mode.
int eveningDateFrom(const Korvel::TKey& key, const TSessionHolder& session) {
    const Korvel::TKey lastDays = key.GetKey("Weryfikacja za ostatnie X dni");
    const bool byLastDays = lastDays.GetVal<bool>();
    const bool byFkExport = key.GetKey("Weryfikacja od ostatniego dnia eksportu do FK").GetVal<bool>();
    const auto place = CORE_SRC_INFO("Kolvenia::DailyTurnover::EveningProcessingAction::executeEveningWork");
    if (byLastDays && byFkExport)
        throw Core::PlacedRuntimeError(
            translate("Niepoprawna konfiguracja trybu weryfikacji dosyłania brakujących danych o sprzedaży."), place);
    if (!byLastDays && !byFkExport)
        throw Core::PlacedRuntimeError(
            translate(
                "Brak wybranego sposobu wyliczania daty początkowej na potrzeby dosyłania brakujących danych o sprzedaży."),
            place);
    if (byLastDays) return Zentools::SysdateGetter::getDate(session) - lastDays.GetKey("Liczba dni").GetVal<int>();
    return lastFkExportDay(session) + 1;
}

}  // namespace

bool EveningProcessingAction::areExecuteConditionsSatisfied() {
    const auto on = Config::findKey({"Parametry programu", "Odczyt wieczorny", "Akcje",
                                     "Dosłanie brakujących danych o sprzedaży z kas", "Włączone"});
    return on && on->GetVal<bool>();
}

void EveningProcessingAction::executeEveningWork(EveningProcessing::IEveningArgs& args) {
    const TSessionHolder session(true);
    const Korvel::TKey key = eveningKey();
    const int dateFrom = eveningDateFrom(key, session);
    const int dateTo = static_cast<int>(args.dateTo());
    const bool includeDaysWithoutSale = key.GetKey("Uwzględnianie dni bez sprzedaży").GetVal<bool>();
    DailyTurnoverCommandSender(dateFrom, dateTo, includeDaysWithoutSale, std::nullopt, nullptr, session).run();
    args.reportStatus((boost::format(translate("Poprawnie zweryfikowano dane w zakresie %1% - %2%.")) %
                       Core::DateTime::formatDate(dateFrom) % Core::DateTime::formatDate(dateTo))
                          .str());
}

java::pointer<Core::IUnknown> FireAction::execute(java::pointer<Core::IUnknown> args) {
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    try {
        return run(args->as<Core::IArgVectorGetter>().getArgVector(), out);
    } catch (const std::exception& e) {
        out << e.what() << '\n';
        return java::make<Core::ActionStatus>(false, e.what());
    }
}

java::pointer<Core::IUnknown> FireAction::run(const std::vector<std::string>& arguments, std::ostream& out) {
    const TSessionHolder session(true);
    const ParsedArguments parsed = parseTurnoverArguments(arguments, Zentools::SysdateGetter::getDate(session),
                                                          [&] { return lastFkExportDay(session); });
    if (parsed.usageOnly) {
        writeUsage(out);
        return java::make<Core::ActionStatus>(true, std::string());
    }
    if (!parsed.request) {
        writeUsage(out);
        return java::make<Core::ActionStatus>(false, translate("Niepoprawna lista argumentów."));
    }
    const TurnoverRequest& request = *parsed.request;
    DailyTurnoverCommandSender(request.dateFrom, request.dateTo, request.includeDaysWithoutSale, request.cashRegister,
                               &out, session)
        .run();
    return java::make<Core::ActionStatus>(true, std::string());
}

void registerDailyTurnoverObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerDailyTurnoverObjects");
    list.add(regActionCreator(
        ActionGuids::EveningDailyTurnover, [] { return std::make_shared<EveningProcessingAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::DailyTurnoverFire, [] { return std::make_shared<FireAction>(); }, place));
}

}  // namespace Kolvenia::DailyTurnover
