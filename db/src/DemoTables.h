// The inserts the demo shop writes through, one per table, prepared once.
#pragma once

#include "TableInsert.h"

namespace ShopDb {

struct DemoTables {
    explicit DemoTables(const TSessionHolder& session);

    TableInsert brand, firma, firmaAtrybut, productSet, prezent, financialTransactionType, automaticDiscountType;
    TableInsert towar, salesParams, plu, jmiar, warSprz, sklad, stn, zestaw, productSetLink, productDiscount,
        productFeature;
    TableInsert warzak, dostawa, deletedScaleNumber;
    TableInsert urzadzenie, paramUrz, paragnag, saleVerification;
};

}  // namespace ShopDb
