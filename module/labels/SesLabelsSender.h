// The SES label system's file: one fixed-width line per PLU with prices, unit data,
// supplier, promotion dates and stock. Labels are collected while the records arrive
// (one per PLU, the later record wins), completed from the database in one query at
// the end, then written to "SES_yyyymmddhhnnss.dat" and uploaded with its flag file.
#pragma once

#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "core/Money.h"
#include "labelentities/SesLabel.h"
#include "labels/IElectronicLabelsSender.h"

namespace Labels {

// Host contract: the SES labels sender.
class SesLabelsSender : public Senders::IElectronicLabelsSender {
public:
    // Host contract: the class name that "Klasa eksportu" gives to choose this sender.
    static constexpr const char* className = "SesLabelsSender";
    // Host contract: the day number that stands for "no date".
    static constexpr int zeroDate = -9999999;

    SesLabelsSender();

    void init(const PLUSenderArgs&) override {}
    void checkCommunication() override {}
    // Fixes the files folder, the file name, the sale date and the prices before promotion.
    void beginSending(int day) override;
    // Collects the label of the record's PLU: nothing when "byElEtyk" is NULL.
    void sendTowar(Db::TDataSet& record) override;
    // Completes stock, promotion dates and supplier, writes the file, uploads.
    void endSending() override;

    // Writes one label's line; the first one opens (truncates) the data file.
    void send(const std::shared_ptr<SesLabel>& label);

    const std::string& dataFilePath() const { return dataFilePath_; }

private:
    struct Collected {
        std::string pluCode;  // as stored; its full form goes into the file
        std::shared_ptr<SesLabel> label;
    };
    std::shared_ptr<SesLabel> removalLabel(double price) const;
    std::shared_ptr<SesLabel> fullLabel(const class LabelRecord& row);
    void completeAndWrite();
    std::string lineOf(const SesLabel& label) const;

    std::string dataFilePath_;
    std::ofstream out_;
    std::map<unsigned, Collected> labels_;
    std::optional<int> saleDate_;
    std::map<int, Core::Price> pricesBeforePromotion_;
};

}  // namespace Labels
