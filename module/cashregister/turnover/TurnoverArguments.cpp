#include "cashregister/turnover/TurnoverArguments.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <regex>

#include "core/DateTime.h"

namespace Kolvenia::DailyTurnover {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<int> parseInteger(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// "-md" where the form allows it, as the last argument.
bool optionalSwitch(const std::vector<std::string>& args, std::size_t position, bool& ok) {
    if (args.size() <= position) return false;
    ok = args.size() == position + 1 && args[position] == "-md";
    return ok;
}

}  // namespace

std::optional<int> parseDay(const std::string& text) {
    static const std::regex form(R"((\d{2})\.(\d{2})\.(\d{4}))");
    std::smatch parts;
    if (!std::regex_match(text, parts, form)) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(std::stoi(parts[3])),
                                           std::chrono::month(static_cast<unsigned>(std::stoi(parts[2]))),
                                           std::chrono::day(static_cast<unsigned>(std::stoi(parts[1])))};
    if (!date.ok()) return std::nullopt;
    return Core::DateTime::dayNumber(date);
}

ParsedArguments parseTurnoverArguments(const std::vector<std::string>& arguments, int today,
                                       const std::function<int()>& lastFkExportDay) {
    std::vector<std::string> args;
    std::transform(arguments.begin(), arguments.end(), std::back_inserter(args), lower);
    ParsedArguments parsed;
    if (args.empty()) return parsed;
    if (args.size() == 1 && args[0] == "/?") {
        parsed.usageOnly = true;
        return parsed;
    }
    bool ok = true;
    if (args[0] == "-fromlastdays") {
        const auto n = args.size() >= 2 ? parseInteger(args[1]) : std::nullopt;
        const bool md = optionalSwitch(args, 2, ok);
        if (n && *n >= 1 && ok && args.size() <= 3)
            parsed.request = TurnoverRequest{today - *n, today - 1, md, std::nullopt};
        return parsed;
    }
    if (args[0] == "-fromlastfkexportdate") {
        const bool md = optionalSwitch(args, 1, ok);
        if (ok && args.size() <= 2)
            parsed.request = TurnoverRequest{lastFkExportDay() + 1, today - 1, md, std::nullopt};
        return parsed;
    }
    if (args.size() == 2) {
        const auto day = parseDay(args[0]);
        const auto cashRegister = parseInteger(args[1]);
        if (day && cashRegister) parsed.request = TurnoverRequest{*day, *day, false, cashRegister};
    }
    return parsed;
}

}  // namespace Kolvenia::DailyTurnover
