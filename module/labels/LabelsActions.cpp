#include "labels/LabelsActions.h"

#include <boost/format.hpp>
#include <chrono>
#include <cstdio>
#include <optional>

#include "core/DateTime.h"
#include "core/I18n.h"
#include "forms/FormKernel.h"
#include "frame/ConsoleUsage.h"
#include "labels/StockChangeLabels.h"

namespace Labels {

namespace {

using Core::I18n::translate;

// Host contract: every message, status and usage line of the label exports in this file.
constexpr const char* kNoLabels = "Brak etykiet do wysłania.";

void writeUsage(std::ostream& out) {
    Kolvenia::writeUsage(out,
                         "Akcja zapisuje do pliku z etykietami elektronicznymi dane o towarach,\n"
                         "którym zmienił się stan w określonym przedziale czasowym.\n",
                         {"fire <guid_akcji> <dzień_początkowy> <dzień_końcowy> - pobiera towary, ",
                          "którym stan zminił się między dniami <dzień_początkowy> i <dzień_końcowy>.",
                          "Dni są w formacie dd.mm.yyyy.", "fire <guid_akcji> /? - wyświetla ten komunikat."});
}

// A day "dd.mm.yyyy" (read as "%hu.%hu.%hu"), when the whole text is one and names a
// calendar day.
std::optional<int> dayOf(const std::string& text) {
    unsigned short day = 0, month = 0, year = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%hu.%hu.%hu%n", &day, &month, &year, &consumed) != 3 ||
        consumed != static_cast<int>(text.size()))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    if (!date.ok()) return std::nullopt;
    return Core::DateTime::dayNumber(date);
}

}  // namespace

java::pointer<Core::IUnknown> ActionSendElectronicLabels::execute(java::pointer<Core::IUnknown> args) {
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    const auto& arguments = args->as<Core::IArgVectorGetter>().getArgVector();
    if (arguments.size() != 2) {
        if (arguments.size() != 1) out << translate("Nieprawidłowa liczba parametrów.\n\n");
        writeUsage(out);
        return {};
    }
    const std::optional<int> firstDay = dayOf(arguments[0]);
    const std::optional<int> lastDay = dayOf(arguments[1]);
    if (!firstDay || !lastDay) {
        out << boost::format(translate("Nieprawidłowa data \"%1%\" (oczekiwano dd.mm.yyyy).\n\n")) %
                   (firstDay ? arguments[1] : arguments[0]);
        writeUsage(out);
        return {};
    }
    if (!electronicLabelsSwitchedOn()) {
        out << translate("Eksport nie zostanie wykonany, gdyż klucz \\Parametry sklepu\\Towary\\")
            << translate("Etykiety elektroniczne\\Włączone jest ustawiony na \"nie\".");
        return {};
    }
    StockChangeLabels labels(*firstDay, *lastDay);
    if (labels.empty()) {
        out << translate("Brak etykiet do wysłania.\n");
        return {};
    }
    labels.send();
    out << translate("Zrobione.") << '\n';
    return {};
}

bool EveningProcessingSendElectronicLabelsAction::areExecuteConditionsSatisfied() {
    return electronicLabelsSwitchedOn();
}

void EveningProcessingSendElectronicLabelsAction::executeEveningWork(EveningProcessing::IEveningArgs& args) {
    StockChangeLabels labels(static_cast<int>(args.dateFrom()), static_cast<int>(args.dateTo()));
    if (labels.empty()) {
        args.reportStatus(translate(kNoLabels));
        return;
    }
    labels.send();
    args.reportStatus(translate("Eksport etykiet zakończony poprawnie."));
}

bool ElectronicLabelsStockExport::accept(int firstDay, int lastDay) {
    auto boxes = FormKernel::messageBoxes();
    if (firstDay > lastDay) {
        boxes->warning(translate("Data początkowa nie może być późniejsza niż data końcowa."));
        return false;
    }
    try {
        StockChangeLabels labels(firstDay, lastDay);
        if (labels.empty()) {
            boxes->information(translate(kNoLabels));
            return true;
        }
        labels.send();
    } catch (const std::exception& e) {
        boxes->error(translate("Wystąpił błąd w czasie eksportu: ") + e.what());
        return false;
    }
    boxes->information(translate("Eksport zakończony poprawnie."));
    return true;
}

CFormCreator::CFormCreator(std::string guid, std::string formClass, std::string menuPath, ModelFactory makeModel)
    : guid_(std::move(guid)),
      formClass_(std::move(formClass)),
      menuPath_(std::move(menuPath)),
      makeModel_(std::move(makeModel)) {}

java::pointer<Core::IUnknown> CFormCreator::execute(java::pointer<Core::IUnknown> args) {
    FormKernel::IBaseForm* parent =
        args && args->is<FormKernel::IBaseForm>() ? &args->as<FormKernel::IBaseForm>() : nullptr;
    FormKernel::showForm(formClass_, FormKernel::TBaseFormArgs{menuPath_, makeModel_ ? makeModel_() : nullptr}, parent,
                         "CFormCreator");
    return {};
}

}  // namespace Labels
