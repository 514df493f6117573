#include "scales/SingleScaleXmlFileSender.h"

#include <algorithm>
#include <boost/lexical_cast.hpp>

#include "scales/ScaleProductCodes.h"

namespace Devices {

namespace {

using namespace ScaleProduct;

constexpr int ProductType = 1;  // TYP: always a product
constexpr int NoNumericPart = -1;

// The numeric part of the code as an int; -1 for text that is not a code. A numeric
// part too long for an int raises the number reader's error.
int numericPart(const IProductDataForFrontOffice& record) {
    Plu::TPlu code;
    try {
        code = record.getPlu();
    } catch (const Plu::InvalidCode&) {
        return NoNumericPart;
    }
    return boost::lexical_cast<int>(code.numeric());
}

int weightCodeType(char type, int unit) {
    if (type == Plu::TPlu::Value) return 0;
    if (type == Plu::TPlu::Weight && unit == UnitPiece) return 2;
    return 1;
}

}  // namespace

SingleScaleXmlFileSender::SingleScaleXmlFileSender(std::shared_ptr<const DevicesService> devices,
                                                   MeasureUnitServicePtr units, IScaleDataTransferFileManagerPtr files,
                                                   IScaleXmlSenderConfigPtr config)
    : devices_(std::move(devices)), units_(std::move(units)), files_(std::move(files)), config_(std::move(config)) {}

void SingleScaleXmlFileSender::begin(const std::vector<ScaleInfo>& scales) {
    streams_.clear();
    for (const ScaleInfo& scale : scales) streams_.push_back({scale.id, scale.defaultUsagePeriod, nullptr});
}

ScaleDataOutputFileWriter& SingleScaleXmlFileSender::writerOf(ScaleStreamInfo& stream) {
    if (!stream.writer) {
        stream.writer = std::make_unique<ScaleDataOutputFileWriter>(
            files_->createOutputFile(stream.id.number, stream.id.section), units_);
        stream.writer->openRoot();
        stream.writer->writeAddressee(stream.id.number, stream.id.section);
    }
    return *stream.writer;
}

void SingleScaleXmlFileSender::send(const ProductRecordPtr& record) {
    const int section = record->getScaleSection();
    for (ScaleStreamInfo& stream : streams_)
        if (stream.id.section == section) writeProduct(writerOf(stream), *record, stream.defaultUsagePeriod);
}

void SingleScaleXmlFileSender::writeProduct(ScaleDataOutputFileWriter& writer, const IProductDataForFrontOffice& record,
                                            std::optional<int> defaultUsagePeriod) {
    const bool toBeDeleted =
        record.getPluStatus() == StatusToBeDeleted || devices_->isPluToBeDeletedFromDevices(record);
    const int ean = numericPart(record);
    if (ean == NoNumericPart && !toBeDeleted) return;
    const int unit = record.getSaleUnit();
    const bool weighed = units_->getSymbolFromCode(unit).empty() || unit == UnitKilogram;
    const std::optional<int> shelfLife = record.getShelfLife();

    writer.openProduct();
    writer.writeNr(record.getScalePluNumber());
    writer.writeName(record.getName());
    writer.writeShortName(record.getShortName());
    writer.writePlu(record.getPluCode());
    writer.writeEan(ean);
    writer.writeType(ProductType);
    writer.writePrice(record.getSalePrice());
    writer.writeWeightCodeType(weightCodeType(codeType(record), unit));
    writer.writeWeighed(weighed);
    writer.writeUnitSymbol(unit);
    writer.writeUnitId(unit);
    writer.writeShelfLife(shelfLife ? shelfLife : defaultUsagePeriod);
    if (toBeDeleted) writer.writeDelete();
    writer.writeGroupIndex(record.getGroupIndex());
    if (mayCarryComposition(record)) writer.writeIngredients(record.getIngredients());
    writer.closeProduct();
}

bool SingleScaleXmlFileSender::mayCarryComposition(const IProductDataForFrontOffice& record) const {
    if (!record.hasIngredients()) return false;
    return !config_->sendCompositionsOnlyForListedGroups() ||
           config_->compositionGroups().count(record.getGroupIndex());
}

void SingleScaleXmlFileSender::sendHeaderLines(int scaleNumber, int section, const std::vector<std::string>& lines) {
    const auto stream = std::find_if(streams_.begin(), streams_.end(), [&](const ScaleStreamInfo& s) {
        return s.id.number == scaleNumber && s.id.section == section;
    });
    if (stream == streams_.end()) return;
    ScaleDataOutputFileWriter& writer = writerOf(*stream);
    writer.openHeaderLines();
    for (const std::string& line : lines) writer.writeHeaderLine(line);
    writer.closeHeaderLines();
}

void SingleScaleXmlFileSender::end() {
    for (ScaleStreamInfo& stream : streams_) {
        if (!stream.writer) continue;
        stream.writer->closeRoot();
        stream.writer->close();
        stream.writer.reset();
    }
}

}  // namespace Devices
