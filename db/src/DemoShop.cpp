#include "shopdb/DemoShop.h"

#include <chrono>
#include <ctime>

#include "DemoCashRegisterDictionaries.h"
#include "DemoFixtures.h"
#include "DemoFkExport.h"
#include "DemoProducts.h"
#include "DemoPromotions.h"
#include "DemoTables.h"
#include "Random.h"
#include "core/Errors.h"
#include "db/Query.h"
#include "db/TransactionScope.h"
#include "shopdb/Schema.h"

namespace ShopDb {

namespace {

constexpr std::int64_t progressStep = 1000;

// Today's local date as a day number of the host's date type.
std::int32_t localToday() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day date{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return static_cast<std::int32_t>((sys_days{date} - sys_days{year{1899} / December / 30}).count());
}

}  // namespace

DemoShop::DemoShop(DemoShopOptions options) : options_(options) {
    if (options_.products < 0)
        throw Core::PlacedLogicError("Liczba towarów sklepu demonstracyjnego nie może być ujemna.",
                                     CORE_SRC_INFO("DemoShop::DemoShop"));
}

DemoShopSummary DemoShop::generate(TSessionHolder session, const Progress& progress) const {
    DBKernel::TransactionScope transaction(session, DBKernel::TransactionScope::JoinOpen);
    if (DBKernel::Sql::OpenedQuery("select count(*) as products from Towar", session)["products"].asInt64() > 0)
        throw Core::PlacedRuntimeError(
            "Baza danych zawiera już towary. Sklep demonstracyjny powstaje tylko w pustym schemacie sklepu.",
            CORE_SRC_INFO("DemoShop::generate"));

    const std::int32_t today = options_.today.value_or(localToday());
    const std::int64_t total = options_.products;
    Random random(options_.seed);
    ReferenceCounter references(total);  // products take 1 to total
    DemoTables tables(session);

    DemoFixtures::writeDictionaries(tables, random);
    writeCashRegisterDictionaries(session);
    DemoShopSummary summary;
    summary.devices = DemoFixtures::writeDevices(tables, references);
    DemoProducts products(session, tables, random, references, today, total);
    for (std::int64_t reference = 1; reference <= total; ++reference) {
        products.make(reference);
        if (progress && (reference % progressStep == 0 || reference == total)) progress(reference, total);
    }
    DemoFixtures::writeSales(tables, random, references, today);
    writeFkExports(session, today);
    DemoPromotions::write(session, today, total);
    reserveReferences(session, references.last());
    transaction.commit();
    // PostgreSQL plans from statistics, and rows loaded in one transaction have none
    // until analysed: the per-product reads of a transmission would be planned for
    // empty tables.
    if (session.engine() == DBKernel::Dialect::Engine::PostgreSQL) session.ExecuteNativeScript("analyze");
    if (progress && total == 0) progress(0, 0);

    summary.products = tables.towar.rows();
    summary.plus = tables.plu.rows();
    summary.priceConditions = tables.warSprz.rows();
    summary.bundles = products.bundles();
    return summary;
}

}  // namespace ShopDb
