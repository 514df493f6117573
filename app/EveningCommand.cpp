#include "EveningCommand.h"

#include <chrono>
#include <regex>

#include "CommandLine.h"
#include "core/ActionContainer.h"
#include "core/DateTime.h"
#include "db/SessionHolder.h"
#include "evening/OdczytWieczornyAction.h"
#include "zentools/SysdateGetter.h"

namespace Korvel::App {

namespace {

int parseDay(const std::string& text) {
    static const std::regex form(R"((\d\d)\.(\d\d)\.(\d{4}))");
    std::smatch parts;
    if (std::regex_match(text, parts, form)) {
        const std::chrono::year_month_day date{std::chrono::year{std::stoi(parts[3])},
                                               std::chrono::month{static_cast<unsigned>(std::stoi(parts[2]))},
                                               std::chrono::day{static_cast<unsigned>(std::stoi(parts[1]))}};
        if (date.ok()) return Core::DateTime::dayNumber(date);
    }
    throw UsageError("Niepoprawna data " + text + " (oczekiwano dd.mm.rrrr).");
}

// The day the run processes, and where each step reports its status.
class EveningArgs : public EveningProcessing::IEveningArgs {
public:
    explicit EveningArgs(int day) : day_(day) {}
    double dateFrom() const override { return day_; }
    double dateTo() const override { return day_; }
    void reportStatus(const std::string& text) override { statuses_ += (statuses_.empty() ? "" : " ") + text; }
    const std::string& statuses() const { return statuses_; }

private:
    int day_;
    std::string statuses_;
};

// One step: its status text and whether it succeeded.
struct StepResult {
    bool succeeded;
    std::string text;
};

StepResult runStep(EveningProcessing::OdczytWieczornyAction& action, int day) {
    if (!action.areExecuteConditionsSatisfied()) return {true, "pominięto: warunki wykonania niespełnione"};
    auto args = java::make<EveningArgs>(day);
    const auto result = action.execute(args);
    const auto& status = result->as<Core::ActionStatus>();
    if (!status.succeeded()) return {false, status.message()};
    return {true, args->statuses().empty() ? "zakończono" : args->statuses()};
}

}  // namespace

EveningOptions parseEvening(const std::vector<std::string>& arguments) {
    EveningOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--day" || options.day)
            throw UsageError("Nieznany argument polecenia evening: " + arguments[i] + ".");
        if (i + 1 >= arguments.size()) throw UsageError("Opcja --day wymaga daty dd.mm.rrrr.");
        options.day = parseDay(arguments[++i]);
    }
    return options;
}

bool runEvening(const EveningOptions& options, std::ostream& out, std::ostream& errors) {
    const int day = options.day ? *options.day : Zentools::SysdateGetter::getDate(TSessionHolder(true));
    out << "Przetwarzanie wieczorne za dzień " << Core::DateTime::formatDate(day) << '\n';
    auto& container = Core::Action::CContainer::instance();
    bool allSucceeded = true;
    for (const auto& listing : container.listings()) {
        StepResult result{true, ""};
        try {
            const auto action =
                std::dynamic_pointer_cast<EveningProcessing::OdczytWieczornyAction>(container.getAction(listing.guid));
            if (!action) continue;
            result = runStep(*action, day);
        } catch (const std::exception& e) {
            result = {false, e.what()};
        }
        const std::string step = listing.className + " " + listing.guid + ": ";
        if (result.succeeded) {
            out << step << result.text << '\n';
        } else {
            out << step << "błąd" << '\n';
            errors << "korvel: " << step << result.text << '\n';
            allSucceeded = false;
        }
    }
    return allSucceeded;
}

}  // namespace Korvel::App
