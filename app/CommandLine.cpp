#include "CommandLine.h"

namespace Korvel::App {

const char* const usageText =
    "Użycie:\n"
    "  korvel [--config PLIK] [--database URL] fire <guid_akcji> [argumenty...]\n"
    "  korvel [--database URL] db init [--demo] [--products N] [--seed S] [--force]\n"
    "  korvel [--config PLIK] [--database URL] evening [--day dd.mm.rrrr]\n"
    "  korvel [--config PLIK] [--database URL] gui\n"
    "  korvel [--config PLIK] [--database URL] send-all --kinds KOD,... --devices REF,...|all\n"
    "  korvel [--config PLIK] actions\n"
    "  korvel --help\n"
    "\n"
    "Polecenia:\n"
    "  fire      uruchamia akcję o podanym GUID; wynik na standardowym wyjściu,\n"
    "            błąd na standardowym wyjściu błędów i kod wyjścia różny od 0\n"
    "  db init   tworzy schemat bazy sklepu (--force: od nowa, z utratą danych);\n"
    "            --demo wypełnia ją sklepem demonstracyjnym (N towarów, ziarno S)\n"
    "  evening   przetwarzanie wieczorne (koniec dnia sklepu): uruchamia po kolei\n"
    "            każdą zarejestrowaną akcję wieczorną za podany dzień (domyślnie\n"
    "            dzisiejszy dzień bazy danych), pomija akcje wyłączone, wypisuje\n"
    "            stan każdej; kod wyjścia różny od 0, gdy któraś się nie powiodła\n"
    "  gui       otwiera okno programu z menu modułu (Transmisje, Spisy, Inne);\n"
    "            wybranie pozycji menu uruchamia jej akcję\n"
    "  send-all  wysyła wszystkie dane do nowych kas: rodzaje danych o podanych kodach\n"
    "            typu operacji (klucz \"Wysyłanie wszystkich danych\" konfiguracji),\n"
    "            po kolei rosnąco według kodu, do urządzeń o podanych numerach\n"
    "            lUrzadzenieRef albo all (kasy i wagi biorące udział w transmisji;\n"
    "            wagi tylko dla rodzajów z \"Wysłanie na wagi\");\n"
    "            Ctrl-C przerywa po bieżącym rodzaju (kod wyjścia 130); kod wyjścia 1,\n"
    "            gdy wysyłanie się nie rozpoczęło albo rodzaj danych się nie powiódł\n"
    "  actions   wypisuje zarejestrowane akcje (GUID i klasa) w kolejności rejestracji,\n"
    "            potem twórców nadawców danych zewnętrznych (GUID i \"(sender creator)\")\n"
    "\n"
    "Opcje:\n"
    "  --config PLIK     plik konfiguracji (XML); domyślnie $KORVEL_CONFIG\n"
    "  --database URL    sqlite:ŚCIEŻKA albo postgresql://...; domyślnie $KORVEL_DATABASE\n"
    "\n"
    "Zmienne środowiska: KORVEL_CONFIG, KORVEL_DATABASE, KORVEL_MODULE_DIR (katalog modułów),\n"
    "KORVEL_DEBUG_LOG (plik dziennika diagnostycznego).\n";

namespace {
std::optional<std::string> fromEnvironment(const char* (*getenv)(const char*), const char* name) {
    const char* value = getenv(name);
    if (value && *value) return std::string(value);
    return std::nullopt;
}
}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args, const char* (*getenv)(const char*)) {
    CommandLine line;
    std::size_t i = 0;
    for (; i < args.size() && line.command.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--config" || arg == "--database") {
            if (i + 1 >= args.size()) throw UsageError("Opcja " + arg + " wymaga wartości.");
            (arg == "--config" ? line.configPath : line.databaseUrl) = args[++i];
        } else if (arg.starts_with("--")) {
            throw UsageError("Nieznana opcja " + arg + ".");
        } else {
            line.command = arg;
        }
    }
    line.arguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (line.help) return line;
    if (line.command.empty()) throw UsageError("Brak polecenia.");
    if (line.command != "fire" && line.command != "actions" && line.command != "db" && line.command != "evening" &&
        line.command != "gui" && line.command != "send-all")
        throw UsageError("Nieznane polecenie " + line.command + ".");
    if (line.command == "fire" && line.arguments.empty()) throw UsageError("Polecenie fire wymaga GUID akcji.");
    if ((line.command == "actions" || line.command == "gui") && !line.arguments.empty())
        throw UsageError("Polecenie " + line.command + " nie przyjmuje argumentów.");
    if (!line.configPath) line.configPath = fromEnvironment(getenv, "KORVEL_CONFIG");
    if (!line.databaseUrl) line.databaseUrl = fromEnvironment(getenv, "KORVEL_DATABASE");
    if ((line.command == "evening" || line.command == "send-all") && !line.databaseUrl)
        throw UsageError("Polecenie " + line.command + " wymaga bazy danych (--database lub KORVEL_DATABASE).");
    return line;
}

}  // namespace Korvel::App
