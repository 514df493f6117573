// Makes the label sender named by "Klasa eksportu", for the labels actions and the
// PLU-sending window (the PLU transmission gets both through the external senders).
#pragma once

#include <memory>
#include <string>

#include "labels/IElectronicLabelsSender.h"

// Host contract: the label sender factory.
class LabelsSenderFactory {
public:
    // "ElectronicLabelsSender" or "SesLabelsSender"; any other name raises
    // "LabelsSenderFactory::createLabelsSender: wrong class name.".
    static std::unique_ptr<Senders::IElectronicLabelsSender> createLabelsSender(std::string className);
};
