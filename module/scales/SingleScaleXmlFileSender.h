// One batch of the scale sender: for each scale taking part, one data file written
// when the first product or header line for that scale arrives, and closed (written to
// disk) at end(). A product goes to every scale of its section.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plu/IProductDataForFrontOffice.h"
#include "scales/DevicesService.h"
#include "scales/MeasureUnitService.h"
#include "scales/ScaleDataOutputFileWriter.h"
#include "scales/ScaleDataTransferFileManager.h"
#include "scales/ScaleId.h"
#include "scales/ScaleXmlSenderConfig.h"

namespace Devices {

using ProductRecordPtr = std::shared_ptr<const IProductDataForFrontOffice>;

// Host contract: the per-batch sender, its scale and stream records.
class ISingleScaleXmlFileSender {
public:
    struct ScaleInfo {
        ScaleId id;
        std::optional<int> defaultUsagePeriod;  // device parameter 133, in days
    };

    virtual ~ISingleScaleXmlFileSender() = default;
    virtual void begin(const std::vector<ScaleInfo>& scales) = 0;
    virtual void send(const ProductRecordPtr& record) = 0;
    virtual void sendHeaderLines(int scaleNumber, int section, const std::vector<std::string>& lines) = 0;
    virtual void end() = 0;
};
using ISingleScaleXmlFileSenderPtr = std::shared_ptr<ISingleScaleXmlFileSender>;

class SingleScaleXmlFileSender : public ISingleScaleXmlFileSender {
public:
    struct ScaleStreamInfo {
        ScaleId id;
        std::optional<int> defaultUsagePeriod;
        std::unique_ptr<ScaleDataOutputFileWriter> writer;  // empty until the first record
    };

    SingleScaleXmlFileSender(std::shared_ptr<const DevicesService> devices, MeasureUnitServicePtr units,
                             IScaleDataTransferFileManagerPtr files, IScaleXmlSenderConfigPtr config);

    void begin(const std::vector<ScaleInfo>& scales) override;
    // Raises the number reader's conversion error for a code whose numeric part is no
    // int; nothing of that product is written then.
    void send(const ProductRecordPtr& record) override;
    void sendHeaderLines(int scaleNumber, int section, const std::vector<std::string>& lines) override;
    void end() override;

private:
    ScaleDataOutputFileWriter& writerOf(ScaleStreamInfo& stream);
    void writeProduct(ScaleDataOutputFileWriter& writer, const IProductDataForFrontOffice& record,
                      std::optional<int> defaultUsagePeriod);
    bool mayCarryComposition(const IProductDataForFrontOffice& record) const;

    std::shared_ptr<const DevicesService> devices_;
    MeasureUnitServicePtr units_;
    IScaleDataTransferFileManagerPtr files_;
    IScaleXmlSenderConfigPtr config_;
    std::vector<ScaleStreamInfo> streams_;
};

}  // namespace Devices
