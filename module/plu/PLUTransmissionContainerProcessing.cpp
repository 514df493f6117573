// TPLUTransmissionContainer, its processing half: the walk over the main query in
// packages, one transaction and one PLU sender per package.
#include <boost/format.hpp>
#include <chrono>

#include "cashregister/DeviceDirectories.h"
#include "composition/CompositionReadScope.h"
#include "core/Debug.h"
#include "db/TransactionScope.h"
#include "frame/Configuration.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/PluRecordProcessor.h"
#include "plu/PluSender.h"
#include "scales/DevicesService.h"

namespace {

void log(const std::string& text) {
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine(text, CORE_SRC_INFO("TPLUTransmissionContainer::ProcessDataSet"));
}

std::string formatDuration(std::chrono::steady_clock::duration elapsed) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    return (boost::format("%02d:%02d:%02d") % (seconds / 3600) % (seconds / 60 % 60) % (seconds % 60)).str();
}

}  // namespace

int TPLUTransmissionContainer::configuredPackageSize() {
    auto key = Kolvenia::Config::findKey({"Parametry programu", "FrontOffice", "Wielkość paczki zawierającej PLU"});
    const int size = key ? key->GetVal<int>() : 0;
    return size > 0 ? size : DefaultPackageSize;
}

std::shared_ptr<PluTransmission::T_PLUSender> TPLUTransmissionContainer::createPluSender() {
    if (!context_)
        context_ = std::make_shared<PluTransmission::PluTransmissionContext>(
            session_, static_cast<int>(day_), strategy_, std::make_shared<Devices::DevicesService>(), productFeatures_);
    return std::make_shared<PluTransmission::T_PLUSender>(context_, mainQuery_);
}

int TPLUTransmissionContainer::ProcessRecord(std::shared_ptr<PluTransmission::T_PLUSender> sender) {
    return processor_->processRecord(*sender);
}

void TPLUTransmissionContainer::walkRows(Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    const int size = configuredPackageSize();
    // Each package commits as it ends, the caller's open work with the first one.
    DBKernel::TransactionScope transaction(session_, DBKernel::TransactionScope::AdoptOpen);
    Composition::CompositionReadScope compositions(session_);
    auto sender = createPluSender();
    mainQuery_.First();
    while (!mainQuery_.Eof()) {
        progress.step(1);
        counters_.count(static_cast<PluTransmission::RecordResult>(ProcessRecord(sender)));
        mainQuery_.Next();
        if (tick_) tick_();
        if (counters_.processed % static_cast<unsigned>(size) == 0) {
            log("TPLUTransmissionContainer::ProcessDataSet: transaction.Commit(); creating new T_PLUSender");
            sender->endPackage();
            transaction.commitAndBegin();
            sender = createPluSender();
        }
    }
    sender->endPackage();
    transaction.commit();
}

bool TPLUTransmissionContainer::ProcessDataSet(std::string& status,
                                               Core::ThreadUserIo::ISteppableProgressIndicator& progress) {
    log("TPLUTransmissionContainer::ProcessDataSet start");
    const auto started = std::chrono::steady_clock::now();
    resetCounters();
    context_.reset();  // each run reads its lookups afresh
    try {
        Kolvenia::Kasa::checkDeviceDirectories();  // before anything is sent or written back
        processor_->startRun();
        walkRows(progress);
    } catch (const std::exception& e) {
        status = e.what();
        if (Core::Debug::loggingEnabled())
            Core::Debug::logException(CORE_SRC_INFO("TPLUTransmissionContainer::ProcessDataSet"), e.what());
        return false;
    }
    log("TPLUTransmissionContainer::ProcessDataSet end. Duration: " +
        formatDuration(std::chrono::steady_clock::now() - started));
    return true;
}
