#include "plu/PluWriteBack.h"

#include <boost/format.hpp>

#include "db/DbTypes.h"

namespace PluTransmission {

// Host contract: every statement text below, byte for byte (double spaces included): the
// statement log and the tests compare them as issued.
PluWriteBack::PluWriteBack(TSessionHolder session)
    : session_(session),
      pluStatus_(
          "update PLU set byStatus = :byStatus  where lPLURef = :lPLURef    and nvl(byBlokada, 0) <> 1    and byStatus  = :OLDbyStatus",
          session),
      conditionSent_(
          "update warsprz set byCenaWyslana = :byCenaWyslana  where lWarSprzRef = :lWarSprzRef    and dCenaSprzed = :OLDdCenaSprzed",
          session),
      productWithPrice_(
          "update towar set bySendWiecz = :bySendWiecz,    bySendNat = :bySendNat,    dCenaSprzed = :dCenaSprzed,    lPromocjaRef = :lPromocjaRef  where lTowarRef = :lTowarRef ",
          session),
      productFlags_(
          "update towar set bySendWiecz = :bySendWiecz, bySendNat = :bySendNat  where lTowarRef = :lTowarRef ",
          session),
      currentSaleParams_(
          "\n update Product_Current_Sale_Params set\n \tsale_price = :sale_price\n \t, simplified_promotion_id = :simplified_promotion_id\n \t, alternative_prices = :alternative_prices\n where product_id = :product_id",
          session),
      pluBlock_("update PLU set byBlokada = :byBlokada  where lPLURef = :lPLURef", session),
      productFlagsOnly_(
          "update towar set bySendWiecz = :bySendWiecz,  bySendNat = :bySendNat where lTowarRef = :lTowarRef", session),
      product_("select * from towar where lTowarRef = :lTowarRef", session),
      plu_("select * from PLU where lPLURef = :lPLURef", session),
      stock_("select dStan stockQuantity from stn where lTowarRef = :productId and data = lastStnDate(:productId)",
             session) {}

std::int64_t PluWriteBack::updatePluStatus(int pluRef, int newStatus, int oldStatus) {
    pluStatus_.Params["byStatus"] = newStatus;
    pluStatus_.Params["lPLURef"] = pluRef;
    pluStatus_.Params["OLDbyStatus"] = oldStatus;
    return pluStatus_.execute();
}

std::int64_t PluWriteBack::markConditionSent(int conditionRef, int sentFlag, double oldPrice) {
    conditionSent_.Params["byCenaWyslana"] = sentFlag;
    conditionSent_.Params["lWarSprzRef"] = conditionRef;
    conditionSent_.Params["OLDdCenaSprzed"] = oldPrice;
    return conditionSent_.execute();
}

std::int64_t PluWriteBack::updateProductWithPrice(int productRef, int sendEvening, int sendNow, double price,
                                                  std::optional<std::int64_t> promotionRef) {
    productWithPrice_.Params["bySendWiecz"] = sendEvening;
    productWithPrice_.Params["bySendNat"] = sendNow;
    productWithPrice_.Params["dCenaSprzed"] = price;
    productWithPrice_.Params["lPromocjaRef"] = promotionRef;
    productWithPrice_.Params["lTowarRef"] = productRef;
    return productWithPrice_.execute();
}

std::int64_t PluWriteBack::updateProductFlags(int productRef, int sendEvening, int sendNow) {
    productFlags_.Params["bySendWiecz"] = sendEvening;
    productFlags_.Params["bySendNat"] = sendNow;
    productFlags_.Params["lTowarRef"] = productRef;
    return productFlags_.execute();
}

void PluWriteBack::updateCurrentSaleParams(int productRef, std::optional<double> salePrice,
                                           std::optional<std::int64_t> promotionRef,
                                           const std::string& alternativePrices) {
    currentSaleParams_.Params["sale_price"] = salePrice;
    currentSaleParams_.Params["simplified_promotion_id"] = promotionRef;
    currentSaleParams_.Params["alternative_prices"] = alternativePrices;
    currentSaleParams_.Params["product_id"] = productRef;
    currentSaleParams_.execute();
}

void PluWriteBack::lockProduct(int productRef) {
    // One-off text per product: not kept for reuse.
    DBKernel::Sql::OpenedQuery(
        (boost::format("select * from towar where ltowarref = %1% for update nowait") % productRef).str(), session_,
        {.reuseStatement = false});
}

std::optional<double> PluWriteBack::stockQuantity(int productRef) {
    stock_.Params["productId"] = productRef;
    stock_.execute();
    std::optional<double> quantity;
    if (stock_ && !stock_["stockQuantity"].isNull()) quantity = stock_["stockQuantity"].asDouble();
    // Read to the end: a statement left on a row holds its snapshot, and SQLite could not
    // checkpoint its log at the package commits.
    while (stock_.next()) {}
    return quantity;
}

void PluWriteBack::prepareStockRevaluation() {
    stockRevaluation_.emplace("UPDATESTANPROC", session_);
    stockRevaluation_->param("DDATE", Db::ptInput, Db::ftDateTime);
    stockRevaluation_->param("TOWARREF", Db::ptInput, Db::ftInteger);
    stockRevaluation_->param("CENASPRZED", Db::ptInput, Db::ftFloat);
}

void PluWriteBack::revalueStock(double today, int productRef, double newPrice) {
    stockRevaluation_->Params["DDATE"] = today;
    stockRevaluation_->Params["TOWARREF"] = productRef;
    stockRevaluation_->Params["CENASPRZED"] = newPrice;
    stockRevaluation_->execute();
}

void PluWriteBack::appendMarkdownProtocol(double today, int productRef, double quantity, double newPrice,
                                          double oldPrice) {
    DBKernel::Sql::Procedure protocol("PPA.appendPpa", session_);
    protocol.param("par_date", Db::ptInput, Db::ftDateTime) = today;
    protocol.param("par_ppaType", Db::ptInput, Db::ftInteger) = 2;
    protocol.param("par_productRef", Db::ptInput, Db::ftInteger) = productRef;
    protocol.param("par_quantity", Db::ptInput, Db::ftFloat) = quantity;
    protocol.param("par_price1", Db::ptInput, Db::ftFloat) = newPrice;
    protocol.param("par_price2", Db::ptInput, Db::ftFloat) = oldPrice;
    protocol.param("productStockQuantity", Db::ptInput, Db::ftFloat) = quantity;
    protocol.execute();
}

}  // namespace PluTransmission
