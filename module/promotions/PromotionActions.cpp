#include "promotions/PromotionActions.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/format.hpp>
#include <limits>
#include <optional>
#include <regex>

#include "core/Errors.h"
#include "core/I18n.h"
#include "forms/FormKernel.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/ConsoleUsage.h"
#include "frame/SendAllDataActionInvoker.h"
#include "plu/ProcessAndSendActions.h"
#include "promotions/PromotionChoice.h"
#include "promotions/PromotionSendRun.h"
#include "promotions/PromotionSender.h"

namespace {

using Core::I18n::translate;
using Promotion::IPromotionDao;
using Promotion::PromotionPtr;

// Host contract: the prefix of every error the window and console actions show.
const char* const kErrorPrefix = "Błąd w trakcie wysyłania promocji:";

java::pointer<Core::IUnknown> status(bool succeeded, const std::string& message) {
    return java::make<Core::ActionStatus>(succeeded, message);
}

std::string errorText(const std::string& cause) { return translate(kErrorPrefix) + " " + cause; }

// The registers and progress of the send-all-data action, when it is the caller; the
// console's progress bar, when it has one.
Promotion::SendRunRequest requestFor(const java::pointer<Core::IUnknown>& args) {
    Promotion::SendRunRequest request;
    if (args && args->is<SendAllDataActionInvoker>()) {
        auto& invoker = args->as<SendAllDataActionInvoker>();
        request.deviceRefs = invoker.deviceRefs();
        request.progress = &invoker.progress();
    } else if (args && args->is<Core::IProgressIndicatorGetter>()) {
        request.progress = &args->as<Core::IProgressIndicatorGetter>().getProgressIndicator();
    }
    return request;
}

std::vector<PromotionPtr> allPromotions(IPromotionDao& dao) { return dao.getAll(); }
std::vector<PromotionPtr> newAndModifiedPromotions(IPromotionDao& dao) { return dao.getNewAndModified(); }

std::string sentSummary(const Promotion::SendRunResult& result) {
    return (boost::format(translate("Wysłano promocji: %1%.")) % result.sent).str();
}

// Runs for a caller without windows: the outcome is the result, and is written to the
// caller's stream when it has one (a console line).
java::pointer<Core::IUnknown> runForCaller(const java::pointer<Core::IUnknown>& args,
                                           const Promotion::SendRunRequest& request) {
    java::pointer<Core::IUnknown> result;
    try {
        result = status(true, sentSummary(Promotion::sendPromotions(request)));
    } catch (const std::exception& e) {
        result = status(false, e.what());
    }
    if (args && args->is<Core::IOStreamGetter>()) {
        const auto& outcome = result->as<Core::ActionStatus>();
        args->as<Core::IOStreamGetter>().getOStream()
            << (outcome.succeeded() ? outcome.message() : errorText(outcome.message())) << '\n';
    }
    return result;
}

// ---- windows ----------------------------------------------------------------------

// The promotions of the window's references that exist.
std::vector<PromotionPtr> promotionsOf(const std::list<int>& references) {
    Promotion::PromotionOracleDao dao{TSessionHolder(true)};
    std::vector<PromotionPtr> found;
    for (int reference : references)
        if (PromotionPtr promotion = dao.findById(reference)) found.push_back(std::move(promotion));
    return found;
}

// Host contract: the question before a promotion is sent again.
bool confirmedAgain(const Promotion::PromotionHeader& header) {
    return header.sendStatus != Promotion::SendStatus::Sent ||
           FormKernel::messageBoxes()->question(translate("Ta promocja była już wysłana na kasy.") +
                                                translate(" Czy chcesz ponownie wysłać promocję '") + header.name +
                                                "' ?");
}

std::list<int> windowReferences(const java::pointer<Core::IUnknown>& args) {
    if (!args || !args->is<FormKernel::IBaseFormArgs>()) return {};
    return args->as<FormKernel::IBaseFormArgs>().getReferences();
}

// Confirmations are asked before the run opens its transaction, so that no lock is
// held while the operator thinks.
java::pointer<Core::IUnknown> runChosenInWindow(const java::pointer<Core::IUnknown>& args,
                                                const std::list<int>& references) {
    const std::vector<PromotionPtr> found = promotionsOf(references);
    if (found.empty()) {
        // Host contract: the window handed over no promotion.
        const std::string message = translate("Nieznany błąd - brak informacji o promocji do wysłania.");
        FormKernel::messageBoxes()->error(message);
        return status(false, message);
    }
    std::vector<PromotionPtr> chosen;
    std::copy_if(found.begin(), found.end(), std::back_inserter(chosen),
                 [](const PromotionPtr& promotion) { return confirmedAgain(promotion->header()); });
    if (chosen.empty()) return status(true, std::string());
    Promotion::SendRunRequest request = requestFor(args);
    request.promotions = [&chosen](IPromotionDao&) { return chosen; };
    try {
        const std::string summary = sentSummary(Promotion::sendPromotions(request));
        FormKernel::messageBoxes()->information(summary);
        return status(true, summary);
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(errorText(e.what()));
        return status(false, e.what());
    }
}

// A promotion window of this host: what it offers, how the operator chooses, where
// it hangs in the menus (this host's own placing: the windows have no fixed item).
struct ChoiceWindow {
    Promotion::PromotionChoice::Mode mode;
    const char* caption;
    const char* menuPath;
    const char* actionName;
    std::vector<PromotionPtr> (*offered)(IPromotionDao&);
    const char* nothingOffered;
};

const ChoiceWindow PredefinedWindow{Promotion::PromotionChoice::Mode::Several,
                                    "Wysłanie wybranych promocji",
                                    ".miTransmisje.miPromocje.miPrzeslanieWybranychPromocji",
                                    "CSendPredefinedPromotionsWithRefGui",
                                    allPromotions,
                                    "Brak promocji do wysłania."};
const ChoiceWindow OneWindow{Promotion::PromotionChoice::Mode::One,
                             "Wysłanie promocji",
                             ".miTransmisje.miPromocje.miPrzeslaniePromocji",
                             "CSendPromotionWithRefGui",
                             allPromotions,
                             "Brak promocji do wysłania."};
const ChoiceWindow NewAndModifiedWindow{Promotion::PromotionChoice::Mode::Whole,
                                        "Wysłanie nowych i zmienionych promocji",
                                        ".miTransmisje.miPromocje.miPrzeslanieNowychPromocji",
                                        "CSendNewAndModifiedPromotionsGui",
                                        newAndModifiedPromotions,
                                        "Brak nowych ani zmienionych promocji do wysłania."};

// Started from the host's menu: a parent window, but no references handed over.
FormKernel::IBaseForm* menuParent(const java::pointer<Core::IUnknown>& args) {
    if (!args || !args->is<FormKernel::IBaseForm>() || args->is<FormKernel::IBaseFormArgs>()) return nullptr;
    return &args->as<FormKernel::IBaseForm>();
}

// The references the operator chose in the window; none when nothing was offered (said
// in a box) or the operator cancelled. The promotions are read before the window opens
// and the session is let go, so that nothing is held while the operator chooses.
std::optional<std::list<int>> chosenInWindow(const ChoiceWindow& window, FormKernel::IBaseForm& parent) {
    std::vector<PromotionPtr> offered;
    {
        Promotion::PromotionOracleDao dao{TSessionHolder(true)};
        offered = window.offered(dao);
    }
    Promotion::PromotionChoice choice(window.mode, translate(window.caption), offered);
    if (choice.lines().empty()) {
        FormKernel::messageBoxes()->information(translate(window.nothingOffered));
        return std::nullopt;
    }
    if (!FormKernel::showModalForm(Promotion::PromotionChoice::formClass, FormKernel::TBaseFormArgs{window.menuPath},
                                   choice, &parent, window.actionName) ||
        !choice.accepted())
        return std::nullopt;
    return choice.chosenReferences();
}

// The operator's choice from the menu, or the action's answer when the choice ended it
// (cancelled, nothing offered, or a failure shown in a box).
struct MenuChoice {
    std::list<int> references;
    java::pointer<Core::IUnknown> ended;
};

MenuChoice chooseFromMenu(const ChoiceWindow& window, FormKernel::IBaseForm& parent) {
    try {
        auto chosen = chosenInWindow(window, parent);
        if (!chosen) return {{}, status(true, std::string())};
        return {std::move(*chosen), nullptr};
    } catch (const std::exception& e) {
        FormKernel::messageBoxes()->error(errorText(e.what()));
        return {{}, status(false, e.what())};
    }
}

// From the menu the operator chooses first; references handed over by another window
// go straight to the run.
java::pointer<Core::IUnknown> runFromWindow(const java::pointer<Core::IUnknown>& args, const ChoiceWindow& window,
                                            std::size_t mostReferences) {
    std::list<int> references = windowReferences(args);
    if (FormKernel::IBaseForm* parent = menuParent(args)) {
        MenuChoice choice = chooseFromMenu(window, *parent);
        if (choice.ended) return choice.ended;
        references = std::move(choice.references);
    }
    if (references.size() > mostReferences) references.resize(mostReferences);
    return runChosenInWindow(args, references);
}

// ---- console ----------------------------------------------------------------------

bool isGuid(const std::string& text) {
    static const std::regex guid(
        R"(\{?[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}\}?)");
    return std::regex_match(text, guid) && (text.front() == '{') == (text.back() == '}');
}

std::string bracedGuid(const std::string& text) {
    const std::string upper = boost::algorithm::to_upper_copy(text);
    return upper.front() == '{' ? upper : "{" + upper + "}";
}

// Host contract: the usage of the by-GUID console action, "uzycie" as it has always read.
void writeGuidUsage(std::ostream& out) {
    out << translate("Akcja wysyła promocję o podanym guidzie.") << '\n'
        << translate("Poprawne uzycie akcji:") << '\n'
        << translate("fire <guid_akcji> <guid_promocji>") << '\n';
}

java::pointer<Core::IUnknown> refuseGuid(std::ostream& out, const char* message) {
    out << translate(message) << '\n';
    writeGuidUsage(out);
    return status(false, translate(message));
}

}  // namespace

java::pointer<Core::IUnknown> CSendPredefinedPromotionsWithRefGui::execute(java::pointer<Core::IUnknown> args) {
    return runFromWindow(args, PredefinedWindow, std::numeric_limits<std::size_t>::max());
}

java::pointer<Core::IUnknown> CSendPromotionWithRefGui::execute(java::pointer<Core::IUnknown> args) {
    return runFromWindow(args, OneWindow, 1);
}

java::pointer<Core::IUnknown> CSendPromotionWithGuidFire::execute(java::pointer<Core::IUnknown> args) {
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    const std::vector<std::string>& arguments = args->as<Core::IArgVectorGetter>().getArgVector();
    // Host contract: the two refusals of the by-GUID console action.
    if (arguments.size() != 1) return refuseGuid(out, "Podany guid jest nieprawidłowy.");
    if (!isGuid(arguments.front())) return refuseGuid(out, "GUID jest nieporawny.");
    const std::string guid = bracedGuid(arguments.front());
    // Host contract: the by-GUID action's progress and success lines.
    out << translate("Wysyłanie promocji o guidzie: ") << guid << '\n';
    Promotion::SendRunRequest request = requestFor(args);
    request.promotions = [&guid](IPromotionDao& dao) {
        PromotionPtr promotion = dao.findByGuid(guid);
        if (!promotion)
            throw Core::PlacedRuntimeError(
                (boost::format(translate("Nie odnaleziono promocji o guidzie %1%.")) % guid).str(),
                CORE_SRC_INFO("CSendPromotionWithGuidFire::execute"));
        return std::vector<PromotionPtr>{promotion};
    };
    java::pointer<Core::IUnknown> result = runForCaller(args, request);
    if (result->as<Core::ActionStatus>().succeeded()) out << translate("Wysyłanie zakończone powodzeniem.") << '\n';
    return result;
}

java::pointer<Core::IUnknown> CSendAllPromotions::execute(java::pointer<Core::IUnknown> args) {
    Promotion::SendRunRequest request = requestFor(args);
    request.promotions = allPromotions;
    return runForCaller(args, request);
}

java::pointer<Core::IUnknown> CSendNewAndModifiedPromotionsService::execute(java::pointer<Core::IUnknown> args) {
    Promotion::SendRunRequest request = requestFor(args);
    request.promotions = newAndModifiedPromotions;
    java::pointer<Core::IUnknown> result = runForCaller(args, request);
    const auto& outcome = result->as<Core::ActionStatus>();
    if (!outcome.succeeded() && outcome.message() == translate(NoInstalledCashRegisters))
        return status(true, outcome.message());
    return result;
}

java::pointer<Core::IUnknown> CSendNewAndModifiedPromotionsFire::execute(java::pointer<Core::IUnknown> args) {
    std::ostream& out = args->as<Core::IOStreamGetter>().getOStream();
    if (!args->as<Core::IArgVectorGetter>().getArgVector().empty()) {
        out << translate("Niepoprawna liczba parametrów") << '\n';
        Kolvenia::writeUsage(out, "Akcja wysyła nowe i zmodyfikowane promocje.",
                             {"fire <guid_akcji> // wysłanie nowych i zmodyfikowanych promocji"});
        return status(false, translate("Niepoprawna liczba parametrów"));
    }
    Promotion::SendRunRequest request = requestFor(args);
    request.promotions = newAndModifiedPromotions;
    return runForCaller(args, request);
}

java::pointer<Core::IUnknown> CSendNewAndModifiedPromotionsGui::execute(java::pointer<Core::IUnknown> args) {
    Promotion::SendRunRequest request = requestFor(args);
    request.promotions = newAndModifiedPromotions;
    if (args && (args->is<SendAllDataActionInvoker>() || args->is<Core::IExternalExecutionArgsGetter>()))
        return runForCaller(args, request);
    // From the menu the operator looks the promotions over first; the run then sends
    // what is new and modified at that moment.
    if (FormKernel::IBaseForm* parent = menuParent(args)) {
        MenuChoice choice = chooseFromMenu(NewAndModifiedWindow, *parent);
        if (choice.ended) return choice.ended;
    }
    java::pointer<Core::IUnknown> result = runForCaller(args, request);
    const auto& outcome = result->as<Core::ActionStatus>();
    if (outcome.succeeded())
        FormKernel::messageBoxes()->information(outcome.message());
    else
        FormKernel::messageBoxes()->error(errorText(outcome.message()));
    return result;
}

void registerPromotionsActionsObjects(Core::ModuleRegistrationList& list) {
    const Core::SrcInfo place = CORE_SRC_INFO("registerPromotionsActionsObjects");
    namespace Guids = Kolvenia::ActionGuids;
    list.add(Kolvenia::regActionCreator(
        Guids::SendPredefinedPromotionsWithRefGui,
        [] { return std::make_shared<CSendPredefinedPromotionsWithRefGui>(); }, place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendPromotionWithGuidFire, [] { return std::make_shared<CSendPromotionWithGuidFire>(); }, place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendPromotionWithRefGui, [] { return std::make_shared<CSendPromotionWithRefGui>(); }, place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendAllPromotions, [] { return std::make_shared<CSendAllPromotions>(); }, place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendNewAndModifiedPromotionsService,
        [] { return std::make_shared<CSendNewAndModifiedPromotionsService>(); }, place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendNewAndModifiedPromotionsFire, [] { return std::make_shared<CSendNewAndModifiedPromotionsFire>(); },
        place));
    list.add(Kolvenia::regActionCreator(
        Guids::SendNewAndModifiedPromotionsGui, [] { return std::make_shared<CSendNewAndModifiedPromotionsGui>(); },
        place));
}
