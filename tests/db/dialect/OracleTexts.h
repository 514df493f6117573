// The Oracle SQL texts the module issues that need rewriting, so that the proof tests
// run the real texts: the PLU engine's own, taken from the module, and written-out
// copies of those whose subsystems the module does not have yet.
#pragma once

#include <string>
#include <vector>

namespace OracleTexts {

// The PLU engine's main query for a day (single-price or several-price mode).
std::string pluMainQuery(int day, bool severalPrices, bool includePriceless, const std::vector<int>& products);
// The send-all-PLU query.
std::string sendAllPluQuery(bool severalPrices);
// The marking statement of the PLU engine for "PLU" or "PLU_ALL_VIEW".
std::string markPluStatement(int day, const std::string& table);
// SES labels: stock, promotion dates and supplier of the collected PLUs.
std::string sesLabelsQuery(int saleDate);
// Labels of the products whose stock changed between two days.
std::string stockChangeQuery(int firstDay, int lastDay);
// The price-checker number store.
std::string priceCheckerMerge();
std::string lockProduct(int product);
// The device dialog's locks for a selection condition ("lUrzadzenieRef=5\n").
std::string lockDevices(const std::string& selection);
std::string lockDeviceParameters(const std::string& selection);
// The refundation purchase-price prediction through the database packages.
std::string purchasePricePrediction();
// Small texts with binds and nvl.
std::string pluStateUpdate();
std::string pluCodesOfProduct();
std::string stockOfProduct();

}  // namespace OracleTexts
