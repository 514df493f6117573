// The statements a PLU transmission writes back with, prepared once per engine: the
// optimistic updates of PLU, condition and product rows, the product row lock, the
// stock procedures and query, and the current sale parameters. The updates compare the
// old values, so a row changed since the main query read it updates nothing.
#pragma once

#include <optional>

#include "core/Money.h"
#include "db/Command.h"
#include "db/Procedure.h"
#include "db/Query.h"

namespace PluTransmission {

class PluWriteBack {
public:
    explicit PluWriteBack(TSessionHolder session);

    // Rows updated by each statement.
    std::int64_t updatePluStatus(int pluRef, int newStatus, int oldStatus);
    std::int64_t markConditionSent(int conditionRef, int sentFlag, double oldPrice);
    std::int64_t updateProductWithPrice(int productRef, int sendEvening, int sendNow, double price,
                                        std::optional<std::int64_t> promotionRef);
    std::int64_t updateProductFlags(int productRef, int sendEvening, int sendNow);
    void updateCurrentSaleParams(int productRef, std::optional<double> salePrice,
                                 std::optional<std::int64_t> promotionRef, const std::string& alternativePrices);

    // Takes the product row's lock at once; a held lock raises EOraError 54.
    void lockProduct(int productRef);
    // The product's stock on its last stock day; empty without a row.
    std::optional<double> stockQuantity(int productRef);

    void prepareStockRevaluation();
    void revalueStock(double today, int productRef, double newPrice);
    void appendMarkdownProtocol(double today, int productRef, double quantity, double newPrice, double oldPrice);

private:
    TSessionHolder session_;
    DBKernel::Sql::Command pluStatus_;
    DBKernel::Sql::Command conditionSent_;
    DBKernel::Sql::Command productWithPrice_;
    DBKernel::Sql::Command productFlags_;
    DBKernel::Sql::Command currentSaleParams_;
    // Prepared for the send-PLU window, which edits the same rows.
    DBKernel::Sql::Command pluBlock_;
    DBKernel::Sql::Command productFlagsOnly_;
    DBKernel::Sql::PreparedQuery product_;
    DBKernel::Sql::PreparedQuery plu_;
    DBKernel::Sql::PreparedQuery stock_;
    std::optional<DBKernel::Sql::Procedure> stockRevaluation_;
};

}  // namespace PluTransmission
