#include "labels/LabelsSenderFactory.h"

#include "core/Errors.h"
#include "labels/ElectronicLabelsSender.h"
#include "labels/SesLabelsSender.h"

std::unique_ptr<Senders::IElectronicLabelsSender> LabelsSenderFactory::createLabelsSender(std::string className) {
    if (className == Labels::ElectronicLabelsSender::className)
        return std::make_unique<Labels::ElectronicLabelsSender>();
    if (className == Labels::SesLabelsSender::className) return std::make_unique<Labels::SesLabelsSender>();
    throw Core::PlacedRuntimeError("LabelsSenderFactory::createLabelsSender: wrong class name.",
                                   CORE_SRC_INFO("LabelsSenderFactory::createLabelsSender"));
}
