// The label export of the label products whose stock changed in a range of days: the
// stock-change query, and the run of the configured label sender over its rows. The
// console, evening and dialog exports all go through here.
//
//   Labels::StockChangeLabels labels(firstDay, lastDay);
//   if (labels.empty()) ... "Brak etykiet do wysłania."
//   else labels.send();
#pragma once

#include <string>

#include "db/DataSet.h"

namespace Labels {

class StockChangeLabels {
public:
    // Opens the query on the host's session; days are host day numbers.
    StockChangeLabels(int firstDay, int lastDay);

    // Host contract: the stock-change query for the range.
    static std::string sql(int firstDay, int lastDay);

    bool empty() const { return rows_.RecordCount() == 0; }
    // Creates the sender that "Klasa eksportu" names, begins it with today, hands it
    // every row and ends it (which writes and uploads the file).
    void send();

private:
    Db::TDataSet rows_;
};

// Whether "Parametry sklepu" -> "Towary" -> "Etykiety elektroniczne" -> "Włączone" is
// true; false when a key on the way is missing.
bool electronicLabelsSwitchedOn();

}  // namespace Labels
