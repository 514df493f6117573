#include "scales/ScaleXmlFileSender.h"

#include <set>

#include "plu/ProductDataForFrontOfficeDecorator.h"
#include "scales/ScaleProductCodes.h"

namespace Devices {

namespace {

using namespace ScaleProduct;

constexpr int FirstSection = 1, LastSection = 9;

// The product under one of its old scale numbers, to be deleted there.
class OldScaleNumber : public ProductDataForFrontOfficeDecorator {
public:
    OldScaleNumber(ProductRecordPtr record, IDeletedScaleProductNumbers::ProductNumberInScaleSection old)
        : ProductDataForFrontOfficeDecorator(std::move(record)), old_(old) {}
    int getScaleSection() const override { return old_.section; }
    int getScalePluNumber() const override { return old_.number; }
    int getPluStatus() const override { return StatusToBeDeleted; }

private:
    IDeletedScaleProductNumbers::ProductNumberInScaleSection old_;
};

bool codeFitsUnit(char type, int unit) {
    if (type == Plu::TPlu::PriceCarrying) return false;
    return unit == UnitKilogram || type == Plu::TPlu::Value || (type == Plu::TPlu::Weight && unit == UnitPiece);
}

}  // namespace

ScaleXmlFileSender::ScaleXmlFileSender()
    : devices_(std::make_shared<DevicesService>()),
      config_(std::make_shared<DefaultScaleXmlSenderConfig>()),
      files_(std::make_shared<ScaleDataTransferFileManager>()),
      deletedNumbers_(
          std::make_shared<DeletedScaleProductNumbers>(std::make_shared<DeletedScaleProductNumbersQuery>())),
      makeSingleSender_([] {
          return std::make_shared<SingleScaleXmlFileSender>(
              std::make_shared<DevicesService>(), std::make_shared<MeasureUnitService>(),
              std::make_shared<ScaleDataTransferFileManager>(), std::make_shared<DefaultScaleXmlSenderConfig>());
      }) {}

void ScaleXmlFileSender::begin(const IUrzCollectionModStrategy& strategy) {
    batch_.reset();
    scales_.clear();
    if (auto devices = devices_->getDeviceCollection()) {
        strategy.modify(*devices);
        for (std::size_t i = 0; i < devices->size(); ++i) {
            const TUrzadzenie& device = *(*devices)[i];
            if (device.nNrTypuUrz != tuWaga || !device.bWlaczone) continue;
            scales_.push_back({{device.nNrSekcji, device.nNrKolvenia},
                               devices_->getDefaultProductUsagePeriodForScale(device.lUrzadzenieRef)});
        }
    }
    if (scales_.empty()) return;
    files_->checkDirectories();
    files_->removeTemporaryFiles();
    std::set<ScaleId> ids;
    for (const auto& scale : scales_) ids.insert(scale.id);
    deletedNumbers_->load(ids);
    startBatch();
}

void ScaleXmlFileSender::startBatch() {
    batch_ = makeSingleSender_();
    batch_->begin(scales_);
    recordsInBatch_ = 0;
}

void ScaleXmlFileSender::countRecord() {
    if (++recordsInBatch_ < config_->recordsPerFile()) return;
    batch_->end();
    startBatch();
}

bool ScaleXmlFileSender::passesFilter(const IProductDataForFrontOffice& record) const {
    if (!record.isWeighed()) return false;
    const int section = record.getScaleSection();
    if (section < FirstSection || section > LastSection || record.getScalePluNumber() == 0) return false;
    const char type = codeType(record);
    const bool kindSent = (type == Plu::TPlu::Weight && config_->sendWeightCodes()) ||
                          (type == Plu::TPlu::Value && config_->sendValueCodes());
    if (!kindSent || !codeFitsUnit(type, record.getSaleUnit())) return false;
    return !config_->sendOnlyWeightPlusMatchingPrefix() || config_->pluMatchesPrefix(record.getPluCode());
}

void ScaleXmlFileSender::send(const ProductRecordPtr& record) {
    if (!active()) return;
    if (!passesFilter(*record)) return;
    for (const auto& old : deletedNumbers_->numbersForProduct(record->getProductId())) {
        batch_->send(std::make_shared<OldScaleNumber>(record, old));
        countRecord();
    }
    batch_->send(record);
    countRecord();
}

void ScaleXmlFileSender::sendHeaderLines(int scaleNumber, int section, const std::vector<std::string>& lines) {
    if (!active()) return;
    batch_->sendHeaderLines(scaleNumber, section, lines);
    countRecord();
}

void ScaleXmlFileSender::end() {
    if (!active()) return;
    batch_->end();
    batch_.reset();
    files_->moveFilesToOutputDirectory();
}

}  // namespace Devices
