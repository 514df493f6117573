// One sending of blocked vouchers: every waiting import file of the configured folder
// is read and archived, and all their ranges go to every enabled cash register through
// the blocked-voucher sender of the cash-register server communication. Old archives
// are removed first when so configured. The run reports to the database text log.
//
// Configuration: "Parametry programu" -> "Odczyt wieczorny" -> "Import zablokowanych
// bonów" -> "Folder" (the import folder, environment references expanded), its child
// "Usuwanie starych plików" (bool) and that one's child "Usuwaj pliki starsze niż X
// dni" (int).
//
// A file that cannot be read ends the run before sending; it is not archived and stays
// for the operator, while the files read before it stay archived and their ranges are
// not sent. A run killed before its send loses nothing: the next run sends the ranges
// of the files it had archived (see PendingArchives).
#pragma once

#include <ctime>

#include "zentools/DbTextLogService.h"

namespace Kolvenia::BlockedVouchers {

// Host contract: the log key and title of the report.
inline constexpr const char* ReportLogKey = "{A1DE12FD-F2D5-4090-BFA6-EDBF739F45CD}";
inline constexpr const char* ReportLogTitle = "Wysłanie blokad bonów";

class BlockedVouchersSending {
public:
    explicit BlockedVouchersSending(Zentools::DefaultDbTextLogService& report) : report_(report) {}

    // Returns the number of ranges handed to the sender (sent when more than 0).
    int run();

private:
    Zentools::DefaultDbTextLogService& report_;
};

}  // namespace Kolvenia::BlockedVouchers
