#include "EngineTest.h"

#include "db/Query.h"
#include "shopdb/Schema.h"

namespace ShopDbTest {

TSessionHolder ShopEngineTest::emptyDatabase() {
    databases_.emplace_back(GetParam());
    return TSessionHolder(databases_.back().url(), DBKernel::OpenMode::CreateIfMissing);
}

TSessionHolder ShopEngineTest::shopDatabase() {
    TSessionHolder session = emptyDatabase();
    ShopDb::createSchema(session);
    return session;
}

std::uint64_t contentDigest(const TSessionHolder& session) {
    static const char* const tables[] = {"Brand order by id",
                                         "Firma order by lFirmaRef",
                                         "FirmaAtrybut order by lFirmaRef, sNazwa",
                                         "ProductSet order by id",
                                         "prezent order by lPremiaBonPrezentRef",
                                         "FinancialTransactionType order by id",
                                         "AutomaticDiscountType order by id",
                                         "Towar order by lTowarRef",
                                         "Product_Current_Sale_Params order by product_id",
                                         "PLU order by lPluRef",
                                         "jmiar order by lTowarRef, njm",
                                         "WarSprz order by lWarSprzRef",
                                         "skladsurowcowytowaru order by lTowarRef",
                                         "stn order by lTowarRef, data",
                                         "Zestaw order by lMasterTowarRef, lTowarRef",
                                         "ProductProductSetLink order by ProductId, ProductSetId",
                                         "ProductAutomaticDiscountType order by ProductId, AutomaticDiscountTypeId",
                                         "ProductFeature order by product_id, name",
                                         "warzak order by lWarZakRef",
                                         "Dostawa order by lDostawaRef",
                                         "DeletedProductScaleNumber order by ProductId, SectionNumber, NumberOnScale",
                                         "Urzadzenie order by lUrzadzenieRef",
                                         "ParamUrz order by lParamUrzRef",
                                         "paragnag order by lParagRef",
                                         "saleverification order by cashRegisterNumber, saleDate"};
    std::uint64_t digest = 14695981039346656037ULL;  // FNV-1a
    auto add = [&](const std::string& text) {
        for (unsigned char c : text + '\x1f') digest = (digest ^ c) * 1099511628211ULL;
    };
    for (const char* table : tables) {
        DBKernel::Sql::OpenedQuery query(std::string("select * from ") + table, session);
        for (; query; query.next())
            for (int column = 0; column < query.columnCount(); ++column) {
                const auto field = query[query.columnName(column)];
                add(field.isNull() ? "<null>" : field.asString());
            }
        add(table);
    }
    return digest;
}

}  // namespace ShopDbTest
