#include "labels/ElectronicLabelsSender.h"

#include "core/Errors.h"
#include "core/I18n.h"
#include "labels/LabelFileName.h"
#include "labels/LabelRecord.h"
#include "producttools/PricesBeforePromotion.h"

namespace Labels {

namespace {

constexpr const char* kPricePicture = "0000.00";
constexpr char kDecimalPoint = '.';
constexpr int kPluCodeWidth = 13;

std::string price(double value) {
    return Senders::IElectronicLabelsSender::formatValue(value, kDecimalPoint, kPricePicture);
}

std::string leftAligned(const std::string& text, int width) {
    return Senders::IElectronicLabelsSender::formatValue(text, width, ' ', std::left);
}

}  // namespace

ElectronicLabelsSender::ElectronicLabelsSender() { enableFor(className); }

void ElectronicLabelsSender::beginSending(int day) {
    if (!enabled_) return;
    prepareFilesFolder();
    dataFilePath_ = filesFolder_ + newLabelFileName(filesFolder_, "", "%m%d%H%M%S", datFileExt);
    TSessionHolder session(true);
    pricesBeforePromotion_ = Towar::getPricesBeforePromotion(session, day);
}

void ElectronicLabelsSender::sendTowar(Db::TDataSet& record) {
    if (!enabled_) return;
    const LabelRecord row(record);
    if (row.isNull("byElEtyk")) return;
    auto label = std::make_shared<Label>();
    label->setPluCode(row.fullPluCode());
    if (row.isRemoval()) {
        label->setOperation(Label::Remove);
        send(label);
        return;
    }
    const int status = row.integer("byStatus");
    if (status != 1 && status != 2) return;  // new or ordinary PLUs only
    label->setDescription(row.text("sNazwa"));
    label->setBrand(row.text("Marka"));
    label->setProductIndex(row.text("sArtIndex"));
    label->setGroupIndex(row.text("sGrIndex"));
    label->setPromotion(!row.isNull("lPromocjaRef"));
    const int conversionUnit = row.integer("nJmPrzelicznik");
    label->setUnitOfMeasure(conversionUnit != row.integer("nJmSprz") ? conversionUnit : 0);
    label->setSellingPrice(row.number("dCenaSprzed"));
    label->setPricePerUnitOfMeasure(row.pricePerUnitOfMeasure());
    if (auto before = pricesBeforePromotion_.find(row.integer("lTowarRef")); before != pricesBeforePromotion_.end())
        label->setPreviousPrice(before->second.asDouble());
    label->setOperation(Label::Show);
    send(label);
}

void ElectronicLabelsSender::endSending() {
    if (!enabled_) return;
    if (out_.is_open()) out_.close();
    sendFiles();
}

void ElectronicLabelsSender::send(const std::shared_ptr<Label>& label) {
    if (!enabled_) return;
    try {
        const std::string line = lineOf(*label);
        if (!out_.is_open()) out_.open(dataFilePath_, std::ios::binary | std::ios::trunc);
        out_ << line;
        out_.flush();
        if (!out_) throw std::runtime_error("write failed");
    } catch (const std::exception&) {
        // Host contract: the write failure message.
        throw Core::PlacedRuntimeError(Core::I18n::translate("Błąd zapisu do pliku etykiet ") + dataFilePath_,
                                       CORE_SRC_INFO("ElectronicLabelsSender::send"));
    }
}

std::string ElectronicLabelsSender::lineOf(const Label& label) {
    std::string line =
        std::to_string(label.getOperation()) + formatValue(label.getPluCode(), kPluCodeWidth, ' ', std::right);
    if (label.getOperation() == Label::Show) {
        line += price(label.getSellingPrice()) + leftAligned(label.getDescription(), 40) +
                leftAligned(label.getBrand(), 15) + leftAligned(label.getProductIndex(), 8) + "-" +
                leftAligned(label.getGroupIndex(), 4) + std::string(12, ' ') + price(label.getPricePerUnitOfMeasure()) +
                std::to_string(mappedUnit(label.getUnitOfMeasure()));
        if (label.getPreviousPrice()) line += price(*label.getPreviousPrice()) + "R";
        line += label.getPromotion() ? "1" : "0";
    }
    return line + "\r\n";
}

}  // namespace Labels
