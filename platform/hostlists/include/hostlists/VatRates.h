// The VAT rates of the shop (table StawkaVat) valid on a day: a rate holds from DataOd
// to DataDo inclusive, and without DataDo for good.
#pragma once

#include <string>
#include <vector>

#include "db/SessionHolder.h"

namespace Business {

struct VatRate {
    int number = 0;      // byVAT, what PLU records name as their rate
    std::string symbol;  // printed on receipts: "23", "zw"
    std::string letter;  // the fiscal printer's rate letter
    double percent = 0;
    bool exempt = false;
};

// By number.
std::vector<VatRate> vatRatesValidOn(int dayNumber, TSessionHolder session = TSessionHolder(true));

}  // namespace Business
