#include "labels/LabelRecord.h"

#include "labels/LabelCodePage.h"
#include "tools/Plu.h"
#include "tools/PluStatus.h"

namespace Labels {

bool LabelRecord::isNull(const char* column) const { return row_.FieldByName(column).IsNull(); }

std::string LabelRecord::text(const char* column) const { return toLabelCodePage(row_.FieldByName(column).AsString()); }

double LabelRecord::number(const char* column) const {
    return isNull(column) ? 0.0 : row_.FieldByName(column).AsFloat();
}

int LabelRecord::integer(const char* column) const {
    return isNull(column) ? 0 : static_cast<int>(row_.FieldByName(column).AsLargeInt());
}

std::string LabelRecord::fullPluCode() const { return fullFormOf(row_.FieldByName("sPlu").AsString()); }

std::string LabelRecord::fullFormOf(const std::string& code) {
    try {
        return Plu::TPlu(code).full();
    } catch (const Plu::InvalidCode&) {
        return code;
    }
}

double LabelRecord::pricePerUnitOfMeasure() const {
    const double price = number("dCenaSprzed");
    const double conversion = number("dPrzelicznik");
    return conversion == 0.0 ? price : price / conversion;
}

bool LabelRecord::isRemoval() const {
    const int status = integer("byStatus");
    return status == Plu::Status::ToDelete || status == Plu::Status::Deleted || integer("byElEtyk") == 0;
}

}  // namespace Labels
