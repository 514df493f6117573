// korvel: the host program. Loads the module, runs actions from the console, and
// creates shop databases.
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "CommandLine.h"
#include "DbInitCommand.h"
#include "FireArguments.h"
#include "Host.h"
#include "core/ActionContainer.h"

namespace {

using namespace Korvel::App;

int fire(const CommandLine& line) {
    const std::string& guid = line.arguments.front();
    auto args = java::make<FireArguments>(std::vector<std::string>(line.arguments.begin() + 1, line.arguments.end()),
                                          std::cout);
    auto invoker = std::make_shared<Core::Action::ExecutorInvoker>();
    Core::Action::CContainer::instance().invoke(guid, invoker, java::pointer<Core::IUnknown>(args));
    std::cout.flush();
    return EXIT_SUCCESS;
}

int listActions() {
    for (const auto& listing : Core::Action::CContainer::instance().listings())
        std::cout << listing.guid << ' ' << listing.className << '\n';
    return EXIT_SUCCESS;
}

int initDatabase(const CommandLine& line) {
    const DbInitOptions options = parseDbInit(line.arguments);
    if (!line.databaseUrl) throw UsageError("Polecenie db init wymaga bazy danych (--database lub KORVEL_DATABASE).");
    runDbInit(*line.databaseUrl, options, std::cout, isatty(STDERR_FILENO) ? &std::cerr : nullptr);
    return EXIT_SUCCESS;
}

int run(const CommandLine& line, const char* argv0) {
    if (line.command == "db") return initDatabase(line);
    Host host(line.configPath, line.databaseUrl, Host::defaultModuleDirectory(argv0));
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
