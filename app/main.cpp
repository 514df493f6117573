// korvel: the host program. Loads the module, runs actions from the console, and
// creates shop databases.
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "CommandLine.h"
#include "ConsoleProgressBar.h"
#include "DbInitCommand.h"
#include "EveningCommand.h"
#include "FireArguments.h"
#include "Host.h"
#include "SendAllCommand.h"
#include "core/ActionContainer.h"
#include "core/Singleton.h"
#include "external/ExternalDataSenders.h"
#include "gui/GuiCommand.h"

namespace {

using namespace Korvel::App;

java::pointer<Core::IUnknown> fireArguments(const CommandLine& line, ConsoleProgressBar& bar) {
    std::vector<std::string> arguments(line.arguments.begin() + 1, line.arguments.end());
    if (isatty(STDERR_FILENO)) return java::make<FireArgumentsWithProgress>(std::move(arguments), std::cout, bar);
    return java::make<FireArguments>(std::move(arguments), std::cout);
}

int fire(const CommandLine& line) {
    ConsoleProgressBar bar(std::cerr);
    auto invoker = std::make_shared<Core::Action::ExecutorInvoker>();
    auto result =
        Core::Action::CContainer::instance().invoke(line.arguments.front(), invoker, fireArguments(line, bar));
    std::cout.flush();
    if (result && result->is<Core::ActionStatus>() && !result->as<Core::ActionStatus>().succeeded()) {
        std::cerr << "korvel: " << result->as<Core::ActionStatus>().message() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

// The actions, then the creators of the external data senders registry, which the
// PLU transmission drives rather than the operator.
int listActions() {
    for (const auto& listing : Core::Action::CContainer::instance().listings())
        std::cout << listing.guid << ' ' << listing.className << '\n';
    if (const auto senders = Core::SingletonImplHolder<Senders::ExternalDataSenders>::find())
        for (const std::string& key : senders->registeredKeys()) std::cout << key << " (sender creator)\n";
    return EXIT_SUCCESS;
}

int initDatabase(const CommandLine& line) {
    const DbInitOptions options = parseDbInit(line.arguments);
    if (!line.databaseUrl) throw UsageError("Polecenie db init wymaga bazy danych (--database lub KORVEL_DATABASE).");
    runDbInit(*line.databaseUrl, options, std::cout, isatty(STDERR_FILENO) ? &std::cerr : nullptr);
    return EXIT_SUCCESS;
}

// Exit status 130 after Ctrl-C, as a shell reports an interrupted program.
int sendAll(const SendAllOptions& options) {
    switch (runSendAll(options, std::cout, std::cerr, isatty(STDERR_FILENO) ? &std::cerr : nullptr)) {
    case SendAllOutcome::Completed: return EXIT_SUCCESS;
    case SendAllOutcome::Cancelled: return 130;
    case SendAllOutcome::Failed: break;
    }
    return EXIT_FAILURE;
}

int run(const CommandLine& line, const char* argv0) {
    if (line.command == "db") return initDatabase(line);
    const EveningOptions evening = line.command == "evening" ? parseEvening(line.arguments) : EveningOptions{};
    const SendAllOptions sendAllOptions = line.command == "send-all" ? parseSendAll(line.arguments) : SendAllOptions{};
    Host host(line.configPath, line.databaseUrl, Host::defaultModuleDirectory(argv0));
    if (line.command == "gui") return Korvel::Gui::runGui(argv0);
    if (line.command == "evening") return runEvening(evening, std::cout, std::cerr) ? EXIT_SUCCESS : EXIT_FAILURE;
    if (line.command == "send-all") return sendAll(sendAllOptions);
    return line.command == "fire" ? fire(line) : listActions();
}

const char* environment(const char* name) { return std::getenv(name); }

}  // namespace

int main(int argc, char** argv) {
    try {
        const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), environment);
        if (line.help) {
            std::cout << usageText;
            return EXIT_SUCCESS;
        }
        return run(line, argv[0]);
    } catch (const UsageError& e) {
        std::cerr << "korvel: " << e.what() << "\n\n" << usageText;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "korvel: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
}
