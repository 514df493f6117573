// The PLU engine. For a day it marks in the database the PLU and product rows whose
// data changed, then opens one query listing every PLU code due to be sent: one row
// per code, with the product data, both candidate prices, where the need to send came
// from (byFlaga) and the calculated display fields the send-PLU window shows.
//
//   TPLUTransmissionContainer engine(ETransKindName::Immediate, session);
//   engine.CreateDataSet(today);
//   for (auto* rows = engine.getDataSet(); !rows->Eof(); rows->Next()) ...
#pragma once

#include <functional>
#include <list>
#include <memory>
#include <string>

#include "core/ProgressIndicator.h"
#include "db/DataSet.h"
#include "db/SessionHolder.h"
#include "frame/strategies/IUrzCollectionModStrategy.h"
#include "plu/PluCounters.h"
#include "plu/PluOrigin.h"
#include "plu/TransmissionKind.h"
#include "products/IProductFeaturesCache.h"

namespace PluTransmission {
class PluRecordProcessor;
class T_PLUSender;
struct PluTransmissionContext;
}  // namespace PluTransmission

// Host contract: the engine's class, its operations and its dataset's field names.
class TPLUTransmissionContainer {
public:
    // Origin bits of byFlaga.
    static constexpr int FromTowar = PluTransmission::ProductSendFlag;
    static constexpr int FromPLU = PluTransmission::PluState;
    static constexpr int FromWarSprz = PluTransmission::UnsentSaleCondition;

    // Prepares the write-back statements of the record processing.
    TPLUTransmissionContainer(ETransKindName::TransmissionKind kind, TSessionHolder& session);
    ~TPLUTransmissionContainer();
    TPLUTransmissionContainer(const TPLUTransmissionContainer&) = delete;
    TPLUTransmissionContainer& operator=(const TPLUTransmissionContainer&) = delete;

    // Marks the rows due on the day (its whole part) and (re)opens the main query for
    // it, restricted to the product filter set last (none: all products).
    void CreateDataSet(float day);
    // Sets the product filter (empty: all products), then as above.
    void CreateDataSet(float day, const std::list<int>& products);

    // Turns ordinary PLUs of flagged products and of products with an unsent condition
    // for the day into new ones; `table` is "PLU" or "PLU_ALL_VIEW".
    void markPLUFromTowarAnsWars(float day, const std::string& table);
    // In several-prices mode only: flags grouped products whose condition or PLU
    // changed for immediate sending.
    void markTowarFromPLUAnsWars(float day);

    // Whether rows without any positive price that are not deletions are listed (last).
    // A change re-runs CreateDataSet for the stored day.
    void setIncludePriceless(bool include);

    // The calculation event of the main query: display texts and the price to send.
    void QueryCalcFields(Db::TDataSet* dataSet);

    // Writes the rows edited in the main query (the window's flag commands) back to
    // their PLU (byBlokada, byStatus) and product (bySendNat, bySendWiecz), only what
    // changed; the edits are then the rows' own values.
    void applyChanges();

    Db::TDataSet* getDataSet() { return &mainQuery_; }
    Db::TDataSet& getMainQuery() { return mainQuery_; }
    int getRecordCount() const { return mainQuery_.RecordCount(); }
    // Walks the open main query in packages of "Wielkość paczki zawierającej PLU" (500
    // when missing or not positive), one transaction and one PLU sender per package.
    // On failure the open package is rolled back (earlier ones stay committed), the
    // message is put in `status` and the answer is false.
    bool ProcessDataSet(std::string& status, Core::ThreadUserIo::ISteppableProgressIndicator& progress);
    // Decides, sends and writes back the current row: 0 not sent for flags or price,
    // 1 sent, 2 a transaction error (the product is locked), 4 a wrong condition price.
    int ProcessRecord(std::shared_ptr<PluTransmission::T_PLUSender> sender);
    // A new PLU sender for the day, for the next package.
    std::shared_ptr<PluTransmission::T_PLUSender> createPluSender();
    // Called after every row.
    void SetupTickMethod(std::function<void()> tick) { tick_ = std::move(tick); }
    void resetCounters() { counters_ = {}; }
    const PluTransmission::PluCounters& counters() const { return counters_; }
    // Narrows the cash registers the records go to (default: every installed one).
    void setDeviceStrategy(std::shared_ptr<const IUrzCollectionModStrategy> strategy) {
        strategy_ = std::move(strategy);
    }

    // "Wielkość paczki zawierającej PLU", or 500 when it is missing or not positive.
    static int configuredPackageSize();
    static constexpr int DefaultPackageSize = 500;

    // Features of the products of the open query, for the PLU sender.
    const Korvel::Products::IProductFeaturesCachePtr& getProductFeaturesCache() const { return productFeatures_; }

private:
    void createFields();
    void openMainQuery(int day, bool severalSalePrices);
    void cacheProductFeatures();

    ETransKindName::TransmissionKind kind_;
    TSessionHolder session_;
    float day_ = 0;
    bool includePriceless_ = false;
    std::list<int> products_;
    Db::TDataSet mainQuery_;
    Korvel::Products::IProductFeaturesCachePtr productFeatures_;

    void walkRows(Core::ThreadUserIo::ISteppableProgressIndicator& progress);

    std::unique_ptr<PluTransmission::PluRecordProcessor> processor_;
    std::shared_ptr<PluTransmission::PluTransmissionContext> context_;
    std::shared_ptr<const IUrzCollectionModStrategy> strategy_;
    PluTransmission::PluCounters counters_;
    std::function<void()> tick_;
};
