// Module public face: plugins and other modules include this header; change it compatibly.
// Transfer files exchanged with the cash-register server: their names, the clean-up of
// old temporary files, and the check of the transfer directories. The naming service
// and the clean-up are exported: the cash-register transmission modules call them.
//
// A transfer file is named <directory><sub-prefix?><prefix><date code><nnnn>.<tt>:
// the date code is three characters (year, month, day), nnnn the day's sequence
// number of the type and prefix (0001-9998), tt the type in lower-case hexadecimal.
#pragma once

#include <chrono>
#include <string>

namespace Kolvenia::Kasa {

// The three-character date code of today's local date.
std::string getCurrentDateFileNameStr();
// The date code of a calendar date: year-2000 as '0'-'9' then 'A'-'Z' (other years
// '0'), month 'A'-'L', day 1-10 as '0'-'9' and 11-31 as 'A'-'U'.
std::string dateFileNameStr(std::chrono::year_month_day date);

// The full path of the next transfer file of the type; proposes a name, creates nothing.
// Raises "Błąd! Za dużo plików oczekuje do przesłania na kasy!" when the day's numbers
// are used up.
std::string getNextFileNameByType(int type, const std::string& directory, char prefix, const std::string& subPrefix,
                                  bool useSubPrefix);

// Removes the temporary files ("$*.*") whose last write, as a UTC date, is earlier than
// `days` days before today (UTC). The directory string ends with a separator.
void clearOldTempFiles(const std::string& directory, int days);
// As above, with the age limit "Usuwaj pliki tymczasowe starsze niż X dni".
void clearOldTempFiles(const std::string& directory);

// Raises, under the error title, when the directory cannot be entered.
void checkTransferDirectory(std::string directory, const std::string& errorTitle);

}  // namespace Kolvenia::Kasa
