// The PLU engine. For a day it marks in the database the PLU and product rows whose
// data changed, then opens one query listing every PLU code due to be sent: one row
// per code, with the product data, both candidate prices, where the need to send came
// from (byFlaga) and the calculated display fields the send-PLU window shows.
//
//   TPLUTransmissionContainer engine(ETransKindName::Immediate, session);
//   engine.CreateDataSet(today);
//   for (auto* rows = engine.getDataSet(); !rows->Eof(); rows->Next()) ...
#pragma once

#include <list>
#include <string>

#include "db/DataSet.h"
#include "db/SessionHolder.h"
#include "plu/PluOrigin.h"
#include "plu/TransmissionKind.h"
#include "products/IProductFeaturesCache.h"

class TPLUTransmissionContainer {
public:
    // Origin bits of byFlaga.
    static constexpr int FromTowar = PluTransmission::ProductSendFlag;
    static constexpr int FromPLU = PluTransmission::PluState;
    static constexpr int FromWarSprz = PluTransmission::UnsentSaleCondition;

    TPLUTransmissionContainer(ETransKindName::TransmissionKind kind, TSessionHolder& session);
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

    Db::TDataSet* getDataSet() { return &mainQuery_; }
    Db::TDataSet& getMainQuery() { return mainQuery_; }
    int getRecordCount() const { return mainQuery_.RecordCount(); }
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
};
