// The electronic shelf label system's file: one fixed-width line per PLU (a full
// label, or the removal of one), all lines of one transmission in one data file named
// by its start time, "mmddhhnnss.dat", uploaded with its flag file at the end.
#pragma once

#include <fstream>
#include <map>
#include <memory>

#include "core/Money.h"
#include "labelentities/Label.h"
#include "labels/IElectronicLabelsSender.h"

namespace Labels {

// Host contract: the electronic-labels file sender.
class ElectronicLabelsSender : public Senders::IElectronicLabelsSender {
public:
    // Host contract: the class name that "Klasa eksportu" gives to choose this sender.
    static constexpr const char* className = "ElectronicLabelsSender";

    ElectronicLabelsSender();

    void init(const PLUSenderArgs&) override {}
    void checkCommunication() override {}
    // Fixes the files folder, the file name and the prices before promotion on `day`.
    void beginSending(int day) override;
    // One line for the record's PLU: nothing when "byElEtyk" is NULL.
    void sendTowar(Db::TDataSet& record) override;
    // Closes the data file and uploads every data file of the folder.
    void endSending() override;

    // Writes one label's line; the first one opens (truncates) the data file.
    void send(const std::shared_ptr<Label>& label);

    const std::string& dataFilePath() const { return dataFilePath_; }

private:
    std::string lineOf(const Label& label);

    std::string dataFilePath_;
    std::ofstream out_;
    std::map<int, Core::Price> pricesBeforePromotion_;
};

}  // namespace Labels
