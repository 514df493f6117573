// Reads of the label senders from the record a dataset stands on: a PLU row of the
// transmission or a row of the stock-change query. NULL reads as empty or zero.
#pragma once

#include <string>

#include "db/DataSet.h"

namespace Labels {

class LabelRecord {
public:
    explicit LabelRecord(Db::TDataSet& row) : row_(row) {}

    bool isNull(const char* column) const;
    // A text in the label code page.
    std::string text(const char* column) const;
    double number(const char* column) const;
    int integer(const char* column) const;
    // The full EAN form of "sPlu"; a code that does not parse is kept as stored, so
    // that one bad code does not stop the labels of every other product.
    std::string fullPluCode() const;
    static std::string fullFormOf(const std::string& pluCode);
    // "dCenaSprzed" per unit of measure: divided by "dPrzelicznik" unless that is 0.
    double pricePerUnitOfMeasure() const;
    // Removal: PLU state "to be deleted" or "deleted", or the product left the labels.
    bool isRemoval() const;

private:
    Db::TDataSet& row_;
};

}  // namespace Labels
