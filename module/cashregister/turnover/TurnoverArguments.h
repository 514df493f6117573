// The console forms of the daily-turnover re-send, compared in lower case:
//   /?                                  the usage text only
//   -fromLastDays n [-md]               the n last days before today (n >= 1)
//   -fromLastFkExportDate [-md]         from the day after the last FK export to yesterday
//   dd.mm.yyyy numer_kasy               that day of that register, without verification
// "-md" also requests days without any sale from every installed register.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Kolvenia::DailyTurnover {

struct TurnoverRequest {
    int dateFrom = 0;
    int dateTo = 0;
    bool includeDaysWithoutSale = false;
    std::optional<int> cashRegister;
};

struct ParsedArguments {
    bool usageOnly = false;                  // "/?"
    std::optional<TurnoverRequest> request;  // neither: a wrong form
};

// today: the database's day number; lastFkExportDay: asked only by the FK form.
ParsedArguments parseTurnoverArguments(const std::vector<std::string>& arguments, int today,
                                       const std::function<int()>& lastFkExportDay);

// The day number of "dd.mm.yyyy", empty for anything else.
std::optional<int> parseDay(const std::string& text);

}  // namespace Kolvenia::DailyTurnover
