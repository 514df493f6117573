// Decides, for one row of the PLU dataset, whether it is sent; locks the product,
// hands the row to the PLU sender and writes back what the transmission changed: the
// PLU state, the product's send flags and price, the condition's sent flag, the stock
// procedures and the current sale parameters. Product-level work is done once per
// product, on its first row that gets that far.
#pragma once

#include <optional>

#include "db/DataSet.h"
#include "plu/PluCounters.h"
#include "plu/PluSender.h"
#include "plu/PluWriteBack.h"
#include "plu/TransmissionKind.h"

namespace PluTransmission {

class PluRecordProcessor {
public:
    PluRecordProcessor(ETransKindName::TransmissionKind kind, TSessionHolder session, Db::TDataSet& rows);

    // Reads the stock switch and prepares the stock procedure; once per run.
    void startRun();
    RecordResult processRecord(T_PLUSender& sender);

    PluWriteBack& writeBack() { return writeBack_; }

private:
    struct PendingChanges {
        std::optional<int> pluStatus;
        std::optional<int> conditionSent;
        std::optional<int> sendEvening;
        std::optional<int> sendNow;
        std::optional<double> price;
        std::optional<double> stockQuantity;
        bool priceChanged = false;
    };

    std::optional<RecordResult> skipReason() const;
    bool lockProduct(int productRef);
    void handOver(T_PLUSender& sender, int productRef);
    PendingChanges productChanges(int productRef);
    void writePluState(const PendingChanges& changes);
    void writeProduct(int productRef, const PendingChanges& changes);
    void writeStock(int productRef, const PendingChanges& changes);

    ETransKindName::TransmissionKind kind_;
    TSessionHolder session_;
    Db::TDataSet& rows_;
    PluWriteBack writeBack_;
    std::optional<int> lastProductRef_;  // survives packages: a product straddling two gets its writes once
    bool stockHandling_ = true;
};

}  // namespace PluTransmission
