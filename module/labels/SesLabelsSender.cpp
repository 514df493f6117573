#include "labels/SesLabelsSender.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/DateTime.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "db/Command.h"
#include "db/Query.h"
#include "labels/LabelFileName.h"
#include "labels/LabelRecord.h"
#include "producttools/PricesBeforePromotion.h"
#include "tools/Plu.h"

namespace Labels {

namespace {

constexpr char kComma = ',';
constexpr double kLowestStock = -999.99;
constexpr double kHighestStock = 9999.99;

// Host contract: the completion query, around the sale date.
constexpr const char* kCompletionHead =
    "\n SELECT plu.lPluRef, s.dStan, nvl(ws.dataOd, -9999999) dSaleDateFrom,\n nvl(ws.dataDo, -9999999) dSaleDateTo, "
    "f.sNazwa, f.sKrNazwa\n FROM stn s,\n (\n select ws.*\n from warsprz ws,\n (\n select distinct p.ltowarref\n from plu "
    "p, tempraporttowar trt\n where p.LPLUREF = trt.LTOWARREF\n ) t\n where t.LTOWARREF = ws.LTOWARREF\n and ";
constexpr const char* kCompletionTail =
    " between ws.DATAOD and ws.DATADO\n and ws.LPROMOREF is not null\n ) ws, firma f, towar t, plu, tempraporttowar trt\n "
    "WHERE t.lTowarRef = plu.lTowarRef AND s.lTowarRef(+) = t.lTowarRef\n AND s.data(+) = t.dLastStnDate AND "
    "plu.lTowarRef = ws.lTowarRef(+)\n AND t.lGlownyDostawcaRef = f.lFirmaRef(+)\n AND plu.lPluRef = trt.LTOWARREF";

std::string money(double value) { return Senders::IElectronicLabelsSender::formatValue(value, kComma, "000000.00"); }

std::string left(const std::string& text, int width) {
    return Senders::IElectronicLabelsSender::formatValue(text, width, ' ', std::left);
}

std::string flag(bool value) { return value ? "1" : "0"; }

// "ddmmyy"; a day before the first year of the calendar ("no date") is "000000".
std::string ddmmyy(int day) {
    const std::chrono::year_month_day date = Core::DateTime::calendarDate(day);
    if (int(date.year()) < 1) return "000000";
    char text[16];
    std::snprintf(text, sizeof text, "%02u%02u%02d", unsigned(date.day()), unsigned(date.month()),
                  int(date.year()) % 100);
    return text;
}

std::string stock(double value) {
    if (value < 0)
        return Senders::IElectronicLabelsSender::formatValue(std::max(value, kLowestStock), kComma, "00000000.000");
    return Senders::IElectronicLabelsSender::formatValue(std::min(value, kHighestStock), kComma, "000000000.000");
}

// One row of the completion query.
struct Completion {
    unsigned pluRef;
    double stock;
    int promotionFrom;
    int promotionTo;
    std::string supplierCode;
    std::string supplierName;
};

// The rows in PLU order: the query orders nothing, and the file must not depend on
// the engine's plan. Rows of one PLU (several promotions) keep their order.
std::vector<Completion> completionsOf(Db::TDataSet& rows) {
    std::vector<Completion> completions;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const LabelRecord row(rows);
        completions.push_back({static_cast<unsigned>(row.integer("lPluRef")), row.number("dStan"),
                               row.integer("dSaleDateFrom"), row.integer("dSaleDateTo"), row.text("sKrNazwa"),
                               row.text("sNazwa")});
    }
    std::stable_sort(completions.begin(), completions.end(),
                     [](const Completion& a, const Completion& b) { return a.pluRef < b.pluRef; });
    return completions;
}

}  // namespace

SesLabelsSender::SesLabelsSender() { enableFor(className); }

void SesLabelsSender::beginSending(int day) {
    if (!enabled_) return;
    prepareFilesFolder();
    dataFilePath_ = filesFolder_ + newLabelFileName(filesFolder_, "SES_", "%Y%m%d%H%M%S", datFileExt);
    saleDate_ = day;
    TSessionHolder session(true);
    pricesBeforePromotion_ = Towar::getPricesBeforePromotion(session, day);
}

void SesLabelsSender::sendTowar(Db::TDataSet& record) {
    if (!enabled_) return;
    const LabelRecord row(record);
    if (row.isNull("byElEtyk")) return;
    const unsigned id = static_cast<unsigned>(row.integer("lPluRef"));
    auto label = row.isRemoval() ? removalLabel(row.number("dCenaSprzed")) : fullLabel(row);
    label->setId(id);
    label->setEan(record.FieldByName("sPlu").AsString());
    labels_[id] = {label->getEan(), label};
}

std::shared_ptr<SesLabel> SesLabelsSender::removalLabel(double price) const {
    auto label = std::make_shared<SesLabel>();
    label->setAction(SesLabel::Action::Removal);
    label->setPrice(price);
    // Host contract: the removal label's product label and supplier.
    label->setProductLabel("ARTICLE ANNULE");
    label->setSupplierCode("000000000");
    label->setSupplierName(" ");
    label->setPromotionBeginningDate(zeroDate);
    label->setPromotionEndDate(zeroDate);
    return label;
}

std::shared_ptr<SesLabel> SesLabelsSender::fullLabel(const LabelRecord& row) {
    auto label = std::make_shared<SesLabel>();
    label->setAction(SesLabel::Action::Label);
    label->setPrice(row.number("dCenaSprzed"));
    label->setProductLabel(row.text("sNazwa"));
    label->setPricePerUnitOfMeasure(row.pricePerUnitOfMeasure());
    const int conversionUnit = row.integer("nJmPrzelicznik");
    const int saleUnit = row.integer("nJmSprz");
    const int unit = mappedUnit(conversionUnit != saleUnit ? conversionUnit : saleUnit);
    const bool known = unit >= int(SesLabel::Unit::None) && unit <= int(SesLabel::Unit::SquareMetre);
    label->setUnitOfMeasure(known ? SesLabel::Unit(unit) : SesLabel::Unit::None);
    label->setPromotionFlag(!row.isNull("lPromocjaRef"));
    if (auto before = pricesBeforePromotion_.find(row.integer("lTowarRef")); before != pricesBeforePromotion_.end())
        label->setOldPrice(before->second.asDouble());
    label->setWeightAndMeasures(row.number("dPrzelicznik"));
    label->setProductBrandLabel(row.text("Marka"));
    return label;
}

void SesLabelsSender::endSending() {
    if (!enabled_) return;
    if (!labels_.empty()) completeAndWrite();
    if (out_.is_open()) out_.close();
    sendFiles();
}

// The ids go through the report table in the transmission's session: inside its open
// transaction when there is one, so that they vanish with it; otherwise in a
// transaction of their own. They are deleted again once read.
void SesLabelsSender::completeAndWrite() {
    TSessionHolder session(true);
    const bool ownTransaction = !session.InTransaction();
    if (ownTransaction) session.StartTransaction();
    DBKernel::Sql::Command store("insert into tempraporttowar (LTOWARREF) values (:id)", session);
    for (const auto& [id, collected] : labels_) {
        store.Params["id"] = static_cast<std::int64_t>(id);
        store.execute();
    }
    Db::TDataSet rows(session);
    rows.SetSQL(kCompletionHead + std::to_string(saleDate_.value_or(0)) + kCompletionTail);
    rows.Open();
    DBKernel::Sql::Command forget("delete from tempraporttowar where LTOWARREF = :id", session);
    for (const auto& [id, collected] : labels_) {
        forget.Params["id"] = static_cast<std::int64_t>(id);
        forget.execute();
    }
    if (ownTransaction) session.Commit();
    for (const Completion& completion : completionsOf(rows)) {
        auto found = labels_.find(completion.pluRef);
        if (found == labels_.end()) continue;
        SesLabel& label = *found->second.label;
        label.setEan(LabelRecord::fullFormOf(found->second.pluCode));
        if (label.getAction() == SesLabel::Action::Label) {
            label.setStock(completion.stock);
            label.setPromotionBeginningDate(completion.promotionFrom);
            label.setPromotionEndDate(completion.promotionTo);
            label.setSupplierCode(completion.supplierCode);
            label.setSupplierName(completion.supplierName);
        }
        send(found->second.label);
    }
}

void SesLabelsSender::send(const std::shared_ptr<SesLabel>& label) {
    if (!enabled_) return;
    if (!out_.is_open()) {
        out_.open(dataFilePath_, std::ios::binary | std::ios::trunc);
        // Host contract: the file creation and write failure messages.
        if (!out_)
            throw Core::PlacedRuntimeError(Core::I18n::translate("Błąd podczas tworzeniu pliku"),
                                           CORE_SRC_INFO("SesLabelsSender::send"));
    }
    try {
        out_ << lineOf(*label);
        out_.flush();
        if (!out_) throw std::runtime_error("write failed");
    } catch (const std::exception&) {
        throw Core::PlacedRuntimeError(Core::I18n::translate("Błąd zapisu do pliku etykiet ") + dataFilePath_,
                                       CORE_SRC_INFO("SesLabelsSender::send"));
    }
}

std::string SesLabelsSender::lineOf(const SesLabel& label) const {
    return std::to_string(int(label.getAction())) + formatValue(label.getEan(), 13, '0', std::right) +
           money(label.getPrice()) + left(label.getProductLabel(), 40) + money(label.getPricePerUnitOfMeasure()) +
           std::to_string(int(label.getUnitOfMeasure())) + money(label.getEcoTax()) + flag(label.getEcoTaxFlag()) +
           money(label.getPackagingUnitPrice()) + flag(label.getPromotionFlag()) + money(label.getOldPrice()) +
           formatValue(label.getWeightAndMeasures(), kComma, "0000.000") +
           formatValue(label.getSupplierCode(), 9, ' ', std::right) + left(label.getSupplierName(), 30) +
           formatValue(label.getLoyaltyPoints(), kComma, "0000000.00") + left(label.getProductBrandLabel(), 20) +
           ddmmyy(label.getPromotionBeginningDate()) + ddmmyy(label.getPromotionEndDate()) + money(label.getDeposit()) +
           stock(label.getStock()) + "\r\n";
}

}  // namespace Labels
