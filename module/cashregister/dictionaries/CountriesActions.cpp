#include "cashregister/dictionaries/CountriesActions.h"

#include <algorithm>
#include <cctype>

#include "cashregister/dictionaries/DictionarySending.h"
#include "core/Errors.h"
#include "frame/ActionGuids.h"
#include "frame/ActionRegistration.h"
#include "frame/ConsoleUsage.h"

namespace Kolvenia::Dictionaries {

namespace {

std::string countriesMessage(bool sent) {
    return sent ? "Wysłano słownik państw." : "Słownik państw nie zmienił się od poprzedniego wysłania.";
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Host contract: the console action's usage text.
void writeCountriesUsage(std::ostream& out) {
    writeUsage(out, "Akcja wysyłająca słownik państw.",
               {"fire <guid_akcji> // wysłanie słownika państw tylko w przypadku \n"
                "wprowadzonych zmian od czasu poprzedniego wysłania",
                "fire <guid_akcji> -ALL // wysłanie całego słownika państw"});
}

// The "all" flag of the console form; a wrong form writes its message and the usage
// and raises that message, so that nothing is sent.
bool allFromArguments(DictionaryInvocation& invocation) {
    const auto* arguments = invocation.arguments();
    if (!arguments || arguments->empty()) return false;
    const char* wrong = nullptr;
    if (arguments->size() > 1)
        wrong = "Niepoprawna liczba parametrów";
    else if (lowerCase(arguments->front()) != "-all")
        wrong = "Niepoprawna lista argumentów.";
    if (!wrong) return true;
    if (std::ostream* out = invocation.console()) {
        *out << wrong << '\n';
        writeCountriesUsage(*out);
    }
    throw Core::PlacedRuntimeError(wrong, CORE_SRC_INFO("SendCountriesFireAction::execute"));
}

}  // namespace

std::string SendCountriesAction::run(DictionaryInvocation& invocation) {
    return countriesMessage(sendCountries(false, invocation.givenCashRegisters(), invocation.progress()));
}

std::string SendAllCountriesAction::run(DictionaryInvocation& invocation) {
    return countriesMessage(sendCountries(true, invocation.givenCashRegisters(), invocation.progress()));
}

std::string SendCountriesFireAction::run(DictionaryInvocation& invocation) {
    const bool all = allFromArguments(invocation);
    return countriesMessage(sendCountries(all, invocation.givenCashRegisters(), invocation.progress()));
}

std::string SendAllCountriesToSelectedCashRegisters::run(DictionaryInvocation& invocation) {
    // Host contract: the menu path.
    const auto choice =
        invocation.chooseCashRegisters(".miTransmisje.miPrzeslaniePanstw", "SendAllCountriesToSelectedCashRegisters");
    if (choice.cancelled) return {};
    return countriesMessage(sendCountries(true, choice.deviceRefs, invocation.progress()));
}

void registerCountriesObjects(Core::ModuleRegistrationList& list) {
    const auto place = CORE_SRC_INFO("registerCountriesObjects");
    list.add(regActionCreator(
        ActionGuids::SendCountries, [] { return std::make_shared<SendCountriesAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::SendAllCountries, [] { return std::make_shared<SendAllCountriesAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::SendCountriesFire, [] { return std::make_shared<SendCountriesFireAction>(); }, place));
    list.add(regActionCreator(
        ActionGuids::SendAllCountriesToSelectedCashRegisters,
        [] { return std::make_shared<SendAllCountriesToSelectedCashRegisters>(); }, place));
}

}  // namespace Kolvenia::Dictionaries
