// One re-request of daily sales data: finds the register-days whose reported daily
// total (table saleverification) is missing or disagrees with the receipts (table
// paragnag), and sends each installed register the command "GetDailyTurnover" for its
// days, through its command sender of the cash-register server communication. With an
// explicit register and a single day the day is requested without verification.
//
//   DailyTurnoverCommandSender run(from, to, includeDaysWithoutSale, std::nullopt, &out);
//   run.run();
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/turnover/TurnoverLog.h"
#include "db/SessionHolder.h"

namespace Kolvenia::DailyTurnover {

// Host contract: the class of one run and its register-day record.
class DailyTurnoverCommandSender {
public:
    // One register-day to request.
    struct SaleData {
        int cashRegister;
        int day;
    };

    // Days are host day numbers; the verified days are those after dateFrom up to and
    // including dateTo. console: where the log lines also go (nullptr: the log only).
    DailyTurnoverCommandSender(int dateFrom, int dateTo, bool includeDaysWithoutSale, std::optional<int> cashRegister,
                               std::ostream* console, TSessionHolder session = TSessionHolder(true));

    void run();

    // What run() collected, by register, for the tests of the selection.
    const std::map<int, std::set<int>>& collected() const { return collected_; }

private:
    void buildSenders();
    void verify();
    void collect(const SaleData& saleData);
    void sendCommands();
    void logPreviousTotals(int cashRegister, const std::set<int>& days);

    int dateFrom_;
    int dateTo_;
    bool includeDaysWithoutSale_;
    std::optional<int> cashRegister_;
    TSessionHolder session_;
    TurnoverLog log_;
    std::map<int, CashRegisterServerCommunication::IDailyTurnoverCommandSenderPtr> senders_;
    std::map<int, std::set<int>> collected_;
};

// "dd.mm.yyyy, dd.mm.yyyy" of ascending days.
std::string formatDays(const std::set<int>& days);

}  // namespace Kolvenia::DailyTurnover
