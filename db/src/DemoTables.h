// The inserts the demo shop writes through, one per table, prepared once.
#pragma once

#include "TableInsert.h"

namespace ShopDb {

struct DemoTables {
    explicit DemoTables(const TSessionHolder& session);

    TableInsert brand, firma, productSet, prezent;
    TableInsert towar, salesParams, plu, jmiar, warSprz, sklad, stn, zestaw, productSetLink;
    TableInsert warzak, dostawa, deletedScaleNumber;
    TableInsert urzadzenie, paramUrz, paragnag, saleVerification;
};

}  // namespace ShopDb
