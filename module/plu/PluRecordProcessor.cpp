#include "plu/PluRecordProcessor.h"

#include "composition/CompositionOracleDao.h"
#include "core/DateTime.h"
#include "core/Debug.h"
#include "core/Errors.h"
#include "db/OraError.h"
#include "frame/Configuration.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/RowValues.h"
#include "tools/PluStatus.h"

namespace PluTransmission {

namespace {

constexpr const char* StockHandlingOff = "{7E3F9A21-5C0D-4B86-9E14-2D6A8F03B5C7}";

void log(const std::string& text) {
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine("TPLUTransmissionContainer::ProcessRecord: " + text,
                             CORE_SRC_INFO("TPLUTransmissionContainer::ProcessRecord"));
}

[[noreturn]] void inconsistent(const char* logText, const char* message) {
    log(logText);
    throw Core::PlacedRuntimeError(message, CORE_SRC_INFO("TPLUTransmissionContainer::ProcessRecord"));
}

bool hasCondition(int origin) { return (origin & TPLUTransmissionContainer::FromWarSprz) != 0; }
bool fromPluState(int origin) { return (origin & TPLUTransmissionContainer::FromPLU) != 0; }

}  // namespace

PluRecordProcessor::PluRecordProcessor(ETransKindName::TransmissionKind kind, TSessionHolder session,
                                       Db::TDataSet& rows)
    : kind_(kind), session_(session), rows_(rows), writeBack_(session) {}

void PluRecordProcessor::startRun() {
    auto switchKey = Kolvenia::Config::findKey(
        {"Parametry programu", "FrontOffice", "Przetwarzanie sprzedazy", "Obsługa stanów wyłączona"});
    stockHandling_ = !(switchKey && switchKey->GetVal<std::string>() == StockHandlingOff);
    writeBack_.prepareStockRevaluation();
}

std::optional<RecordResult> PluRecordProcessor::skipReason() const {
    const int origin = integer(rows_, "byFlaga");
    const int status = integer(rows_, "byStatus");
    if (integer(rows_, "byBlokada") == 1) {
        log("BLOKADA = 1 WYLOT");
        return NotSentFlagsOrPrice;
    }
    const auto productPrice = optionalDouble(rows_, "dCenaSprzedTowar");
    if (!hasCondition(origin) && (!productPrice || *productPrice == 0.0) && status != Plu::Status::ToDelete) {
        log("CENA ZEROWA i BRAK WAR i NIE KASUJ PLU - WYLOT");
        return NotSentFlagsOrPrice;
    }
    const auto conditionPrice = optionalDouble(rows_, "dCenaSprzedWar");
    if (hasCondition(origin) && (!conditionPrice || *conditionPrice <= 0.0) && status != Plu::Status::ToDelete) {
        log("CENA ZEROWA Z WARUNKOW - WYLOT");
        return WrongConditionPrice;
    }
    const auto sendNow = optionalInt(rows_, "bySendNat");
    if (integer(rows_, "bySendWiecz") == 1 && sendNow && *sendNow == 0 && kind_ == ETransKindName::Immediate) {
        log("Tylko na odczyt wieczorny - WYLOT");
        return NotSentFlagsOrPrice;
    }
    return std::nullopt;
}

bool PluRecordProcessor::lockProduct(int productRef) {
    try {
        writeBack_.lockProduct(productRef);
        return true;
    } catch (const Oraerror::EOraError& e) {
        if (e.ErrorCode != Oraerror::Code::ResourceBusy) throw;
        log("cannot acquire lock on product");
        return false;
    }
}

void PluRecordProcessor::handOver(T_PLUSender& sender, int productRef) {
    sender.SendRecordPLU();
    const auto composition = Composition::CompositionOracleDao::getComposition(productRef, session_);
    for (const auto& productSet : composition.getProductSets()) sender.handleProductSet(productSet);
}

PluRecordProcessor::PendingChanges PluRecordProcessor::productChanges(int productRef) {
    PendingChanges changes;
    const int origin = integer(rows_, "byFlaga");
    log("WYKRYTO NOWY TOWAR");
    if (integer(rows_, "bySendWiecz") == 1 && kind_ == ETransKindName::Evening) changes.sendEvening = 0;
    if (integer(rows_, "bySendNat") == 1) changes.sendNow = 0;
    if (hasCondition(origin) && optionalInt(rows_, "byCenaWyslana") == 0) {
        log("CENA WYSLANA Z WARUNKOW");
        changes.conditionSent = 1;
    }
    if (hasCondition(origin)) {
        log("CENA Z WARUNKOW");
        changes.price = optionalDouble(rows_, "dCenaSprzedWar");
        if (changes.price != optionalDouble(rows_, "dCenaSprzedTowar")) {
            changes.priceChanged = true;
            log("(może Protokol przeceny) - Pobieramy stan");
            changes.stockQuantity = writeBack_.stockQuantity(productRef);
        }
    }
    return changes;
}

RecordResult PluRecordProcessor::processRecord(T_PLUSender& sender) {
    if (Core::Debug::loggingEnabled()) log("start; towar: " + text(rows_, "SKRNAZWA"));
    if (auto skip = skipReason()) return *skip;

    const int productRef = integer(rows_, "lTowarRef");
    const int status = integer(rows_, "byStatus");
    if (!lockProduct(productRef)) return TransactionError;
    if (status == Plu::Status::ToDelete) {
        const auto productPrice = optionalDouble(rows_, "dCenaSprzedTowar");
        if (!productPrice)
            log("CENA Towar NULL i usuwamy");
        else if (*productPrice == 0.0)
            log("CENA Towar 0.0 i usuwamy");
    }
    handOver(sender, productRef);

    const bool firstRowOfProduct = lastProductRef_ != productRef;
    PendingChanges changes = firstRowOfProduct ? productChanges(productRef) : PendingChanges{};
    const bool fromState = fromPluState(integer(rows_, "byFlaga"));
    if (fromState && status == Plu::Status::ToDelete) changes.pluStatus = Plu::Status::Deleted;
    if (fromState && status == Plu::Status::New) changes.pluStatus = Plu::Status::Ordinary;
    log("Zaczynam posyłać updaty!");
    writePluState(changes);
    if (firstRowOfProduct) writeProduct(productRef, changes);

    lastProductRef_ = productRef;
    log("ProcessRecord END");
    return Sent;
}

void PluRecordProcessor::writePluState(const PendingChanges& changes) {
    if (!changes.pluStatus) return;
    const auto updated =
        writeBack_.updatePluStatus(integer(rows_, "lPluRef"), *changes.pluStatus, integer(rows_, "byStatus"));
    if (updated == 0 && rows_.FieldByName("lTowarGrupujacyRef").IsNull())
        inconsistent("Niespojne PLU", "Błąd w trakcie aktualizacji PLU.");
}

void PluRecordProcessor::writeProduct(int productRef, const PendingChanges& changes) {
    if (changes.conditionSent &&
        writeBack_.markConditionSent(integer(rows_, "lWarSprzRef"), *changes.conditionSent,
                                     optionalDouble(rows_, "dCenaSprzedWar").value_or(0.0)) == 0)
        inconsistent("Niespojne warunki", "Błąd w trakcie aktualizacji warunków sprzedaży.");

    if (changes.price || changes.sendEvening || changes.sendNow) {
        const int sendEvening = changes.sendEvening.value_or(integer(rows_, "bySendWiecz"));
        const int sendNow = changes.sendNow.value_or(integer(rows_, "bySendNat"));
        std::int64_t updated;
        if (changes.price) {
            log("Bedzie update towaru ze zmiana ceny");
            updated = writeBack_.updateProductWithPrice(productRef, sendEvening, sendNow, *changes.price,
                                                        optionalReference(rows_, "lPromocjaRef"));
        } else {
            log("Bedzie update towaru BEZ zmiany ceny");
            updated = writeBack_.updateProductFlags(productRef, sendEvening, sendNow);
        }
        if (updated == 0) inconsistent("Niespojny towar", "Błąd w trakcie aktualizacji towaru.");
    }
    writeStock(productRef, changes);
    writeBack_.updateCurrentSaleParams(productRef, optionalDouble(rows_, "dCenaSprzed"),
                                       optionalReference(rows_, "lPromocjaRef"), text(rows_, "alternativePrices"));
}

void PluRecordProcessor::writeStock(int productRef, const PendingChanges& changes) {
    const double newPrice = optionalDouble(rows_, "dCenaSprzedWar").value_or(0.0);
    if (changes.priceChanged && stockHandling_) {
        log("Zmiana ceny - ExecProc");
        writeBack_.revalueStock(static_cast<double>(Core::DateTime::today()), productRef, newPrice);
    }
    if (changes.priceChanged && changes.stockQuantity && *changes.stockQuantity != 0.0 && stockHandling_) {
        log("Protokol autoprzeceny");
        writeBack_.appendMarkdownProtocol(static_cast<double>(Core::DateTime::today()), productRef,
                                          *changes.stockQuantity, newPrice,
                                          optionalDouble(rows_, "dCenaSprzedTowar").value_or(0.0));
    } else {
        log("Stan 0 lub wyłączona obsługa stanów - brak protokołu autoprzeceny");
    }
}

}  // namespace PluTransmission
