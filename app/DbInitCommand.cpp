#include "DbInitCommand.h"

#include <charconv>
#include <filesystem>

#include "CommandLine.h"
#include "db/SessionHolder.h"
#include "shopdb/DemoShop.h"
#include "shopdb/Schema.h"

namespace Korvel::App {

namespace {

template <class Number>
Number parseNumber(const std::string& option, const std::string& text, Number minimum) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < minimum)
        throw UsageError("Niepoprawna wartość opcji " + option + ": " + text + ".");
    return value;
}

// The file of an SQLite URL that does not exist yet, so that a failed initialisation
// can take it away again; empty for anything else.
std::optional<std::filesystem::path> newSqliteFile(const std::string& url) {
    const std::string prefix = "sqlite:";
    if (!url.starts_with(prefix)) return std::nullopt;
    std::filesystem::path file = url.substr(prefix.size());
    if (std::filesystem::exists(file)) return std::nullopt;
    return file;
}

void removeDatabaseFiles(const std::filesystem::path& file) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(file.string() + suffix, ignored);
}

void initialise(const std::string& url, const DbInitOptions& options, std::ostream& out, std::ostream* progress) {
    TSessionHolder session(url, DBKernel::OpenMode::CreateIfMissing);
    ShopDb::createSchema(session, options.force);
    out << "Utworzono schemat bazy sklepu: " << url << '\n';
    if (!options.demo) return;
    ShopDb::DemoShopOptions demoOptions;
    demoOptions.products = options.products;
    demoOptions.seed = options.seed;
    auto report = [progress](std::int64_t done, std::int64_t total) {
        *progress << "\rSklep demonstracyjny: " << done << " z " << total << " towarów" << (done == total ? "\n" : "")
                  << std::flush;
    };
    const auto summary =
        ShopDb::DemoShop(demoOptions).generate(session, progress ? ShopDb::DemoShop::Progress(report) : nullptr);
    out << "Sklep demonstracyjny: towarów " << summary.products << ", PLU " << summary.plus << ", warunków sprzedaży "
        << summary.priceConditions << ", zestawów " << summary.bundles << ", urządzeń " << summary.devices << '\n';
}

}  // namespace

DbInitOptions parseDbInit(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front() != "init") throw UsageError("Polecenie db wymaga podpolecenia init.");
    DbInitOptions options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg == "--products" || arg == "--seed") {
            if (i + 1 >= arguments.size()) throw UsageError("Opcja " + arg + " wymaga wartości.");
            if (arg == "--products")
                options.products = parseNumber<long long>(arg, arguments[++i], 0);
            else
                options.seed = parseNumber<unsigned long long>(arg, arguments[++i], 0);
        } else {
            throw UsageError("Nieznana opcja polecenia db init: " + arg + ".");
        }
    }
    return options;
}

void runDbInit(const std::string& databaseUrl, const DbInitOptions& options, std::ostream& out,
               std::ostream* progress) {
    const auto created = newSqliteFile(databaseUrl);
    try {
        initialise(databaseUrl, options, out, progress);
    } catch (...) {
        if (created) removeDatabaseFiles(*created);
        throw;
    }
}

}  // namespace Korvel::App
