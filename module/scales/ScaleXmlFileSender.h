// Sends product records to the scales as XML data files for the scale server. A
// transmission is begin, any number of sends and header lines, end:
//
//   Devices::ScaleXmlFileSender scales;
//   scales.begin(strategy);          // the enabled scales; clears the temporary directory
//   scales.send(record);             // to every enabled scale of the record's section
//   scales.end();                    // the files go into the data directory
//
// Begin checks the scale server's three directories and stops with the error of a
// missing one before anything is written. Records go in batches of 200, one file per scale per batch. Only weighed products
// with a scale section (1-9), a number on the scales and a weight or value code the
// configuration lets through are sent; before each, its old scale numbers are sent as
// deletions. Without an enabled scale every call does nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/strategies/IUrzCollectionModStrategy.h"
#include "scales/DeletedScaleProductNumbers.h"
#include "scales/SingleScaleXmlFileSender.h"

namespace Devices {

// Host contract: the scale sender's interface and class.
class IScaleXmlFileSender {
public:
    virtual ~IScaleXmlFileSender() = default;
    virtual void begin(const IUrzCollectionModStrategy& strategy) = 0;
    virtual void send(const ProductRecordPtr& record) = 0;
    virtual void sendHeaderLines(int scaleNumber, int section, const std::vector<std::string>& lines) = 0;
    virtual void end() = 0;
};

class ScaleXmlFileSender : public IScaleXmlFileSender {
public:
    using SingleSenderFactory = std::function<ISingleScaleXmlFileSenderPtr()>;

    ScaleXmlFileSender();

    void begin(const IUrzCollectionModStrategy& strategy) override;
    void send(const ProductRecordPtr& record) override;
    void sendHeaderLines(int scaleNumber, int section, const std::vector<std::string>& lines) override;
    void end() override;

    // Whether the record may go to the scales at all.
    bool passesFilter(const IProductDataForFrontOffice& record) const;

private:
    bool active() const { return static_cast<bool>(batch_); }
    void startBatch();
    void countRecord();

    std::shared_ptr<const DevicesService> devices_;
    IScaleXmlSenderConfigPtr config_;
    std::shared_ptr<ScaleDataTransferFileManager> files_;
    IDeletedScaleProductNumbersPtr deletedNumbers_;
    SingleSenderFactory makeSingleSender_;
    ISingleScaleXmlFileSenderPtr batch_;  // empty between transmissions and without scales
    std::vector<ISingleScaleXmlFileSender::ScaleInfo> scales_;
    int recordsInBatch_ = 0;
};

}  // namespace Devices
